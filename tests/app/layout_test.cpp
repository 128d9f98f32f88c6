// The window as designed: its fixed size, start-up state, menus and About window (kept
// as a PNG in the build's artefacts/app folder).
#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "window_fixture.h"

namespace tessara::app {
namespace {

using WindowLayout = WindowTest;

TEST_F(WindowLayout, StartShowsTheFixedWindowWithTheEmptyCanvasAndTheCrossChosen) {
  EXPECT_EQ(window.centralWidget()->size(), QSize(725, 550));
  EXPECT_EQ(window.centralWidget()->y(), window.menuBar()->height());
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_EQ(window.Canvas().geometry(), QRect(120, 8, 599, 533));
  EXPECT_EQ(Image(50)->size(), QSize(53, 53));
  EXPECT_EQ(Marker(50)->size(), QSize(9, 9));
  EXPECT_EQ(Image(50)->parentWidget(), &window.Canvas());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tessara"));
  EXPECT_EQ(Find<QPushButton>(QStringLiteral("Power"))->text(), QStringLiteral("power up"));
  EXPECT_FALSE(Image(0)->isVisible() || Marker(0)->isVisible() || window.LinkLine(0).Visible());
  EXPECT_EQ(Find<QLabel>(QStringLiteral("txtObjValue(0)"))->text(), QStringLiteral("0"));
  EXPECT_FALSE(Find<QLabel>(QStringLiteral("txtObjValue(0)"))->isVisible());
  EXPECT_EQ(window.Palette(PaletteButton::CrossButton).BorderStyle(), 1);
}

QStringList EntryTexts(QMenu* menu) {
  QStringList texts;
  for (QAction* action : menu->actions()) texts << action->text();
  return texts;
}

TEST_F(WindowLayout, MenusHoldTheirEntriesAndNewExitAndTheBlankEntryDoTheirWork) {
  const QList<QAction*> menus = window.menuBar()->actions();
  const QStringList titles{"&File", "&Edit", "&Options", "&Help"};
  const QList<QStringList> entries{{"New", "Open", "Save", "Save As", "", "Exit"}, {"Undo", "Redo"},
                                   {"Step Back", "Step Forward", "Run", "", "Timeline", "Truth Table", "",
                                    "Colour Wires"}, {"About"}};
  ASSERT_EQ(menus.size(), titles.size());
  for (qsizetype m = 0; m < titles.size(); ++m) {
    EXPECT_EQ(menus[m]->text(), titles[m]);
    EXPECT_EQ(EntryTexts(menus[m]->menu()), entries[m]);
  }
  EXPECT_EQ(Find<QAction>(QStringLiteral("Exit"))->shortcut(), QKeySequence(QKeySequence::Quit));
  EXPECT_EQ(Find<QAction>(QStringLiteral("Open"))->shortcut(), QKeySequence(QKeySequence::Open));

  auto* power = Find<QPushButton>(QStringLiteral("Power"));
  Click(power);
  Find<QAction>(QStringLiteral("New"))->trigger();
  EXPECT_EQ(power->text(), QStringLiteral("Power Up"));
  EXPECT_FALSE(doc().PowerOn);
  Find<QAction>(QStringLiteral("blah"))->trigger();
  EXPECT_TRUE(window.isVisible());
  Find<QAction>(QStringLiteral("Exit"))->trigger();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowLayout, AboutWindowShowsItsTextsAndEtchedRuleAndOkClosesIt) {
  QStringList texts;
  QString title;
  QSize size;
  QImage shot;
  ModalWatcher watcher([&](QWidget* about) {
    title = about->windowTitle();
    size = about->size();
    shot = about->grab().toImage();
    for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer(0)",
                             "lblDisclaimer(1)", "lblDisclaimer(2)"}) {
      auto* label = about->findChild<QLabel*>(QString::fromLatin1(name));
      texts << (label ? label->text() : QStringLiteral("<missing>"));
    }
    QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
  });
  Find<QAction>(QStringLiteral("Help_About"))->trigger();
  ASSERT_TRUE(watcher.seen());
  EXPECT_EQ(title, QStringLiteral("About MyApp"));
  EXPECT_EQ(size, QSize(382, 237));
  EXPECT_EQ(texts, (QStringList{"Tessara", "Version: 1.0", "This program is meant for learning about logic.   ",
                                "", "Gate pictures drawn by Tessara", "Quillmarsh"}));
  QDir().mkpath(QStringLiteral(TESSARA_ARTEFACTS));
  shot.save(QStringLiteral(TESSARA_ARTEFACTS "/about.png"));
  EXPECT_EQ(shot.pixelColor(QPoint(100, 163) * shot.devicePixelRatio()), QColor(128, 128, 128));
  EXPECT_EQ(shot.pixelColor(QPoint(100, 164) * shot.devicePixelRatio()), QColor(Qt::white));
}

}  // namespace
}  // namespace tessara::app
