// A random user of the real window. Each step is one user action chosen by a seeded
// generator: a palette click, a move, press, double-click or drag of real mouse
// events on the canvas, a gate image, a node marker, the trash can or elsewhere, the
// Power or "prop" button, or File > New, Open or Save As with the dialog answered.
// Moods weight the mix, long enough for the circuit to fill up now and then. Every
// modal window that opens is answered at once, as a user pressing OK would.
#pragma once

#include <QPoint>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "faults.h"
#include "screen_check.h"

namespace tessara::app {

class FileCorpus;
class WindowProbe;

class Monkey {
 public:
  struct Outcome {
    std::string action;               // what was done, for the log
    std::vector<std::string> faults;  // what the action alone showed to be wrong
  };
  // How often each action was done and each box answered (as "box <title>"), and the
  // most gates ever in use.
  struct Tally {
    std::map<std::string, long> actions;
    int mostGates = 0;
  };

  // The window of probe must be shown and loaded.
  Monkey(WindowProbe& probe, FileCorpus& files, std::uint32_t seed);

  // One action. Its faults: a modal window other than a message box titled "Error",
  // "Riddle" or "Joke"; a file command that asked for no file; a drag that a modal
  // box or an opened circuit ended, yet dropped at its release.
  Outcome Step();
  const Tally& tally() const { return tally_; }

  // The palette's borders before File > New, which it may show until the next refresh.
  std::optional<PaletteBorders> laggingPalette;

 private:
  enum class Mood { Grow, Wire, Churn, Simulate };
  enum Action {
    kPickTool, kMoveOverCanvas, kPressCanvas, kPressImage, kTurnImage, kPressMarker,
    kTellRiddle, kDragToCanvas, kDragToTrash, kDragAstray, kPower, kProp, kNew, kOpen,
    kSave, kMoveOverBackground, kPressElsewhere, kInterruptedDrag, kActionCount
  };
  // A window point on a shown gate image or node marker, and whether a press there
  // reaches it (another element may cover it).
  struct Aim {
    QPoint at;
    bool hit;
  };

  Form& form();
  Action Choose();
  std::optional<Aim> AimAt(bool markers);
  Qt::MouseButton AnyButton();
  QPoint AnyPointOn(const QWidget* w);
  std::optional<QPoint> BareBackgroundPoint();
  // A real mouse event at a window point, through the platform.
  void Mouse(QTest::MouseAction action, QPoint at, Qt::MouseButton button = Qt::LeftButton);
  std::string Count(std::string tallied, std::string described);
  // One mouse event at a window point, tallied as what; returns its description.
  std::string Gesture(QTest::MouseAction action, QPoint at, Qt::MouseButton button,
                      std::string what);
  void AnswerModal();

  // The actions; each returns its description.
  std::string PickTool();
  std::string MoveOver(bool background);
  std::string PressCanvas();
  std::string PressElement(bool marker, bool twice);
  std::string Drag(Action where);
  std::string NewCommand();
  std::string PressElsewhere();
  std::string InterruptedDrag();
  // File > Open or Save As from its menu entry or its keyboard shortcut.
  std::string FileCommand(bool save, bool byShortcut);

  WindowProbe& probe_;
  FileCorpus& files_;
  std::mt19937 rng_;
  Mood mood_ = Mood::Grow;
  int moodLeft_ = 0;
  std::string answer_;  // what the file dialog answers next
  long asked_ = 0;      // how often the file dialog was asked
  long answered_ = 0;   // how many modal windows were answered
  QTimer modalTimer_;
  Faults faults_;       // of the action under way
  Tally tally_;
};

}  // namespace tessara::app
