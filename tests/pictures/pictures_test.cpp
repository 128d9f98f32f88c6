// Whole scenes as the user sees them, compared pixel for pixel with the PNGs of this
// folder (NAME-x1.png, NAME-x2.png by the screen's scale): every kind in every
// orientation linked and powered, with coloured wires and without; links drawn, bent
// and moved, the keyboard's marks, the canvas after New and every problem marked; the
// palette with each tool chosen, and the cursors; the timeline, truth table and About
// windows; the timeline of a sequence with a red mark; the explanation of a value; a full adder
// built from algebra. Scenes are read from each window's backing store, so a part that was not
// repainted shows as it was. The fonts are DejaVu Sans and, for the fixed font, DejaVu Sans Mono
// from their Debian package, and the style Fusion, whatever the machine's settings. With
// TESSARA_UPDATE_PICTURES set the scenes rewrite the PNGs instead.
#include <QBackingStore>
#include <QFontDatabase>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <cstdio>

#include "app/circuit_pictures.h"
#include "app/expressions_view.h"
#include "app/timeline_window.h"
#include "app/truth_table_window.h"
#include "app/why_window.h"
#include "circuits.h"
#include "editor/refresh.h"
#include "io/circuit_builder.h"
#include "io/circuit_file.h"
#include "model/cell.h"
#include "picture/artwork/artwork.h"
#include "picture/circuit_picture.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

// What the part of w shows now, from its window's backing store once pending paints
// are done; in device pixels. A null image where the platform keeps no image.
QImage Shown(QWidget* w, QRect part = {}) {
  QTest::qWait(40);
  const qreal scale = w->devicePixelRatio();
  if (part.isNull()) part = w->rect();
  const auto* store = dynamic_cast<const QImage*>(w->window()->backingStore()->paintDevice());
  if (!store) return {};
  QImage shown = store->copy(
      QRectF(QPointF(w->mapTo(w->window(), part.topLeft())) * scale, QSizeF(part.size()) * scale)
          .toRect());
  shown.setDevicePixelRatio(1);
  return shown;
}

// Images side by side, tops aligned, on grey.
QImage Beside(const std::vector<QImage>& images) {
  constexpr int kGap = 6;
  QSize size(-kGap, 0);
  for (const QImage& image : images)
    size = QSize(size.width() + image.width() + kGap, std::max(size.height(), image.height()));
  QImage sheet(size, QImage::Format_RGB32);
  sheet.fill(Qt::gray);
  QPainter painter(&sheet);
  int x = 0;
  for (const QImage& image : images) {
    painter.drawImage(x, 0, image);
    x += image.width() + kGap;
  }
  return sheet;
}

// Compares shown with the kept picture name; a difference leaves NAME-xS.actual.png in
// the build's pictures folder.
void ExpectLooksLike(const QImage& shown, const char* name) {
  const QString file =
      QStringLiteral("%1-x%2").arg(QLatin1String(name)).arg(qApp->devicePixelRatio());
  const QString kept = QStringLiteral(TESSARA_PICTURES "/%1.png").arg(file);
  const QImage actual = shown.convertToFormat(QImage::Format_RGB32);
  if (qEnvironmentVariableIsSet("TESSARA_UPDATE_PICTURES")) {
    EXPECT_TRUE(actual.save(kept)) << kept.toStdString();
    return;
  }
  const QImage expected = QImage(kept).convertToFormat(QImage::Format_RGB32);
  if (actual == expected) return;
  QDir().mkpath(QStringLiteral(TESSARA_ACTUAL));
  const QString out = QStringLiteral(TESSARA_ACTUAL "/%1").arg(file);
  actual.save(out + QStringLiteral(".actual.png"));
  ADD_FAILURE() << kept.toStdString() << " is not what is drawn; see " << out.toStdString()
                << ".actual.png";
}

