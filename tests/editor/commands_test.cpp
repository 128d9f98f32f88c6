#include <functional>

#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;
using testing::FileRequest;

class Commands : public Window {
 protected:
  // An input driving a NOT gate through a straight link; the link tool stays chosen.
  void BuildInverter() {
    Place(InputButton_Click, 300, 1600);
    Place(NotGateButton_Click, 2400, 1600);
    LinkButton_Click(form);
    PressOutput(0);
    PressInput(1);
  }
  std::string At(const char* name) const { return (folder.path() / name).string(); }

  testing::TempFolder folder;
};

TEST_F(Commands, StartUpShowsTheEmptyCanvasOnceWithTheDesignCaptions) {
  EXPECT_EQ(screen.Refreshes(), 1);
  EXPECT_EQ(screen.PowerCaption(), "power up");
  EXPECT_EQ(screen.Caption(), "Tessara");
  EXPECT_EQ(screen.Palette(PaletteButton::CrossButton).BorderStyle(), 1);
  for (Integer i = 0; i < kSlotCount; ++i) {
    EXPECT_FALSE(screen.ObjImage(i).Visible());
    EXPECT_EQ(screen.ObjImage(i).GetDragMode(), DragMode::Automatic);
  }
}

TEST_F(Commands, PowerCaptionFollowsPowerNewAndOpenAndPoweringShowsTheArrowAndManualImages) {
  const std::string empty = testing::WriteFile(At("empty.cir"), WriteCircuit(Document{})).string();
  New_Click(form);
  EXPECT_EQ(screen.PowerCaption(), "power up") << "New before any power keeps the design caption";
  Tessara_Frame_MouseMove(form, 100, 100);  // the select tool's cursor over the canvas
  const struct {
    const char* step;
    std::function<void()> act;
    bool powered;
    const char* caption;
  } rows[] = {{"Power", [&] { Power_Click(form); }, true, "Power Down"},
              {"Power again", [&] { Power_Click(form); }, false, "Power Up"},
              {"Power", [&] { Power_Click(form); }, true, "Power Down"},
              {"New while powered", [&] { New_Click(form); }, false, "Power Up"},
              {"Power", [&] { Power_Click(form); }, true, "Power Down"},
              {"Open while powered", [&] { EXPECT_TRUE(LoadCircuit(form, empty)); }, false, "Power Up"}};
  for (const auto& row : rows) {
    row.act();
    EXPECT_EQ(doc.PowerOn, row.powered) << row.step;
    EXPECT_EQ(screen.PowerCaption(), row.caption) << row.step;
    EXPECT_EQ(screen.ToolPointer(), std::nullopt) << row.step << ": no step brings the tool's cursor back";
    if (row.powered) {
      EXPECT_EQ(screen.ObjImage(50).GetDragMode(), DragMode::Manual) << row.step;
    }
  }
  EXPECT_EQ(screen.ObjImage(50).GetDragMode(), DragMode::Automatic) << "Open resets the images";
}

TEST_F(Commands, NewEmptiesTheCircuitAndLeavesThePaletteToTheNextRefresh) {
  BuildInverter();
  Power_Click(form);
  const int refreshes = screen.Refreshes();
  New_Click(form);
  EXPECT_EQ(doc.CurrentTool, kSelectTool);
  EXPECT_EQ(screen.Caption(), "Tessara");
  EXPECT_EQ(screen.Refreshes(), refreshes);
  EXPECT_EQ(WriteCircuit(doc), WriteCircuit(Document{}));
  EXPECT_FALSE(screen.ObjImage(0).Visible());
  EXPECT_FALSE(screen.LinkLine(0).Visible());
}

TEST_F(Commands, SavedCircuitLoadsBackIdenticalEndingALinkBeingDrawnAndCancelledDialogsDoNothing) {
  BuildInverter();
  const std::string saved = WriteCircuit(doc);
  const int refreshes = screen.Refreshes();
  Open_Click(form);  // both dialogs cancelled
  Save_Click(form);
  EXPECT_EQ(WriteCircuit(doc), saved);
  EXPECT_EQ(screen.Refreshes(), refreshes);
  EXPECT_EQ(screen.Caption(), "Tessara");
  EXPECT_TRUE(folder.Names().empty());

  screen.file_answers = {At("inverter.cir"), At("inverter.cir")};
  Save_Click(form);
  EXPECT_EQ(testing::ReadFile(At("inverter.cir")), saved);
  EXPECT_EQ(screen.Caption(), "Tessara - " + At("inverter.cir"));
  const Integer extra = Place(AndGateButton_Click, 4000, 4000);
  LinkButton_Click(form);
  PressOutput(extra);
  Open_Click(form);
  EXPECT_EQ(WriteCircuit(doc), saved);
  EXPECT_EQ(form.LinkStarted, 0);
  EXPECT_TRUE(screen.ObjImage(1).Visible());
  EXPECT_FALSE(screen.ObjImage(extra).Visible());
  EXPECT_TRUE(screen.LinkLine(0).Visible());
  EXPECT_TRUE(screen.messages.empty());
  const FileRequest open{FileDialogMode::Open, "Circuit (*.cir)|*.cir|"};
  const FileRequest save{FileDialogMode::Save, "Circuits (*.cir)|*.cir|"};
  EXPECT_EQ(screen.file_requests, (std::vector<FileRequest>{open, save, save, open}));
}

TEST_F(Commands, DamagedOrMissingFileLeavesEverythingAsItWasAndNamesFileLineAndReason) {
  BuildInverter();
  std::string damaged = WriteCircuit(doc);
  std::size_t line57 = 0;
  for (int line = 1; line < 57; ++line) line57 = damaged.find('\n', line57) + 1;
  damaged.replace(damaged.find("#FALSE#", line57), 7, "#MAYBE#");  // link slot 1's used
  const std::string path = testing::WriteFile(At("damaged.cir"), damaged).string();

  PressOutput(1);  // a link being drawn from the NOT gate
  Power_Click(form);
  XorGateButton_Click(form);
  const std::string before = WriteCircuit(doc);
  const testing::ElementsSnapshot shown = screen.Snapshot();
  for (const auto& [file, says] :
       {std::pair{path, "line 57: " + ReadCircuit(damaged).error.reason},
        std::pair{At("nowhere.cir"), std::string("cannot open: No such file or directory")}}) {
    screen.messages.clear();
    screen.file_answers.push_back(file);
    Open_Click(form);
    EXPECT_EQ(screen.messages,
              (std::vector<testing::Message>{{"Cannot open \"" + file + "\":\n" + says, "Error", MessageStyle::Stop}}));
    EXPECT_EQ(WriteCircuit(doc), before);
    EXPECT_EQ(screen.Snapshot(), shown);
    EXPECT_TRUE(doc.PowerOn);
    EXPECT_EQ(screen.PowerCaption(), "Power Down");
    EXPECT_EQ(doc.CurrentTool, kXorGate);
    EXPECT_EQ(screen.Caption(), "Tessara");
    EXPECT_EQ(form.LinkStarted, 1);
  }
}

}  // namespace
}  // namespace tessara
