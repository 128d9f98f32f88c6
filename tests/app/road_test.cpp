// The road of one action on the real window, by mouse alone: one input, one NOT gate
// and one output placed on the canvas, linked pin to pin, powered, run step by step
// with the value labels read off the screen, and saved through the File menu.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "window_fixture.h"

namespace tessara::app {
namespace {

// Canvas pixels of the presses. Row 107 is 1605 twips, so every gate's corner lands
// at y 1205; x 160 is 2400 twips, so the NOT gate's corner lands at x 2000.
constexpr int kRow = 107;
constexpr QPoint kInputPress(30, kRow);
constexpr QPoint kNotPress(160, kRow);
constexpr QPoint kOutputPress(570, kRow);

// Points on a 53-pixel gate image in orientation 0: the right half is the output
// half; the upper left quarter is the input half choosing input 0.
constexpr QPoint kOutputHalf(40, 26);
constexpr QPoint kInputHalf(10, 20);

constexpr int kInputSlot = 0, kNotSlot = 1, kOutputSlot = 2;

// The saved circuit, line by line as the format lays it out: the header, the gate
// records of slots 0 to 50 and the link records of slots 0 to 50, each ending CR LF.
std::string ExpectedFile() {
  std::vector<std::string> lines = {
      "\"Tessara\"", "\"Orvandel\"", "\"Quillmarsh\"", "\"Version\",0.3",
      "5,0,1205,#TRUE#,0",     // the input, pinned to x 0
      "4,2000,1205,#TRUE#,0",  // the NOT gate
      "6,8200,1205,#TRUE#,0",  // the output, pinned to x 8200
  };
  lines.resize(4 + kSlotCount, "11,0,0,#FALSE#,0");
  lines.push_back("1,#TRUE#,0,#FALSE#,0,0,#FALSE#,1,0");  // input to the NOT's input 0
  lines.push_back("1,#TRUE#,0,#FALSE#,1,0,#FALSE#,2,0");  // NOT to the output's input 0
  lines.resize(4 + 2 * kSlotCount, "1,#FALSE#,0,#FALSE#,0,0,#FALSE#,0,0");
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The labels of the input, the NOT gate and the output after one step of the run.
struct Shown {
  const char* after;
  const char* labels;
};

class RoadOfOneAction : public WindowTest {
 protected:
  // Places the three gates in slot order and links them, all by mouse.
  void BuildCircuit() {
    PlaceWith("InputButton", kInputPress);
    PlaceWith("NotGateButton", kNotPress);
    PlaceWith("OutputButton", kOutputPress);
    Click(Find(QStringLiteral("LinkButton")));
    Click(Image(kInputSlot), kOutputHalf);
    Click(Image(kNotSlot), kInputHalf);
    Click(Image(kNotSlot), kOutputHalf);
    Click(Image(kOutputSlot), kInputHalf);
  }

  void PowerUp() { Click(Find<QPushButton>(QStringLiteral("Power"))); }
  void Prop() { Click(Find<QPushButton>(QStringLiteral("prop"))); }
  void ToggleInput() { Click(Image(kInputSlot), QPoint(10, 10)); }

  QLabel* Label(int slot) { return Find<QLabel>(QStringLiteral("txtObjValue(%1)").arg(slot)); }

  // The three labels as shown, after checking each is visible and equals its gate.
  std::string Labels() {
    std::string shown;
    for (int slot : {kInputSlot, kNotSlot, kOutputSlot}) {
      QLabel* label = Label(slot);
      EXPECT_TRUE(label->isVisible()) << "label of slot " << slot;
      const std::string text = label->text().toStdString();
      EXPECT_EQ(text, doc().Gates(static_cast<Integer>(slot)).GetCurrOutput() ? "1" : "0")
          << "label of slot " << slot << " against its gate";
      shown += text;
    }
    return shown;
  }

  // Presses "prop" once per row and compares the labels with each row.
  void RunSteps(std::initializer_list<Shown> rows) {
    for (const Shown& row : rows) {
      Prop();
      EXPECT_EQ(Labels(), row.labels) << "after " << row.after;
    }
  }

  // Chooses an entry of the File menu by clicking the menu bar and then the entry.
  void ChooseFromFileMenu(const char* entry) {
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->actions().constFirst()->menu();
    ASSERT_EQ(file->title(), QStringLiteral("&File"));
    Click(bar, bar->actionGeometry(file->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitFor([file] { return file->isVisible(); })) << "File did not open";
    Click(file, file->actionGeometry(Find<QAction>(QString::fromLatin1(entry))).center());
  }
};

TEST_F(RoadOfOneAction, PlacedGatesTakeSlotsInOrderAtThePressRow) {
  BuildCircuit();
  const struct {
    int slot;
    Long type;
    Single x;
    QPoint pixels;
  } rows[] = {
      {kInputSlot, kInputGate, 0, {0, 80}},
      {kNotSlot, kNotGate, 2000, {133, 80}},
      {kOutputSlot, kOutputGate, 8200, {547, 80}},
  };
  for (const auto& row : rows) {
    const gate& placed = doc().Gates(static_cast<Integer>(row.slot));
    EXPECT_TRUE(placed.GetUsed()) << "slot " << row.slot;
    EXPECT_EQ(placed.GetType(), row.type) << "slot " << row.slot;
    EXPECT_EQ(placed.GetX(), row.x) << "slot " << row.slot;
    EXPECT_EQ(placed.GetY(), 1205) << "slot " << row.slot;
    EXPECT_TRUE(Image(row.slot)->isVisible()) << "slot " << row.slot;
    EXPECT_EQ(Image(row.slot)->pos(), row.pixels) << "slot " << row.slot;
  }
  EXPECT_FALSE(doc().Gates(3).GetUsed());
  for (Integer link : {0, 1}) {
    EXPECT_TRUE(doc().Links(link).GetUsed()) << "link " << link;
    EXPECT_TRUE(window.LinkLine(link).Visible()) << "link " << link;
  }
  EXPECT_FALSE(doc().Links(2).GetUsed());
  EXPECT_EQ(window.LinkLine(0).X1(), 800) << "from the input's output pin";
  EXPECT_EQ(window.LinkLine(0).Y1(), 1605);
  EXPECT_EQ(window.LinkLine(1).X2(), 8200) << "to the output's input pin";
  EXPECT_FALSE(Label(kInputSlot)->isVisible()) << "no values before power";
}

TEST_F(RoadOfOneAction, PoweredRunShowsTheModelsValuesAndSavesTheExampleFile) {
  BuildCircuit();
  PowerUp();
  EXPECT_EQ(Find<QPushButton>(QStringLiteral("Power"))->text(), QStringLiteral("Power Down"));
  EXPECT_EQ(Labels(), "000");
  EXPECT_EQ(Label(kInputSlot)->pos(), QPoint(58, 95)) << "input label at (875, 1430)";
  EXPECT_EQ(Label(kNotSlot)->pos(), QPoint(192, 95)) << "NOT label at (2875, 1430)";
  EXPECT_EQ(Label(kOutputSlot)->pos(), QPoint(540, 95)) << "output label at (8100, 1430)";

  ToggleInput();
  EXPECT_EQ(Labels(), "100") << "the input flips at once";
  // The NOT of a high input is the low it already shows, and the output follows it.
  RunSteps({{"prop 1", "100"}, {"prop 2", "100"}, {"prop 3", "100"}});

  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const std::string path = (folder.path() + QStringLiteral("/road.cir")).toStdString();
  window.SetFileChooser([&path](FileDialogMode mode, std::string_view, const std::string&) {
    EXPECT_EQ(mode, FileDialogMode::Save);
    return path;
  });
  ChooseFromFileMenu("Save");
  ASSERT_TRUE(QTest::qWaitFor([this, &path] {
    return window.windowTitle().toStdString() == "Tessara - " + path;
  })) << window.windowTitle().toStdString();
  const std::string expected = ExpectedFile();
  ASSERT_EQ(std::count(expected.begin(), expected.end(), '\n'), 106);
  EXPECT_EQ(ReadBytes(path), expected);
}

TEST_F(RoadOfOneAction, InputTurnedLowReachesTheNotInOneStepAndTheOutputInTwo) {
  BuildCircuit();
  PowerUp();
  ToggleInput();
  RunSteps({{"prop 1", "100"}});
  ToggleInput();
  EXPECT_EQ(Labels(), "000");
  RunSteps({{"prop 2", "010"}, {"prop 3", "011"}, {"prop 4", "011"}});
  ToggleInput();
  RunSteps({{"prop 5", "101"}, {"prop 6", "100"}});
}

}  // namespace
}  // namespace tessara::app
