// The monkey: seeded random user actions of real mouse and key events on the window,
// every box answered; after each the window must show what a full refresh of its circuit
// shows on the stand-in screen, each element at its pixel, with no drag left open.
// MONKEY_SEED and MONKEY_ACTIONS choose the run; `make soak` runs a long one.
#include <QAction>
#include <QPushButton>
#include <random>
#include <sstream>

#include "../app/window_fixture.h"
#include "fake_screen.h"
#include "view/display.h"

namespace tessara::app {
namespace {
long EnvNumber(const char* name, long fallback) {
  return qEnvironmentVariableIsSet(name) ? qgetenv(name).toLong() : fallback;
}

// What a screen reader hears of an element, to the end of its line.
std::string Said(const ImageElement& element) {
  const Spoken spoken = element.GetSpoken();
  return " says " + English(spoken.name) + (spoken.value ? *spoken.value ? " 1" : " 0" : "") +
         (spoken.focused ? " focused\n" : "\n");
}

// What a screen shows, one line per visible element and mark, and what the canvas says;
// the palette's borders too when asked (File > New leaves them to the next refresh).
std::string Shown(Screen& s, bool palette) {
  std::ostringstream out;
  for (Integer i = 0; i < kSlotCount; ++i) {
    ImageElement &image = s.ObjImage(i), &marker = s.buffer(i);
    LabelElement& label = s.txtObjValue(i);
    LineElement& line = s.LinkLine(i);
    if (image.Visible())
      out << "image " << i << " at " << image.Left() << ',' << image.Top() << " picture "
          << int(image.GetPicture().store) << '/' << image.GetPicture().index << Said(image);
    if (marker.Visible())
      out << "marker " << i << " at " << marker.Left() << ',' << marker.Top() << Said(marker);
    if (label.Visible())
      out << "label " << i << " at " << label.Left() << ',' << label.Top() << ' ' << label.Text()
          << '\n';
    if (line.Visible())
      out << "line " << i << ' ' << line.X1() << ',' << line.Y1() << ' ' << line.X2() << ','
          << line.Y2() << '\n';
  }
  for (int b = 0; palette && b < kPaletteButtonCount; ++b)
    out << "border " << s.Palette(PaletteButton(b)).BorderStyle();
  for (MarkElement* mark : {&s.FocusMark(), &s.CrossHair()})
    if (mark->Visible()) out << "mark at " << mark->Left() << ',' << mark->Top() << '\n';
  return out.str() + "canvas says " + English(s.CanvasSpoken());
}

struct MonkeyRun : WindowTest {
  MonkeyRun() {
    answerBoxes.callOnTimeout([] {
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    answerBoxes.start(2);
  }
  // A shown element of a pool, or none.
  QWidget* AnyShown(const char* pool) {
    std::vector<QWidget*> shown;
    for (int i = 0; i < kSlotCount; ++i)
      if (QWidget* w = Find(QStringLiteral("%1(%2)").arg(QLatin1String(pool)).arg(i));
          w->isVisible())
        shown.push_back(w);
    return shown.empty() ? nullptr : shown[Pick(shown.size())];
  }
  std::size_t Pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
  }
  QPoint AnyPoint(QWidget* w) { return QPoint(int(Pick(w->width())), int(Pick(w->height()))); }
  // One action. File > New leaves the palette to the next refresh.
  void Act() {
    static const char* const kButtons[] = {
        "CrossButton",   "LinkButton",    "AndGateButton", "NandGateButton", "OrGateButton",
        "NorGateButton", "NotGateButton", "XorGateButton", "InputButton",    "OutputButton"};
    static const std::pair<Qt::Key, Qt::KeyboardModifiers> kKeys[] = {
        {Qt::Key_Left, {}},
        {Qt::Key_Up, {}},
        {Qt::Key_Right, Qt::ShiftModifier},
        {Qt::Key_Down, Qt::ShiftModifier | Qt::ControlModifier},
        {Qt::Key_Return, {}},
        {Qt::Key_Space, {}},
        {Qt::Key_Delete, {}},
        {Qt::Key_R, {}},
        {Qt::Key_M, {}},
        {Qt::Key_L, {}},
        {Qt::Key_B, {}},
        {Qt::Key_P, {}},
        {Qt::Key_Escape, {}},
        {Qt::Key_3, {}},
        {Qt::Key_9, {}}};
    QWidget* canvas = &window.Canvas();
    QWidget* element = AnyShown(Pick(3) == 0 ? "buffer" : "ObjImage");
    switch (Pick(14)) {
      case 0:
      case 1:
        Click(Find(QString::fromLatin1(kButtons[Pick(10)])));
        break;
      case 2:
      case 3:
        Click(canvas, AnyPoint(canvas));
        break;
      case 4:
        if (element) Click(element, AnyPoint(element));
        break;
      case 5:
        if (element) QTest::mouseDClick(element, Qt::LeftButton, {}, AnyPoint(element));
        break;
      case 6:
      case 7:
        if (element) Drag(element, AnyPoint(element), Map(canvas, AnyPoint(canvas), element));
        break;
      case 8:
        if (element)
          Drag(element, AnyPoint(element),
               Map(Find(QStringLiteral("TrashCan")), QPoint(30, 30), element));
        break;
      case 9:
        Click(Find(QStringLiteral("Power")));
        break;
      case 10:
        Click(Find(QStringLiteral("prop")));
        break;
      case 11:
      case 12: {
        const auto& [key, modifiers] = kKeys[Pick(std::size(kKeys))];
        QTest::keyClick(canvas, key, modifiers);
        break;
      }
      default:
        if (Pick(10) == 0) Find<QAction>(QStringLiteral("New"))->trigger(), paletteLags = true;
    }
  }
  // The window against a full refresh of its circuit; empty when they agree.
  std::string Faults() {
    testing::FakeScreen fresh;
    DisplayObjects(window.form(), fresh);
    paletteLags = paletteLags && Shown(window, true) != Shown(fresh, true);
    std::ostringstream faults;
    const std::string shown = Shown(window, !paletteLags), expected = Shown(fresh, !paletteLags);
    if (shown != expected)
      faults << "the window shows\n" << shown << "\na refresh shows\n" << expected;
    auto offPixel = [](QWidget* w, const auto& e) {
      return w->isVisible() && w->pos() != TwipsPoint(e.Left(), e.Top());
    };
    for (Integer i = 0; i < kSlotCount; ++i) {
      if (offPixel(Image(i), window.ObjImage(i)) || offPixel(Marker(i), window.buffer(i)) ||
          offPixel(Find(QStringLiteral("txtObjValue(%1)").arg(i)), window.txtObjValue(i)))
        faults << i << " off its pixel\n";
    }
    if (window.form().doc.PowerOn !=
        (Find<QPushButton>(QStringLiteral("Power"))->text() == "Power Down"))
      faults << "Power caption\n";
    if (Find(QStringLiteral("DragOutline"))->isVisible()) faults << "a drag outline is left open\n";
    return faults.str();
  }
  std::mt19937 rng;
  QTimer answerBoxes;
  bool paletteLags = false;
};

TEST_F(MonkeyRun, RandomActionsKeepTheWindowTrueToItsCircuit) {
  const auto seed = static_cast<std::uint32_t>(EnvNumber("MONKEY_SEED", 20240));
  const long actions = EnvNumber("MONKEY_ACTIONS", 5000);
  rng.seed(seed);
  for (long k = 0; k < actions; ++k) {
    Act();
    ASSERT_EQ(Faults(), "") << "replay: MONKEY_SEED=" << seed << " MONKEY_ACTIONS=" << k + 1;
  }
}
}  // namespace
}  // namespace tessara::app
