// The keyboard alone on the stand-in screen: keys build what the mouse builds, the
// focus and the cursor move as the key table says, and the refresh shows them.
#include "editor/keyboard.h"

#include <fstream>
#include <sstream>

#include "editor/edit_history.h"
#include "view/spoken.h"
#include "window.h"

namespace tessara {
namespace {

class Keyboard : public Window {
 protected:
  // Presses keys written as "9 S-Up*32 Enter": a digit, an arrow, Enter, Space, Delete
  // or a letter, "S-" for Shift and "CS-" for Control and Shift, "*n" for n presses.
  void Type(std::string_view keys) {
    static const std::pair<std::string_view, Key> kNames[] = {
        {"Left", Key::Left},   {"Up", Key::Up},       {"Right", Key::Right},   {"Down", Key::Down},
        {"Enter", Key::Enter}, {"Space", Key::Space}, {"Delete", Key::Delete}, {"R", Key::R},
        {"M", Key::M},         {"L", Key::L},         {"B", Key::B},           {"P", Key::P}};
    std::istringstream words{std::string(keys)};
    for (std::string word; words >> word;) {
      KeyPress press;
      const std::size_t dash = word.find('-'), star = word.find('*');
      if (dash != std::string::npos) {
        press.modifiers = word.substr(0, dash) == "S" ? Modifiers::Shift : Modifiers::ControlShift;
      }
      const std::string name = word.substr(dash + 1, star - dash - 1);
      press.key = Key::Digit, press.digit = name[0] - '0';
      for (const auto& [text, key] : kNames)
        if (text == name) press.key = key;
      const int times = star == std::string::npos ? 1 : std::stoi(word.substr(star + 1));
      for (int n = 0; n < times; ++n) history.Record(form, [&](Form& f) { OnCanvasKey(f, press); });
    }
  }
  EditHistory history;
};

// The half adder of the README with keys alone: I1, I2, XOR 2, AND 3, O2 and O1 placed,
// then linked, I2 to XOR 2 through a bend.
std::string HalfAdderByKeys() {
  std::ifstream file(TESSARA_KEYS_FILE);
  std::string keys;
  for (std::string line; std::getline(file, line);)
    if (!line.starts_with('#')) keys += line + ' ';
  return keys;
}

// That the mouse builds the same circuit byte for byte is keys_road's (tests/smoke).
TEST_F(Keyboard, KeysAloneBuildTheHalfAdderAndRunIt) {
  const std::string keys = HalfAdderByKeys();
  ASSERT_FALSE(keys.empty()) << "no " << TESSARA_KEYS_FILE;
  Type(keys);
  OnPower(form);
  Type("Left*3 Space Up Space P P");  // O2, AND 3, the bend, I2; then I1
  const std::pair<std::int16_t, bool> outputs[] = {{5, false}, {4, true}};  // O1 sum, O2 carry
  for (const auto& [slot, value] : outputs) EXPECT_EQ(doc.Gates(slot).GetCurrOutput(), value);
  EXPECT_EQ(screen.CanvasSpoken().English(),
            "circuit: 2 gates, 2 inputs, 2 outputs, powered, step 4");
  const struct {
    std::int16_t slot;
    std::string text;
    int value;
  } spoken[] = {{3, "AND gate 3, output 1, inputs from I1 and I2, drives O2", 1},
                {1, "input I2, 1", 1},
                {5, "output O1, 0, input from XOR 2", 0},
                {6, "bend in the link from I2 to XOR 2, 1", 1}};
  for (const auto& row : spoken) {
    ImageElement& element =
        row.slot == 6 ? screen.NodeMarker(row.slot) : screen.GateImage(row.slot);
    EXPECT_EQ(element.GetSpoken().name.English(), row.text);
    EXPECT_EQ(element.GetSpoken().value, row.value) << row.text;
  }
  EXPECT_TRUE(screen.GateImage(0).GetSpoken().focused);
}

TEST_F(Keyboard, ArrowsFocusTheNearestGateInTheirDirectionAndWhileLinkingOnlyThoseWithInputs) {
  testing::PutGate(doc, 0, kInputGate, 0, 2000);
  testing::PutGate(doc, 1, kAndGate, 3000, 2000);
  testing::PutGate(doc, 2, kNotGate, 3000, 4000);
  testing::PutGate(doc, 3, kOrGate, 6000, 2600);
  testing::PutGate(doc, 4, kInputGate, 0, 4000);
  const struct {
    const char* keys;
    std::optional<std::int16_t> focus;
  } rows[] = {{"Left", 2},      {"Left", 4}, {"Left", 4},     {"Up", 0},
              {"Right", 1},     {"Down", 2}, {"Up Right", 3}, {"Delete", {}},
              {"Left Left", 4}, {"L Up", 1}};  // linking: input 0 above ends no link
  for (const auto& row : rows) {
    Type(row.keys);
    EXPECT_EQ(form.keys.focus, row.focus) << row.keys;
  }
  EXPECT_EQ(screen.Palette(PaletteButton::LinkButton).BorderStyle(), 1) << "L chose the link tool";
  EXPECT_EQ(screen.FocusMark().Left(), 3000 - 45) << "the frame stands outside the gate";
  EXPECT_EQ(screen.FocusMark().Size(), 795 + 90);
}

TEST_F(Keyboard, TheCursorStepsAndStopsAtTheCanvasEdgeAndCarriesAMovedGateInOneUndoStep) {
  Type("S-Left*3 CS-Up*2 3 Enter");
  EXPECT_EQ(std::pair(doc.Gates(0).GetX(), doc.Gates(0).GetY()), std::pair(3875.0f, 3620.0f));
  EXPECT_EQ(screen.CrossHair().Left(), 4275 - 150);
  Type("M S-Down*60 Right");
  EXPECT_EQ(doc.Gates(0).GetY(), kCanvasHeight - kGateImageSize) << "dropped within the canvas";
  EXPECT_EQ(form.keys.cursorY, kCanvasHeight);
  EXPECT_TRUE(history.CanUndo(form));
  history.Undo(form);
  EXPECT_EQ(doc.Gates(0).GetY(), 3620) << "undo cancels the carrying";
  Type("M Down Enter");
  EXPECT_EQ(doc.Gates(0).GetY(), 3695);
  history.Undo(form);
  EXPECT_EQ(doc.Gates(0).GetY(), 3620) << "one step from M to Enter";
  Type("R 1");
  EXPECT_EQ(doc.Gates(0).GetOrientation(), 1);
  EXPECT_EQ(doc.CurrentTool, kSelectTool);
}

TEST_F(Keyboard, DeleteTakesTheFocusedGateWithItsLinksButNothingWhilePowered) {
  Type("9 Enter 7 S-Right*20 Enter");
  Type("Left L Right Enter");
  OnPower(form);
  Type("Delete");
  EXPECT_TRUE(doc.Gates(1).GetUsed());
  OnPower(form);
  OnTrashKey(form);
  EXPECT_FALSE(doc.Gates(1).GetUsed());
  EXPECT_FALSE(doc.Links(0).GetUsed()) << "with its link";
  EXPECT_FALSE(screen.FocusMark().Visible());
}

}  // namespace
}  // namespace tessara
