// Open and Save As through the window, with the file dialog answered by the tests.
#include <QMessageBox>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "io/circuit_file.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class WindowFiles : public WindowTest {
 protected:
  WindowFiles() {
    window.SetFileChooser([this](FileDialogMode mode, std::string_view filter,
                                 const std::string& offered) {
      asked.push_back({mode, std::string(filter), offered});
      return answer;
    });
    PlaceWith("InputButton", QPoint(30, 100));
    PlaceWith("NotGateButton", QPoint(250, 100));
  }

  std::string PathOf(const char* name) { return (folder.path() + "/" + name).toStdString(); }
  void Save(const std::string& path) {
    answer = path;
    Find<QAction>(QStringLiteral("Save"))->trigger();
  }
  void Open(const std::string& path) {
    answer = path;
    Find<QAction>(QStringLiteral("Open"))->trigger();
  }

  struct Asked {
    FileDialogMode mode;
    std::string filter, offered;
  };
  std::vector<Asked> asked;
  std::string answer;
  QTemporaryDir folder;
};

TEST_F(WindowFiles, SavedCircuitLoadsBackIdentical) {
  const std::string path = PathOf("two.cir");
  Save(path);
  const std::string saved = ReadText(path);
  EXPECT_EQ(saved, WriteCircuit(doc()));
  EXPECT_EQ(window.windowTitle().toStdString(), "Tessara - " + path);

  Find<QAction>(QStringLiteral("New"))->trigger();
  EXPECT_FALSE(doc().Gates(0).GetUsed());
  Open(path);
  EXPECT_EQ(WriteCircuit(doc()), saved);
  EXPECT_TRUE(Image(0)->isVisible());
  EXPECT_TRUE(Image(1)->isVisible());
}

TEST_F(WindowFiles, DialogOffersTheNameLastChosenInEitherMode) {
  Save(PathOf("first.cir"));
  Open(PathOf("first.cir"));
  answer.clear();
  Find<QAction>(QStringLiteral("Save"))->trigger();  // cancelled
  Find<QAction>(QStringLiteral("Open"))->trigger();
  ASSERT_EQ(asked.size(), 4u);
  EXPECT_EQ(asked[0].mode, FileDialogMode::Save);
  EXPECT_EQ(asked[0].offered, "");
  EXPECT_EQ(asked[1].mode, FileDialogMode::Open);
  EXPECT_EQ(asked[1].offered, PathOf("first.cir"));
  EXPECT_EQ(asked[3].offered, PathOf("first.cir"));
}

TEST_F(WindowFiles, DamagedFileShowsAnErrorAndLeavesTheCircuitOnScreen) {
  const std::string path = PathOf("damaged.cir");
  std::ofstream(path, std::ios::binary) << "\"Tessara\"\r\n\"Orvandel\"\r\nnot a circuit\r\n";
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  ModalWatcher watcher([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
  });
  Open(path);
  ASSERT_TRUE(watcher.seen());
  EXPECT_EQ(title, QStringLiteral("Error"));
  EXPECT_TRUE(text.contains(QString::fromStdString(path))) << text.toStdString();
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_TRUE(doc().Gates(1).GetUsed());
  EXPECT_TRUE(Image(1)->isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tessara"));
}

}  // namespace
}  // namespace tessara::app
