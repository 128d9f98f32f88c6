#include <filesystem>
#include <fstream>
#include <sstream>

#include "io/circuit_file.h"
#include "window.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;
using testing::Message;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

class Commands : public Window {
 protected:
  Commands() {
    dir = fs::temp_directory_path() /
          ("tessara-commands-" + std::string(::testing::UnitTest::GetInstance()
                                                 ->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~Commands() override { fs::remove_all(dir); }

  // An input driving a NOT gate through a straight link.
  void BuildInverter() {
    Place(InputButton_Click, 300, 1600);
    Place(NotGateButton_Click, 2400, 1600);
    LinkButton_Click(form);
    PressOutput(0);
    PressInput(1);
  }

  std::string Saved(const fs::path& path) {
    screen.file_answers.push_back(path.string());
    Save_Click(form);
    return ReadFile(path);
  }

  fs::path dir;
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

TEST_F(Commands, PowerButtonAlternatesBetweenPowerDownAndPowerUp) {
  Power_Click(form);
  EXPECT_TRUE(doc.PowerOn);
  EXPECT_EQ(screen.PowerCaption(), "Power Down");
  Power_Click(form);
  EXPECT_FALSE(doc.PowerOn);
  EXPECT_EQ(screen.PowerCaption(), "Power Up");
  EXPECT_EQ(screen.Refreshes(), 3);
}

TEST_F(Commands, PoweringUpMakesGateImagesManualAndTheArrowAndPoweringDownRestoresNeither) {
  Tessara_Frame_MouseMove(form, 100, 100);
  Power_Click(form);
  EXPECT_EQ(screen.ToolPointer(), std::nullopt);
  EXPECT_EQ(screen.ObjImage(50).GetDragMode(), DragMode::Manual);
  Power_Click(form);
  EXPECT_EQ(screen.ToolPointer(), std::nullopt);
  EXPECT_EQ(screen.ObjImage(50).GetDragMode(), DragMode::Manual);
}

TEST_F(Commands, NewWhilePoweredSwitchesOffAndTheButtonReadsPowerUp) {
  BuildInverter();
  Power_Click(form);
  const int refreshes = screen.Refreshes();
  New_Click(form);
  EXPECT_FALSE(doc.PowerOn);
  EXPECT_EQ(doc.CurrentTool, kSelectTool);
  EXPECT_EQ(screen.PowerCaption(), "Power Up");
  EXPECT_EQ(screen.Caption(), "Tessara");
  EXPECT_EQ(screen.Refreshes(), refreshes) << "New leaves the palette to the next refresh";
  EXPECT_EQ(WriteCircuit(doc), WriteCircuit(Document{}));
  EXPECT_FALSE(screen.ObjImage(0).Visible());
  EXPECT_FALSE(screen.LinkLine(0).Visible());
}

TEST_F(Commands, NewWithoutPowerKeepsTheDesignCaption) {
  New_Click(form);
  EXPECT_EQ(screen.PowerCaption(), "power up");
}

TEST_F(Commands, PropOnAnEmptyCircuitStillRefreshes) {
  prop_Click(form);
  EXPECT_EQ(screen.Refreshes(), 2);
}

TEST_F(Commands, SavedCircuitLoadsBackIdenticalAndNamesTheWindow) {
  BuildInverter();
  const fs::path path = dir / "inverter.cir";
  const std::string text = Saved(path);
  EXPECT_EQ(text, WriteCircuit(doc));
  EXPECT_EQ(screen.file_requests.back(),
            (testing::FileRequest{FileDialogMode::Save, "Circuits (*.cir)|*.cir|"}));
  EXPECT_EQ(screen.Caption(), "Tessara - " + path.string());

  New_Click(form);
  screen.file_answers.push_back(path.string());
  Open_Click(form);
  EXPECT_EQ(screen.file_requests.back(),
            (testing::FileRequest{FileDialogMode::Open, "Circuit (*.cir)|*.cir|"}));
  EXPECT_EQ(WriteCircuit(doc), text);
  EXPECT_TRUE(screen.ObjImage(1).Visible());
  EXPECT_TRUE(screen.LinkLine(0).Visible());
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(Commands, OpeningAFileEndsALinkBeingDrawn) {
  BuildInverter();
  const fs::path path = dir / "inverter.cir";
  Saved(path);
  PressOutput(1);
  ASSERT_TRUE(LoadCircuit(form, path.string()));
  EXPECT_EQ(form.LinkStarted, 0);
}

TEST_F(Commands, OpeningWhilePoweredLeavesThePowerButtonReadingPowerUp) {
  const fs::path path = dir / "empty.cir";
  WriteFile(path, WriteCircuit(Document{}));
  Power_Click(form);
  ASSERT_TRUE(LoadCircuit(form, path.string()));
  EXPECT_FALSE(doc.PowerOn);
  EXPECT_EQ(screen.PowerCaption(), "Power Up");
}

TEST_F(Commands, DamagedFileLeavesEverythingAsItWasAndNamesFileAndLine) {
  BuildInverter();
  std::string damaged = WriteCircuit(doc);
  std::size_t line57 = 0;
  for (int line = 1; line < 57; ++line) line57 = damaged.find('\n', line57) + 1;
  damaged.replace(damaged.find("#FALSE#", line57), 7, "#MAYBE#");  // link slot 1's used
  const fs::path path = dir / "damaged.cir";
  WriteFile(path, damaged);

  PressOutput(1);  // a link being drawn from the NOT gate
  Power_Click(form);
  XorGateButton_Click(form);
  const std::string before = WriteCircuit(doc);
  const testing::ElementsSnapshot shown = screen.Snapshot();
  screen.file_answers.push_back(path.string());
  Open_Click(form);

  ASSERT_EQ(screen.messages.size(), 1u);
  const Message& box = screen.messages[0];
  EXPECT_EQ(box.prompt, "Cannot open \"" + path.string() + "\":\nline 57: " +
                            ReadCircuit(damaged).error.reason);
  EXPECT_EQ(box.title, "Error");
  EXPECT_EQ(box.style, MessageStyle::Stop);
  EXPECT_EQ(WriteCircuit(doc), before);
  EXPECT_EQ(screen.Snapshot(), shown);
  EXPECT_TRUE(doc.PowerOn);
  EXPECT_EQ(screen.PowerCaption(), "Power Down");
  EXPECT_EQ(doc.CurrentTool, kXorGate);
  EXPECT_EQ(screen.Caption(), "Tessara");
  EXPECT_EQ(form.LinkStarted, 1);
}

TEST_F(Commands, MissingFileIsNamedInTheErrorBox) {
  const fs::path path = dir / "nowhere.cir";
  EXPECT_FALSE(LoadCircuit(form, path.string()));
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_NE(screen.messages[0].prompt.find("Cannot open \"" + path.string() + "\":\n"),
            std::string::npos);
  EXPECT_EQ(screen.Caption(), "Tessara");
}

TEST_F(Commands, CancelledDialogsDoNothingSilently) {
  BuildInverter();
  const std::string before = WriteCircuit(doc);
  const int refreshes = screen.Refreshes();
  Open_Click(form);
  Save_Click(form);
  EXPECT_EQ(screen.file_requests.size(), 2u);
  EXPECT_TRUE(screen.messages.empty());
  EXPECT_EQ(WriteCircuit(doc), before);
  EXPECT_EQ(screen.Caption(), "Tessara");
  EXPECT_EQ(screen.Refreshes(), refreshes);
  EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(Commands, FailedSaveShowsAnErrorAndKeepsTheCaption) {
  const fs::path path = dir / "missing-folder" / "a.cir";
  screen.file_answers.push_back(path.string());
  Save_Click(form);
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].prompt.rfind("Cannot save \"" + path.string() + "\":\n", 0), 0u);
  EXPECT_EQ(screen.messages[0].title, "Error");
  EXPECT_EQ(screen.messages[0].style, MessageStyle::Stop);
  EXPECT_EQ(screen.Caption(), "Tessara");
}

}  // namespace
}  // namespace tessara
