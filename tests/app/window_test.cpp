// The real window under real mouse events: what only Qt can break (events reach the
// handlers, drags end as a user expects, Qt's dialogs). What it shows is in the scenes
// of tests/pictures.
#include <sys/stat.h>

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/build_dialog.h"
#include "app/dialogs.h"
#include "app/start_window.h"
#include "io/circuit_file.h"
#include "sim/truth_table.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {
using Window = WindowTest;

TEST_F(Window, PressesPlaceByEitherButtonAndThePointerShowsTheToolOverTheCanvasAlone) {
  Click(Find(QStringLiteral("NotGateButton")));
  Click(Find(QStringLiteral("Inputs")));
  EXPECT_FALSE(doc().Gates(0).GetUsed()) << "a heading is no canvas";
  QTest::mouseClick(&window.Canvas(), Qt::RightButton, {}, QPoint(200, 200));
  EXPECT_EQ(std::pair(doc().Gates(0).GetX(), doc().Gates(0).GetY()), std::pair(2600.0f, 2600.0f));
  MoveTo(&window.Canvas(), QPoint(300, 290));
  EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
  MoveTo(window.centralWidget(), QPoint(4, 540));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A press that comes with no move before it acts at its own point.
TEST_F(WindowTest, APressWithNoMoveBeforeItPlacesAtItsPoint) {
  Click(Find(QStringLiteral("AndGateButton")));
  const QPoint at(200, 200);
  QMouseEvent press(QEvent::MouseButtonPress, at, window.Canvas().mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, {});
  QApplication::sendEvent(&window.Canvas(), &press);
  EXPECT_EQ(std::pair(doc().Gates(0).GetX(), doc().Gates(0).GetY()), std::pair(2600.0f, 2600.0f));
}

// Also the fault of a double-click on the bare canvas acting on what its first press
// did not reach, and of a second button pressed during a drag.
TEST_F(Window,
       DragsDropOnTheCanvasOrTrashCanAloneEndWithoutADropWhenABoxOpensAndADoubleClickTurns) {
  Click(Find(QStringLiteral("AndGateButton")));
  QTest::mouseDClick(&window.Canvas(), Qt::LeftButton, {},
                     QPoint(200, 200));  // gate 0 at (2600, 2600)
  EXPECT_EQ(doc().Gates(0).GetOrientation(), 0) << "the new gate was turned";
  Click(Find(QStringLiteral("LinkButton")));
  Click(Image(0), QPoint(45, 26));  // its output half: a link starts
  {
    ModalWatcher riddle([](QWidget*) {});
    QTest::mouseDClick(&window.Canvas(), Qt::LeftButton, {}, QPoint(400, 300));
    EXPECT_EQ(doc().Gates(1).GetType(), kBufferGate);
    EXPECT_FALSE(riddle.seen()) << "the new bend's double-click box opened";
  }
  Click(Find(QStringLiteral("CrossButton")));
  QWidget* outline = Find(QStringLiteral("DragOutline"));
  QTest::mouseDClick(Image(0), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(window.GateImage(0).GetPicture(), (Picture{kAndGate, 1}));
  EXPECT_FALSE(outline->isVisible());
  window.GateImage(0).SetDragMode(DragMode::Automatic);  // as after New or Open
  QTest::mouseDClick(Image(0), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(doc().Gates(0).GetOrientation(), 2) << "an image that drags at once";
  EXPECT_FALSE(outline->isVisible());
  for (QWidget* astray : {Find(QStringLiteral("AndGateButton")), window.centralWidget(),
                          Find(QStringLiteral("Inputs"))}) {
    Drag(Image(0), QPoint(10, 10), Map(astray, QPoint(4, 4), Image(0)));
    EXPECT_EQ(doc().Gates(0).GetX(), 2600) << astray->objectName().toStdString();
  }
  const QPoint to = Map(&window.Canvas(), QPoint(300, 250), Image(0));
  Press(Image(0), QPoint(10, 10));
  MoveTo(Image(0), to);
  EXPECT_TRUE(outline->isVisible());
  ModalWatcher closer([](QWidget*) {});
  window.ShowMessage(Name("Error: Click on the gates"), Name("Error"), MessageStyle::Stop);
  EXPECT_TRUE(closer.seen());
  EXPECT_FALSE(outline->isVisible());
  Release(&window.Canvas(), QPoint(300, 250));
  EXPECT_EQ(doc().Gates(0).GetX(), 2600) << "the release after the box dropped the gate";
  Press(Image(0), QPoint(10, 10));
  QTest::mousePress(Image(0), Qt::RightButton, {}, QPoint(40, 40));  // changes nothing
  MoveTo(Image(0), to);
  QTest::mouseRelease(Image(0), Qt::RightButton, {}, to);
  Release(Image(0), to);
  EXPECT_EQ(std::pair(doc().Gates(0).GetX(), doc().Gates(0).GetY()),
            std::pair(4500.0f - 150, 3750.0f - 150));
  const QPoint from = Map(Image(0), QPoint(10, 10), &window),
               end = Map(&window.Canvas(), QPoint(400, 350), &window);
  QTest::mouseEvent(QTest::MousePress, &window, Qt::RightButton, {},
                    from);  // a drag with two buttons held
  QTest::mouseEvent(QTest::MousePress, &window, Qt::LeftButton, {},
                    from);  // ends at the last release
  QTest::mouseEvent(QTest::MouseMove, &window, Qt::NoButton, {}, (from + end) / 2);
  QTest::mouseEvent(QTest::MouseRelease, &window, Qt::RightButton, {}, (from + end) / 2);
  EXPECT_TRUE(outline->isVisible());
  QTest::mouseEvent(QTest::MouseMove, &window, Qt::NoButton, {}, end);
  QTest::mouseEvent(QTest::MouseRelease, &window, Qt::LeftButton, {}, end);
  EXPECT_EQ(std::pair(doc().Gates(0).GetX(), doc().Gates(0).GetY()),
            std::pair(6000.0f - 150, 5250.0f - 150));
  Drag(Image(0), QPoint(10, 10), Map(Find(QStringLiteral("TrashCan")), QPoint(30, 30), Image(0)));
  EXPECT_FALSE(doc().Gates(0).GetUsed());
  EXPECT_FALSE(Image(0)->isVisible());
}

// A drag after Open puts the pressed point of an image, or of a node's marker, under the pointer.
TEST_F(Window, FilesSaveAndOpenThroughTheMenuAndABadFileGivesAnErrorBoxChangingNothing) {
  testing::TempFolder folder;
  const std::string path = (folder.path() / "bent.cir").string(),
                    bad = (folder.path() / "bad.cir").string();
  std::string answer = path;
  AnswerFileDialogs(answer);
  PlaceWith("AndGateButton", QPoint(200, 100));
  PlaceWith("OrGateButton", QPoint(200, 300));
  Click(Find(QStringLiteral("LinkButton")));
  Click(Image(0), QPoint(45, 26));
  Click(&window.Canvas(), QPoint(150, 200));  // a node in slot 2, its marker at (150, 200)
  Click(Image(1), QPoint(5, 10));
  Find<QAction>(QStringLiteral("Save"))->trigger();
  Find<QAction>(QStringLiteral("New"))->trigger();
  Find<QAction>(QStringLiteral("Open"))->trigger();
  ASSERT_TRUE(Image(0)->isVisible());
  ASSERT_EQ(window.GateImage(0).GetDragMode(), DragMode::Automatic);
  Drag(Image(0), QPoint(10, 20), Map(&window.Canvas(), QPoint(300, 250), Image(0)));
  Drag(Marker(2), QPoint(3, 4), Map(&window.Canvas(), QPoint(400, 350), Marker(2)));
  EXPECT_EQ(std::pair(doc().Gates(0).GetX(), doc().Gates(0).GetY()),
            std::pair(4500.0f - 150, 3750.0f - 300));
  EXPECT_EQ(std::pair(doc().Gates(2).GetX(), doc().Gates(2).GetY()),
            std::pair(6000.0f - 45, 5250.0f - 60));
  Find<QAction>(QStringLiteral("SaveFile"))->trigger();  // or Open would ask to save the changes
  const std::string shown = WriteCircuit(doc());
  testing::WriteFile(bad, "\"Tessara\"\r\nnot a circuit\r\n");
  answer = bad;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  ModalWatcher watcher([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal))
      std::tie(text, icon) = std::pair(box->windowTitle() + box->text(), box->icon());
  });
  Find<QAction>(QStringLiteral("Open"))->trigger();
  EXPECT_TRUE(text.startsWith(QStringLiteral("ErrorCannot open")));
  EXPECT_TRUE(text.contains(QString::fromStdString(bad)));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(window.Caption().English(), "Tessara - " + path);
  EXPECT_EQ(WriteCircuit(doc()), shown);
}

// The file dialog offers the name, filter and title given and returns the filter chosen; the
// replace question has no Cancel, defaults to No, and closing it answers No.
TEST_F(Window, QtDialogsOfferTheNameAndFilterGivenAndTheReplaceQuestionDefaultsToNo) {
  testing::TempFolder folder;
  const std::string offered = (folder.path() / "run.svg").string();
  ModalWatcher chooser([](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("SVG picture (*.svg)"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save Picture"));
    QMetaObject::invokeMethod(dialog, "accept");
  });
  const FileChoice choice = window.Dialogs().ChooseFile(
      FileDialogMode::Save, "PNG picture (*.png)|*.png|SVG picture (*.svg)|*.svg|", 1, offered,
      "Save Picture");
  EXPECT_EQ(choice.path, offered);
  EXPECT_EQ(choice.filter, 1u);
  ModalWatcher question([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
    EXPECT_EQ(box->button(QMessageBox::Cancel), nullptr);
  });
  EXPECT_EQ(window.Ask(Name("run.svg already exists. Replace it?"), Name("Replace File"),
                       Choices::YesNo, Answer::No),
            Answer::No);
}

// A named pipe is refused at once, never waited on (CTest's timeout bounds a hang).
TEST(StartWindow, OpensTheFileNamedByItsFullPathOrGivesAnErrorOverAnEmptyCircuit) {
  testing::TempFolder folder;
  testing::WriteFile(folder.path() / "one.cir", WriteCircuit(Document{}));
  ASSERT_EQ(mkfifo((folder.path() / "pipe.cir").c_str(), 0644), 0);
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(folder.path().string()));
  for (const char* name : {"one.cir", "missing.cir", "pipe.cir"}) {
    MainWindow window;
    ModalWatcher watcher(
        [&](QWidget* modal) { EXPECT_EQ(modal->windowTitle(), QStringLiteral("Error")) << name; });
    StartWindow(window, {QString::fromLatin1(name), QStringLiteral("ignored.cir")},
                QDir::currentPath());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window.Caption().English() != "Tessara" || watcher.seen(); }, 5000))
        << name;
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Caption().English(),
              watcher.seen() ? "Tessara" : "Tessara - " + (folder.path() / name).string());
    EXPECT_EQ(watcher.seen(), std::string(name) != "one.cir");
  }
  QDir::setCurrent(before);
}