// Each two-input kind and NOT in each orientation, one row per orientation chained
// from a circuit input to a circuit output turned as the row, inputs 0 and 1 taken in
// turn; the first row's first link bends once. Returns the inputs' slots.
std::vector<std::int16_t> PutEveryKindTurned(Document& doc) {
  const std::int32_t kinds[] = {kAndGate, kNandGate, kOrGate, kNorGate, kNotGate, kXorGate};
  testing::CircuitBuilder build(doc);
  std::vector<std::int16_t> inputs;
  for (std::int32_t o = 0; o < kOrientationCount; ++o) {
    const float y = 300 + static_cast<float>(o) * 1950;
    std::int16_t last = inputs.emplace_back(build.Place(kInputGate, 0, y + 400));
    doc.EditGate(last).SetOrientation(o);
    for (std::int16_t k = 0; k < 6; ++k) {
      const std::int16_t g = build.Place(kinds[k], 1000 + static_cast<float>(k) * 1150, y + 400);
      doc.EditGate(g).SetOrientation(o);
      build.Wire(last, g, k % 2, k == 0 && o == 0 ? 1 : 0);
      last = g;
    }
    const std::int16_t output = build.Place(kOutputGate, 8200, y + 400);
    doc.EditGate(output).SetOrientation(o);
    build.Wire(last, output, 0);
  }
  return inputs;
}

struct Pictures : WindowTest {
  void Show(const Document& circuit) {
    testing::WriteFile(folder.path() / "scene.cir", WriteCircuit(circuit));
    window.Act([this](Form& form) { LoadCircuit(form, (folder.path() / "scene.cir").string()); });
  }
  QAction* Command(const char* name) { return Find<QAction>(QString::fromLatin1(name)); }
  QImage Canvas() { return Shown(&window.Canvas()); }
  testing::TempFolder folder;
};

// The exported picture of the coloured scene is that scene's part of the canvas, pixel
// for pixel.
TEST_F(Pictures, EveryKindTurnedAndPoweredWithWiresColouredAndNotAndExportedAsShown) {
  Document circuit;
  const std::vector<std::int16_t> inputs = PutEveryKindTurned(circuit);
  Show(circuit);
  const QImage unpowered = Canvas();
  Click(Find(QStringLiteral("Power")));
  for (std::int16_t slot : {inputs[0], inputs[2]}) Click(Image(slot), QPoint(20, 20));
  for (int step = 0; step < 7; ++step) Click(Find(QStringLiteral("prop")));
  const QImage coloured = Canvas();
  const std::string exported = (folder.path() / "exported.png").string();
  const int scale = qRound(qApp->devicePixelRatio());
  ASSERT_FALSE(SaveCircuitPicture(window, LookOf(window.Canvas()), exported, scale));
  const QRect used = UsedArea(window);
  EXPECT_EQ(QImage(QString::fromStdString(exported)).convertToFormat(QImage::Format_RGB32),
            coloured.copy(QRect(used.topLeft() * scale, used.size() * scale))
                .convertToFormat(QImage::Format_RGB32));
  Command("ColourWires")->trigger();
  ExpectLooksLike(Beside({unpowered, coloured, Canvas()}), "every-kind-powered");
}

// The whole window as the README shows it: the half adder powered, I1 on, three steps.
TEST_F(Pictures, TheWindowAsTheReadmeShowsIt) {
  window.Act([](Form& form) { LoadCircuit(form, TESSARA_EXAMPLES "/half_adder.cir"); });
  Click(Find(QStringLiteral("Power")));
  Click(Image(0), QPoint(20, 20));
  for (int step = 0; step < 3; ++step) Click(Find(QStringLiteral("prop")));
  ExpectLooksLike(Shown(&window), "window");
}

