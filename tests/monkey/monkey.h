// A random user of the real window. Each step is one user action chosen by a seeded
// generator: a palette click, a move, press, double-click or drag of real mouse
// events on the canvas, a gate image, a node marker or the trash can, the Power or
// "prop" button, or File > New, Open or Save As with the dialog answered. Each step
// also checks what that action alone must have done to the circuit.
#pragma once

#include <QPoint>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "editor/form.h"
#include "faults.h"

class QAction;
class QWidget;

namespace tessara::app {

class FileCorpus;
class ModalAnswerer;
class WindowProbe;

class Monkey {
 public:
  struct Outcome {
    std::string action;          // what was done, for the log
    std::vector<std::string> faults;  // where the action's own outcome was wrong
  };

  // Coverage of a run.
  struct Tally {
    std::map<std::string, long> actions;
    long noRoomForGate = 0, noRoomForLink = 0;
    int mostGates = 0, mostLinks = 0;
  };

  // The window of probe must be shown and loaded; answerer closes its boxes.
  Monkey(WindowProbe& probe, ModalAnswerer& answerer, FileCorpus& files, std::uint32_t seed);

  Outcome Step();

  const Tally& tally() const { return tally_; }
  // The tool whose palette button may still carry the border after File > New, or
  // -1; the caller clears it once the palette shows the current tool.
  Long laggingTool() const { return laggingTool_; }
  void PaletteCaughtUp() { laggingTool_ = -1; }
  // Whether the circuit may hold what the editor never builds (from a damaged file).
  bool odd() const { return odd_; }

 private:
  enum class Mood { Grow, Wire, Churn, Simulate };
  enum Action {
    kPickTool, kMoveOverCanvas, kPressCanvas, kPressImage, kTurnImage, kPressMarker,
    kTellRiddle, kDragToCanvas, kDragToTrash, kDragAstray, kPower, kProp, kNew, kOpen,
    kSave, kMoveOverBackground, kPressElsewhere, kInterruptedDrag, kActionCount
  };

  // The state an action's expectations start from.
  struct Before {
    std::string text;  // the circuit as a file
    Long tool;
    bool power;
    Integer linkStarted, currentLink;
    std::optional<Integer> freeGate, freeLink, freeLinkBesidesDrawn;
    Single grabX, grabY;
    Integer egg;
    std::string caption;
    std::array<bool, kSlotCount> outputs;
  };

  // A shown element of a pool, a point on it and whether a press there reaches it.
  struct Aim {
    Integer slot;
    QPoint local, at;  // on the element; in the window
    bool hit;
  };

  Form& form();
  Before Snap();
  Action Choose();
  void NextMood();
  std::optional<Aim> AimAt(bool markers);
  Qt::MouseButton AnyButton();
  QPoint AnyCanvasPoint(QPoint* local = nullptr);
  std::optional<QPoint> BareBackgroundPoint();
  std::string Name(QPoint at) const;

  // Real mouse events at window points, through the platform.
  void Click(QPoint at, Qt::MouseButton button);
  void DoubleClick(QPoint at);
  void Press(QPoint at, Qt::MouseButton button);
  void MoveTo(QPoint at);
  void Release(QPoint at, Qt::MouseButton button);
  void Count(const std::string& action);

  // The actions; each returns its description and adds its faults.
  std::string PickTool(Faults& f);
  std::string MoveOverCanvas(Faults& f);
  std::string PressCanvas(Faults& f);
  std::string PressImage(Faults& f);
  std::string TurnImage(Faults& f);
  std::string PressMarker(Faults& f);
  std::string TellRiddle(Faults& f);
  std::string Drag(Faults& f, Action where);
  std::string PowerButton(Faults& f);
  std::string PropButton(Faults& f);
  std::string NewCommand(Faults& f);
  std::string OpenCommand(Faults& f);
  std::string SaveCommand(Faults& f);
  std::string MoveOverBackground(Faults& f);
  std::string PressElsewhere(Faults& f);
  std::string InterruptedDrag(Faults& f);

  // A file command from its menu entry or its keyboard shortcut. OpenFile tells
  // through loaded whether a circuit was loaded.
  void Command(Faults& f, QAction* action, bool byShortcut);
  std::string OpenFile(Faults& f, bool byShortcut, bool* loaded);
  std::string SaveFile(Faults& f, bool byShortcut);
  bool Chance(int percent);

  // Expectations shared by several actions.
  void ExpectUnchanged(Faults& f, const Before& b);
  void ExpectNoBox(Faults& f);
  void ExpectOnlyWindowBoxes(Faults& f);
  void ExpectBox(Faults& f, std::string_view title, std::string_view text);
  void ExpectDrop(Faults& f, Integer slot, Single x, Single y);
  void ExpectDeleted(Faults& f, const Before& b, Integer slot);

  WindowProbe& probe_;
  ModalAnswerer& answerer_;
  FileCorpus& files_;
  std::mt19937 rng_;
  Mood mood_ = Mood::Grow;
  int moodLeft_ = 0;
  Long laggingTool_ = -1;
  bool odd_ = false;
  std::string answer_;  // what the file dialog answers next
  QPoint pointer_;      // where the last mouse event left the pointer
  long asked_ = 0;      // how often the file dialog was asked
  Tally tally_;
};

}  // namespace tessara::app
