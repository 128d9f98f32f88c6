// Open and Save As through the window, with the file dialog answered by the tests,
// and the dialog's filter in Qt's form.
#include <QMessageBox>

#include "app/dialogs.h"

#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

class WindowFiles : public WindowTest {
 protected:
  WindowFiles() {
    window.SetFileChooser([this](FileDialogMode mode, std::string_view, const std::string& offered) {
      asked.push_back({mode, offered});
      return answer;
    });
    window.SetAnswerer([](std::string_view) { return Answer::No; });
    PlaceWith("InputButton", QPoint(30, 100));
    PlaceWith("NotGateButton", QPoint(250, 100));
  }

  std::string At(const char* name) const { return (folder.path() / name).string(); }
  // Chooses the File menu's entry whose dialog will answer path ("" cancels).
  void Choose(const char* entry, const std::string& path) {
    answer = path;
    Find<QAction>(QString::fromLatin1(entry))->trigger();
  }

  std::vector<std::pair<FileDialogMode, std::string>> asked;  // the mode and the name offered
  std::string answer;
  testing::TempFolder folder;
};

TEST_F(WindowFiles, SavedCircuitLoadsBackIdenticalAndTheDialogOffersTheNameLastChosen) {
  Choose("Save", At("two.cir"));
  const std::string saved = testing::ReadFile(At("two.cir"));
  EXPECT_EQ(saved, WriteCircuit(doc()));
  EXPECT_EQ(window.windowTitle().toStdString(), "Tessara - " + At("two.cir"));
  Find<QAction>(QStringLiteral("New"))->trigger();
  EXPECT_FALSE(Image(1)->isVisible());
  Choose("Open", At("two.cir"));
  EXPECT_EQ(WriteCircuit(doc()), saved);
  EXPECT_TRUE(Image(0)->isVisible());
  EXPECT_TRUE(Image(1)->isVisible());
  Choose("Save", "");
  Choose("Open", "");
  using Asked = std::pair<FileDialogMode, std::string>;
  EXPECT_EQ(asked, (std::vector<Asked>{{FileDialogMode::Save, ""}, {FileDialogMode::Open, At("two.cir")},
                                       {FileDialogMode::Save, At("two.cir")}, {FileDialogMode::Open, At("two.cir")}}));
}

TEST_F(WindowFiles, DamagedFileShowsAnErrorAndLeavesTheCircuitOnScreen) {
  const std::string path = At("damaged.cir");
  testing::WriteFile(path, "\"Tessara\"\r\n\"Orvandel\"\r\nnot a circuit\r\n");
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  ModalWatcher watcher([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
  });
  Choose("Open", path);
  ASSERT_TRUE(watcher.seen());
  EXPECT_EQ(title, QStringLiteral("Error"));
  EXPECT_TRUE(text.contains(QString::fromStdString(path))) << text.toStdString();
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_TRUE(doc().Gates(1).GetUsed());
  EXPECT_TRUE(Image(1)->isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tessara"));
}

TEST(FileDialogFilter, PairsBecomeQtNameFilters) {
  const struct {
    const char* given;
    const char* expected;
  } rows[] = {
      {"Circuits (*.cir)|*.cir|", "Circuits (*.cir)"},
      {"Circuit (*.cir)|*.cir|", "Circuit (*.cir)"},
      {"Circuits|*.cir", "Circuits (*.cir)"},
      {"Circuits (*.cir)|*.cir|All files (*.*)|*.*|", "Circuits (*.cir);;All files (*.*)"},
      {"Texts|*.txt;*.text|", "Texts (*.txt *.text)"},
      {"", ""},
      {"No pattern|", ""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(QtNameFilters(row.given).toStdString(), row.expected) << row.given;
  }
}

}  // namespace
}  // namespace tessara::app