// A link drawn to a gate, the gate moved, a second link bent once and reaching for the
// pointer, the keyboard's cross-hair and focus on the canvas given the focus, the canvas
// after New, and a circuit with every kind of problem marked.
TEST_F(Pictures, LinksDrawnMovedAndBeingDrawnTheKeyboardsMarksAfterNewAndEveryProblem) {
  PlaceWith("InputButton", QPoint(30, 100));
  PlaceWith("AndGateButton", QPoint(250, 100));
  Click(Find(QStringLiteral("LinkButton")));
  Click(Image(0), QPoint(45, 26));  // the input's output half
  Click(Image(1), QPoint(5, 10));   // the AND's upper input
  Click(Find(QStringLiteral("CrossButton")));
  const QImage linked = Canvas();
  Command("ShowProblems")->trigger();  // off: marks that move would repaint every line
  Drag(Image(1), QPoint(10, 10), QPoint(10, 110));
  const QImage moved = Canvas();
  Click(Find(QStringLiteral("LinkButton")));
  Click(Image(1), QPoint(45, 26));
  Click(&window.Canvas(), QPoint(400, 260));  // a bend
  MoveTo(&window.Canvas(), QPoint(470, 420));
  const QImage drawing = Canvas();
  QTest::keyClick(&window, Qt::Key_Escape);
  window.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  window.Canvas().setFocus();
  QTest::keyClick(&window.Canvas(), Qt::Key_Up);  // focuses the AND gate
  const QImage keyed = Canvas();
  ModalWatcher dontSave(
      [](QWidget* box) { qobject_cast<QMessageBox*>(box)->button(QMessageBox::No)->click(); });
  Command("New")->trigger();
  const QImage renewed = Canvas();
  Command("ShowProblems")->trigger();
  window.Act([](Form& form) {
    testing::PutEveryWarning(form.doc);
    Refresh(form);
  });
  ExpectLooksLike(Beside({linked, moved, drawing, keyed, renewed, Canvas()}), "links-drawn");
}

// Then each tool's cursor, in the kept picture's order: its black pixels, its white edge, the rest
// teal, the hot spot red.
TEST_F(Pictures, ThePaletteWithEachToolChosenAndTheCursors) {
  std::vector<QImage> tiles;
  for (const char* button :
       {"CrossButton", "LinkButton", "AndGateButton", "NandGateButton", "OrGateButton",
        "NorGateButton", "NotGateButton", "XorGateButton", "InputButton", "OutputButton"}) {
    Click(Find(QString::fromLatin1(button)));
    tiles.push_back(Shown(window.centralWidget(), QRect(0, 0, 120, 550)));
  }
  for (std::int32_t tool : {kAndGate, kOrGate, kNotGate, kInputGate, kOutputGate, kSelectTool,
                            kLinkTool, kNandGate, kNorGate, kXorGate, kAndGate}) {
    const QCursor cursor = artwork::ToolCursor(tool);
    const QImage bits = cursor.bitmap().toImage(), mask = cursor.mask().toImage();
    QImage tile(bits.size(), QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y)
      for (int x = 0; x < tile.width(); ++x) {
        const bool shown = qGray(mask.pixel(x, y)) < 128, black = qGray(bits.pixel(x, y)) < 128;
        tile.setPixel(x, y,
                      !shown  ? qRgb(0, 128, 128)
                      : black ? qRgb(0, 0, 0)
                              : qRgb(255, 255, 255));
      }
    tile.setPixel(cursor.hotSpot(), qRgb(255, 0, 0));
    tiles.push_back(tile);
  }
  ExpectLooksLike(Beside(tiles), "palette");
}

// The half adder with an expected answer beside it that differs in row "1 1", powered,
// I1 on and three prop steps: the timeline at its last step, the truth table checked
// against the answer, with the expressions, and About; then the ring oscillator's timeline at step
// 330, each number of its ruler whole.
TEST_F(Pictures, TheTimelineTruthTableAndAboutWindows) {
  const std::filesystem::path adder = folder.path() / "adder.cir";
  std::filesystem::copy_file(TESSARA_EXAMPLES "/half_adder.cir", adder);
  testing::WriteFile(folder.path() / "adder.expected",
                     "I1 I2 | O1 O2\n0 0 | 0 0\n0 1 | 1 X\n1 0 | 1 0\n1 1 | 1 1\n");
  window.Act([&adder](Form& form) { LoadCircuit(form, adder.string()); });
  Click(Find(QStringLiteral("Power")));
  Click(Image(0), QPoint(20, 20));
  for (int step = 0; step < 3; ++step) Click(Find(QStringLiteral("prop")));
  const QImage timeline = Shown(&window.Companions().ShowTimeline());
  QWidget& truthTable = window.Companions().ShowTruthTable();
  EXPECT_TRUE(QTest::qWaitFor([&] {
    return Find(QStringLiteral("TruthTableCopy"))->isEnabled() &&
           !window.findChild<ExpressionsView*>()->Working();
  }));
  const QImage table = Shown(&truthTable);
  QImage about;
  ModalWatcher watcher([&about](QWidget* box) { about = Shown(box); });
  Command("Help_About")->trigger();
  window.Act([](Form& form) { LoadCircuit(form, TESSARA_EXAMPLES "/ring_oscillator.cir"); });
  Click(Find(QStringLiteral("Power")));
  for (int step = 0; step < 330; ++step) window.Act(OnProp);
  const QImage ring = Shown(&window.Companions().ShowTimeline());
  ExpectLooksLike(Beside({timeline, table, about, ring}), "windows");
}

