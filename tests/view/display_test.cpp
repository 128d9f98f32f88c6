// The refresh from the model: pictures, markers, lines, value labels and what screen
// readers hear. Where they land on the screen in each orientation, the lines at nodes
// and the problem marks are seen in the scenes of tests/pictures.
#include "view/display.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "circuits.h"
#include "fake_screen.h"

namespace tessara {
namespace {
using testing::PutGate;
using testing::PutLink;

struct Refresh : ::testing::Test {
  testing::FakeScreen& Shown() {
    DrawCircuit(scene, screen);
    return screen;
  }
  Scene scene;
  Document& doc = scene.doc;
  testing::FakeScreen screen;
};

// A line's two ends, X1, Y1, X2, Y2.
std::array<float, 4> Ends(LineElement& line) {
  return {line.X1(), line.Y1(), line.X2(), line.Y2()};
}

// Every kind in every orientation is seen in place in the scenes of tests/pictures; an
// orientation outside 0..3 keeps a gate's last picture and label place, a terminal's
// upright picture, and leaves a line's end unset.
TEST_F(Refresh, AnOrientationOutsideTheFourKeepsWhatWasShown) {
  doc.PowerOn = true;
  for (const auto& [kind, kept] : {std::pair{kAndGate, 3}, {kInputGate, 0}}) {
    for (std::int32_t o : {3, 4}) {
      PutGate(doc, 4, kind, 3000, 1000, o);
      Shown();
    }
    EXPECT_EQ(screen.GateImage(4).GetPicture(), (Picture{kind, kept})) << kind;
    EXPECT_TRUE(screen.GateImage(4).Visible()) << kind;
  }
  PutGate(doc, 0, kInputGate, 0, 1200);
  Shown();
  PutGate(doc, 0, kNotGate, 1000, 2000, 9).GetNewOutput();
  LabelElement& label = Shown().ValueLabel(0);
  EXPECT_EQ(std::pair(label.Left(), label.Top()), std::pair(875.0f, 1425.0f));
  EXPECT_EQ(label.Text(), "1");
  PutGate(doc, 1, kNotGate, 5000, 5000);
  PutLink(doc, 0, 1, 0);
  EXPECT_EQ(Ends(Shown().LinkLine(0)), (std::array<float, 4>{5800, 5400, 0, 0}));
}

TEST_F(Refresh, NodeShowsOnlyItsMarkerAndAFreedSlotOrLinkHidesButKeepsItsPlace) {
  screen.GateImage(3).SetVisible(true);
  PutGate(doc, 3, kBufferGate, 4000, 2500);
  PutGate(doc, 0, kInputGate, 0, 1000);
  PutGate(doc, 1, kOutputGate, 8200, 1000);
  Link& link = PutLink(doc, 5, 0, 1);
  EXPECT_FALSE(Shown().GateImage(3).Visible());
  EXPECT_TRUE(screen.NodeMarker(3).Visible());
  EXPECT_EQ(screen.NodeMarker(3).Left(), 4000);
  EXPECT_EQ(screen.NodeMarker(3).Top(), 2500);
  PutGate(doc, 3, kNotGate, 1000, 1000);  // at once, as an undo puts a whole circuit back
  EXPECT_FALSE(Shown().NodeMarker(3).Visible()) << "a gate in a node's slot shows no marker";
  doc.EditGate(3).SetUsed(false);
  link.SetUsed(false);
  EXPECT_FALSE(Shown().GateImage(3).Visible());
  EXPECT_FALSE(screen.LinkLine(5).Visible());
  EXPECT_EQ(screen.LinkLine(5).X1(), 800) << "a hidden line keeps its ends";
}

// A problem mark names a gate by its kind and its tag, which shows beside the gate, and
// an input by its place on the picture: the upright AND's lower one, the turned OR's left.
TEST_F(Refresh, ProblemMarksNameAGateByItsTagAndAnInputByItsPlace) {
  PutGate(doc, 0, kInputGate, 0, 1000);
  PutGate(doc, 1, kAndGate, 3000, 1000);
  PutGate(doc, 2, kOrGate, 3000, 3000, 1);
  PutGate(doc, 3, kOutputGate, 8200, 1000);
  PutLink(doc, 0, 0, 1, 0), PutLink(doc, 1, 1, 3), PutLink(doc, 2, 0, 2, 1);
  std::vector<std::string> texts;
  for (const ProblemMark& mark : Shown().ProblemMarks().Marks())
    texts.push_back(mark.text.English());
  EXPECT_EQ(texts, (std::vector<std::string>{"AND g1: its lower input is not linked",
                                             "OR g2: its left input is not linked",
                                             "OR g2: its output drives nothing"}));
  EXPECT_EQ(std::tuple(screen.GateImage(0).Name(), screen.GateImage(1).Name(),
                       screen.GateImage(2).Name()),
            std::tuple("I1", "g1", "g2"));
}

TEST_F(Refresh, ScreenReadersHearEachGateAndTheCircuitWithoutValuesWhileUnpowered) {
  PutGate(doc, 0, kInputGate, 0, 1000);
  PutGate(doc, 1, kNandGate, 3000, 1000);
  PutGate(doc, 2, kNotGate, 5000, 1000);
  PutGate(doc, 3, kOrGate, 5000, 3000);
  PutLink(doc, 0, 0, 1, 1);
  PutLink(doc, 1, 1, 2);
  PutLink(doc, 2, 1, 3, 1);
  PutLink(doc, 3, 0, 3);
  scene.keys.focus = 1;
  const std::pair<std::int16_t, const char*> rows[] = {
      {0, "input I1"},
      {1, "NAND gate 1, inputs from nothing and I1, drives NOT 2 and OR 3"},
      {3, "OR gate 3, inputs from I1 and NAND 1"}};
  Shown();
  for (const auto& [slot, text] : rows)
    EXPECT_EQ(screen.GateImage(slot).GetSpoken().name.English(), text);
  EXPECT_EQ(screen.GateImage(1).GetSpoken(),
            (Spoken{screen.GateImage(1).GetSpoken().name, std::nullopt, true}));
  EXPECT_EQ(screen.CanvasSpoken().English(), "circuit: 3 gates, 1 input, 0 outputs, not powered");
  EXPECT_TRUE(screen.FocusMark().Visible());
  doc.EditGate(1).SetUsed(false);
  Shown();
  EXPECT_FALSE(screen.FocusMark().Visible()) << "a focus on a freed slot frames nothing";
  ResetElements(screen);
  EXPECT_EQ(screen.CanvasSpoken().English(), "circuit: 0 gates, 0 inputs, 0 outputs, not powered");
}

}  // namespace
}  // namespace tessara
