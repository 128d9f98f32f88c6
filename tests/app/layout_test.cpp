// The window as designed: geometry, start-up state, captions and menus.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/elements.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

using WindowLayout = WindowTest;

QRect Twips(int left, int top, int width, int height) {
  return TwipsRect(left, top, width, height);
}

TEST_F(WindowLayout, ClientAreaIsFixedAt725By550BelowTheMenuBar) {
  EXPECT_EQ(window.centralWidget()->size(), QSize(725, 550));
  EXPECT_EQ(window.centralWidget()->y(), window.menuBar()->height());
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST_F(WindowLayout, CanvasStandsAtItsDesignPlace) {
  EXPECT_EQ(window.Canvas().geometry(), QRect(120, 8, 599, 533));
  EXPECT_EQ(Find(QStringLiteral("Inputs"))->geometry(), QRect(0, 0, 49, 17));
  EXPECT_EQ(Find(QStringLiteral("Outputs"))->geometry(), QRect(552, 0, 49, 17));
}

TEST_F(WindowLayout, PaletteElementsStandAtTheirDesignPlaces) {
  const struct {
    const char* name;
    QRect rect;
  } rows[] = {
      {"Label2", Twips(120, 120, 1575, 5295)},       {"Line2", Twips(120, 360, 1440, 15)},
      {"CrossButton", Twips(240, 720, 600, 600)},    {"LinkButton", Twips(960, 720, 600, 600)},
      {"AndGateButton", Twips(240, 1440, 600, 600)}, {"NandGateButton", Twips(960, 1440, 600, 600)},
      {"OrGateButton", Twips(240, 2160, 600, 600)},  {"NorGateButton", Twips(960, 2160, 600, 600)},
      {"NotGateButton", Twips(240, 2880, 600, 600)}, {"XorGateButton", Twips(960, 2880, 600, 600)},
      {"InputButton", Twips(240, 3720, 600, 600)},   {"OutputButton", Twips(960, 3720, 600, 600)},
      {"TrashCan", Twips(360, 5880, 1005, 1005)},    {"Power", Twips(120, 6960, 1455, 375)},
      {"prop", Twips(120, 7440, 1455, 375)},
  };
  for (const auto& row : rows) {
    QWidget* element = Find(QString::fromLatin1(row.name));
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->geometry(), row.rect) << row.name;
  }
}

TEST_F(WindowLayout, PoolElementsHaveTheirDesignSizes) {
  for (int i : {0, 50}) {
    EXPECT_EQ(Image(i)->size(), QSize(53, 53));
    EXPECT_EQ(Marker(i)->size(), QSize(9, 9));
    EXPECT_EQ(Find(QStringLiteral("txtObjValue(%1)").arg(i))->size(), QSize(9, 17));
    EXPECT_EQ(Image(i)->parentWidget(), &window.Canvas());
  }
}

TEST_F(WindowLayout, StartShowsTheEmptyCanvasWithTheCrossChosen) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tessara"));
  EXPECT_EQ(Find<QPushButton>(QStringLiteral("Power"))->text(), QStringLiteral("power up"));
  for (Integer i = 0; i < kSlotCount; ++i) {
    EXPECT_FALSE(window.ObjImage(i).Visible());
    EXPECT_FALSE(window.buffer(i).Visible());
    EXPECT_FALSE(window.txtObjValue(i).Visible());
    EXPECT_FALSE(window.LinkLine(i).Visible());
    EXPECT_EQ(window.txtObjValue(i).Text(), "0");
  }
  EXPECT_EQ(window.Palette(PaletteButton::CrossButton).BorderStyle(), 1);
  EXPECT_EQ(window.Palette(PaletteButton::LinkButton).BorderStyle(), 0);
}

TEST_F(WindowLayout, PowerButtonCaptionFollowsPowerAndNew) {
  auto* power = Find<QPushButton>(QStringLiteral("Power"));
  Click(power);
  EXPECT_EQ(power->text(), QStringLiteral("Power Down"));
  Click(power);
  EXPECT_EQ(power->text(), QStringLiteral("Power Up"));
  Click(power);
  EXPECT_EQ(power->text(), QStringLiteral("Power Down"));
  Find<QAction>(QStringLiteral("New"))->trigger();
  EXPECT_EQ(power->text(), QStringLiteral("Power Up"));
  EXPECT_FALSE(doc().PowerOn);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tessara"));
}

QStringList EntryTexts(QMenu* menu) {
  QStringList texts;
  for (QAction* action : menu->actions()) texts << action->text();
  return texts;
}

TEST_F(WindowLayout, MenusHoldTheirEntries) {
  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), 3);
  EXPECT_EQ(menus[0]->text(), QStringLiteral("File"));
  EXPECT_EQ(EntryTexts(menus[0]->menu()),
            (QStringList{"New", "Open", "Save As", "", "Exit"}));
  EXPECT_EQ(menus[1]->text(), QStringLiteral("Options"));
  EXPECT_TRUE(menus[1]->menu()->actions().isEmpty());
  EXPECT_EQ(menus[2]->text(), QStringLiteral("Help"));
  EXPECT_EQ(EntryTexts(menus[2]->menu()), QStringList{"About"});
  EXPECT_EQ(Find<QAction>(QStringLiteral("Exit"))->shortcut(), QKeySequence(QKeySequence::Quit));
  EXPECT_EQ(Find<QAction>(QStringLiteral("Open"))->shortcut(), QKeySequence(QKeySequence::Open));
}

TEST_F(WindowLayout, BlankEntryDoesNothingAndExitCloses) {
  Find<QAction>(QStringLiteral("blah"))->trigger();
  EXPECT_TRUE(window.isVisible());
  Find<QAction>(QStringLiteral("Exit"))->trigger();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowLayout, AboutWindowShowsItsTextsAndOkClosesIt) {
  QStringList texts;
  QString title;
  QSize size;
  ModalWatcher watcher([&](QWidget* about) {
    title = about->windowTitle();
    size = about->size();
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
  EXPECT_EQ(texts, (QStringList{"Tessara", "Version: 1.0",
                                "This program is meant for learning about logic.   ", "",
                                "Gate pictures drawn by Tessara", "Quillmarsh"}));
}

}  // namespace
}  // namespace tessara::app