// The SR latch example, powered, checked against a sequence whose second row is wrong,
// its run played: each row's step marked atop the ruler (the second red), the summary
// above and the rows beside it.
TEST_F(Pictures, TheTimelineOfASequenceWithARedMark) {
  const std::filesystem::path latch = folder.path() / "latch.cir";
  std::filesystem::copy_file(TESSARA_EXAMPLES "/sr_latch_nor.cir", latch);
  testing::WriteFile(folder.path() / "latch.expected",
                     "sequence\nI1 I2 | O1 O2\n1 0 | 0 1\n0 1 | 0 0\n0 0 | 1 0\nC 0 | 0 1\n");
  window.Act([&latch](Form& form) { LoadCircuit(form, latch.string()); });
  Click(Find(QStringLiteral("Power")));
  TimelineWindow& timeline = window.Companions().ShowTimeline();
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return timeline.CheckLine().contains(QLatin1String("differ")); }));
  Find<QPushButton>(QStringLiteral("PlaySequence"))->click();
  ExpectLooksLike(Shown(&timeline), "sequence");
}

// Why O2 of the half adder is 1 at step 4: the explaining gates on the canvas and their
// steps on the timeline, the lines of the window; then the canvas after the line of step
// 3 is clicked, and after Escape.
TEST_F(Pictures, TheExplanationOnTheCanvasTheTimelineAndItsWindow) {
  window.Act([](Form& form) { LoadCircuit(form, TESSARA_EXAMPLES "/half_adder.cir"); });
  Click(Find(QStringLiteral("Power")));
  Click(Image(1)), Click(Image(0));  // toggles I2, then I1
  Click(Find(QStringLiteral("prop"))), Click(Find(QStringLiteral("prop")));
  QWidget& timeline = window.Companions().ShowTimeline();
  Click(Find(QStringLiteral("ValueLabel(5)")));  // O2's value
  auto* why = window.findChild<WhyWindow*>();
  ASSERT_NE(why, nullptr);
  const std::vector<QImage> shown = {Canvas(), Shown(&timeline), Shown(why)};
  QListWidget& list = why->Lines();
  Click(list.viewport(), list.visualItemRect(list.item(2)).center());
  const QImage clicked = Canvas();
  QTest::keyClick(&list, Qt::Key_Escape);
  ExpectLooksLike(Beside({shown[0], shown[1], shown[2], clicked, Canvas()}), "why");
}

// The full adder built from its expressions with any gates and with NAND gates only.
TEST_F(Pictures, AFullAdderBuiltFromItsExpressionsWithAnyGatesAndNandOnly) {
  std::vector<QImage> shown;
  for (GateSet set : {GateSet::Any, GateSet::NandOnly}) {
    const BuildResult built =
        BuildFromExpressions("O1 = I1 ^ I2 ^ I3\nO2 = I1 & I2 + I3 & (I1 ^ I2)", set);
    ASSERT_TRUE(built.document) << built.error.reason.English();
    Show(*built.document);
    shown.push_back(Canvas());
  }
  ExpectLooksLike(Beside(shown), "built-full-adder");
}

}  // namespace
}  // namespace tessara::app

// The Qt test main, with the pictures' fonts and style.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setPalette(QApplication::style()->standardPalette());
  QStringList families;
  for (const char* file : {"DejaVuSans.ttf", "DejaVuSansMono.ttf"}) {
    const int font = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/dejavu/") + QLatin1String(file));
    if (font < 0) {
      std::fprintf(stderr, "%s is missing: install fonts-dejavu-core\n", file);
      return 1;
    }
    families << QFontDatabase::applicationFontFamilies(font).constFirst();
  }
  QFont::insertSubstitution(QStringLiteral("monospace"), families[1]);  // the fixed font
  QFont sans(families[0], 9);
  sans.setHintingPreference(QFont::PreferNoHinting);
  sans.setStyleStrategy(QFont::NoSubpixelAntialias);
  QApplication::setFont(sans);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