// File > New From Expression: the dialog's line says what is wrong as the text is typed;
// OK replaces the circuit with the one built, edited and unsaved, one step to undo.
TEST_F(Window, NewFromExpressionSaysWhatIsWrongAsTypedThenBuildsAsOneEditToUndo) {
  QString problem;
  ModalWatcher watcher([&](QWidget* modal) {
    auto* dialog = qobject_cast<BuildDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    auto* text = dialog->findChild<QPlainTextEdit*>(QStringLiteral("BuildExpressions"));
    text->setPlainText(QStringLiteral("O1 = I1 AND"));
    problem = dialog->findChild<QLabel*>(QStringLiteral("BuildProblem"))->text();
    text->setPlainText(QStringLiteral("O1 = I1 AND NOT I2"));
    dialog->Build();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible(); }));
  });
  Find<QAction>(QStringLiteral("NewFromExpression"))->trigger();
  EXPECT_EQ(problem.toStdString(),
            "column 12: expected an input name or (, found the end of the line");
  EXPECT_EQ(OutputColumn(MakeTruthTable(doc()), 0), "0010");
  EXPECT_TRUE(window.windowTitle().contains(QLatin1Char('*')));
  Find<QAction>(QStringLiteral("Undo"))->trigger();
  EXPECT_TRUE(doc().SameCircuit(Document()));
}

}  // namespace
}  // namespace tessara::app
