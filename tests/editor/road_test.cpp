// One input, one NOT gate and one output: built, linked, powered, run and saved
// through the handlers alone, with the pointer in whole pixels as the window gives it.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "window.h"

namespace tessara {
namespace {

constexpr Single kTwipsPerPixel = 15;
constexpr Single Px(int pixels) { return pixels * kTwipsPerPixel; }

std::string Lines(std::initializer_list<std::string> lines, int repeatLast = 1) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  for (int n = 1; n < repeatLast; ++n) text += *(lines.end() - 1) + "\r\n";
  return text;
}

class RoadOfOneAction : public Window {
 protected:
  std::string Labels() {
    std::string shown;
    for (Integer i = 0; i < 3; ++i) shown += screen.txtObjValue(i).Text();
    return shown;
  }
};

TEST_F(RoadOfOneAction, InputNotOutputRunsAndSavesAsTheExampleFile) {
  NotGateButton_Click(form);
  EXPECT_EQ(screen.ObjImage(0).GetDragMode(), DragMode::Manual);
  InputButton_Click(form);
  PressCanvas(Px(20), Px(107));  // y 1605: the input's corner at 1205
  NotGateButton_Click(form);
  PressCanvas(Px(160), Px(107));
  OutputButton_Click(form);
  PressCanvas(Px(573), Px(107));
  EXPECT_EQ(screen.ObjImage(1).GetPicture(), (Picture{PictureStore::notimage, 0}));
  EXPECT_EQ(screen.ObjImage(2).Left(), 8200);

  LinkButton_Click(form);
  ObjImage_MouseDown(form, 0, Px(40), Px(20));  // the input's output half
  ObjImage_MouseDown(form, 1, Px(7), Px(20));   // the NOT's input half
  ObjImage_MouseDown(form, 1, Px(40), Px(20));
  ObjImage_MouseDown(form, 2, Px(7), Px(20));
  EXPECT_EQ(screen.LinkLine(0).X1(), 800);
  EXPECT_EQ(screen.LinkLine(0).Y1(), 1605);
  EXPECT_EQ(screen.LinkLine(1).X2(), 8200);

  Power_Click(form);
  EXPECT_EQ(screen.PowerCaption(), "Power Down");
  EXPECT_TRUE(screen.txtObjValue(2).Visible());
  EXPECT_EQ(Labels(), "000");
  prop_Click(form);
  EXPECT_EQ(Labels(), "010") << "the NOT of a low input";
  prop_Click(form);
  EXPECT_EQ(Labels(), "011") << "the output one step later";
  ObjImage_MouseDown(form, 0, Px(10), Px(10));
  EXPECT_EQ(Labels(), "111") << "the input flips at once";
  prop_Click(form);
  EXPECT_EQ(Labels(), "101");
  prop_Click(form);
  EXPECT_EQ(Labels(), "100");

  const auto path = std::filesystem::temp_directory_path() / "tessara-road.cir";
  screen.file_answers.push_back(path.string());
  Save_Click(form);
  std::ifstream in(path, std::ios::binary);
  std::ostringstream saved;
  saved << in.rdbuf();
  std::filesystem::remove(path);

  const std::string expected =
      Lines({"\"Tessara\"", "\"Orvandel\"", "\"Quillmarsh\"", "\"Version\",0.3"}) +
      Lines({"5,0,1205,#TRUE#,0", "4,2000,1205,#TRUE#,0", "6,8200,1205,#TRUE#,0",
             "11,0,0,#FALSE#,0"}, 48) +
      Lines({"1,#TRUE#,0,#FALSE#,0,0,#FALSE#,1,0", "1,#TRUE#,0,#FALSE#,1,0,#FALSE#,2,0",
             "1,#FALSE#,0,#FALSE#,0,0,#FALSE#,0,0"}, 49);
  EXPECT_EQ(saved.str(), expected);
  EXPECT_EQ(screen.Caption(), "Tessara - " + path.string());
  EXPECT_TRUE(screen.messages.empty());
}

}  // namespace
}  // namespace tessara
