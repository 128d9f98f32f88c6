// The monkey: seeded random user actions of real mouse and key events on the window,
// every box answered; after each the window must show what a full refresh of its circuit
// (what the Why window explains and the problem marks included) shows on the stand-in
// screen, each element at its pixel, with no drag left open.
// MONKEY_SEED and MONKEY_ACTIONS choose the run; `make soak` runs a long one.
#include <QAction>
#include <QPushButton>
#include <random>
#include <sstream>

#include "../app/window_fixture.h"
#include "editor/refresh.h"
#include "fake_screen.h"

namespace tessara::app {
namespace {
long EnvNumber(const char* name, long fallback) {
  return qEnvironmentVariableIsSet(name) ? qgetenv(name).toLong() : fallback;
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
    QWidget* element = AnyShown(Pick(3) == 0 ? "NodeMarker" : "GateImage");
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
        if (QWidget* label = AnyShown("ValueLabel")) Click(label);
        break;
      case 12: {
        const auto& [key, modifiers] = kKeys[Pick(std::size(kKeys))];
        QTest::keyClick(canvas, key, modifiers);
        break;
      }
      default:
        if (Pick(10) == 0) Find<QAction>(QStringLiteral("New"))->trigger(), refresh.AfterNew();
    }
  }
  // The window against a full refresh of its circuit; empty when they agree.
  std::string Faults() {
    std::ostringstream faults;
    faults << refresh.Faults(window, window.form(), RefreshHighlight(window.form()),
                             window.form().showProblems);
    auto offPixel = [](QWidget* w, const auto& e) {
      return w->isVisible() && w->pos() != TwipsPoint(e.Left(), e.Top());
    };
    for (std::int16_t i = 0; i < kSlotCount; ++i) {
      if (offPixel(Image(i), window.GateImage(i)) || offPixel(Marker(i), window.NodeMarker(i)) ||
          offPixel(Find(QStringLiteral("ValueLabel(%1)").arg(i)), window.ValueLabel(i)))
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
  testing::RefreshCheck refresh;
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
