// The main window's state, owned for the whole run: the scene the refresh shows (the
// circuit document, its run and the keyboard's marks) and the editor's own state. The handlers of
// editor/ act on it; every handler that changes the document ends with one full refresh
// (DrawCircuit), but File > New, which hides every element and leaves the palette's borders to
// the next refresh.
//
// Invariants the handlers keep between events:
//   - LinkStarted is 0 or 1. While it is 1, link slot CurrentLink holds the segment
//     being drawn: not in use yet, starting at a used gate or at the link's last node.
//     Power may be switched on and off meanwhile; New, Open, an undo and deleting the
//     segment's start end the drawing. While keys.carrying, the focused gate follows
//     the keyboard cursor until Enter puts it down.
//   - EggCounter lies in 0..3.
//   - savedRevision is the document's revision (model/document.h) as last started empty,
//     opened or saved (or brought back with its file by an undo or redo), so the circuit
//     is edited exactly when doc.Revision() differs from it.
//   - history holds the latest powered run or nothing; runRevision, the document's
//     revision when that run began, means something only while history is not empty.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "io/grading.h"
#include "sim/explanation.h"
#include "sim/truth_table.h"
#include "view/scene.h"
#include "view/screen.h"

namespace tessara {

// What a file dialog is for; each purpose remembers its own last choice.
enum class FilePurpose { Circuit, TimelinePicture, TimelineValues, CircuitPicture, WindowPicture };
inline constexpr std::size_t kFilePurposes = 5;

// The last file a dialog of one purpose gave.
struct ChosenFile {
  std::string path;        // "" before the first
  std::size_t filter = 0;  // the filter chosen with it
  std::string circuit;     // the circuit's FilePath then
};

// An exercise's expected answer (editor/expected_answer.h).
struct ExpectedAnswer {
  std::string name;    // its file's name without the folder: "full_adder.expected"
  Expectation answer;  // a truth table, or a sequence the timeline checks
};

// What follows a handler, for the window that called it: the handler has refreshed
// what it changed already.
enum class Follows {
  Nothing,
  OpenWhy,  // show the Why window, which explains whyGate
};

struct Form : Scene {
  explicit Form(Screen& s) : screen(s) {}

  // An edit of several presses under way, one undo step from its first press to its
  // last: a link being drawn, or a gate the keyboard carries.
  bool EditUnderWay() const { return LinkStarted == 1 || keys.carrying; }

  Screen& screen;

  std::int16_t LinkStarted = 0;  // 1 while segment CurrentLink waits for its end
  std::int16_t CurrentLink = 0;  // link slot of the segment being drawn
  std::int16_t EggCounter = 0;   // which riddle a node's double-click shows next

  std::string FilePath;             // the file last opened or saved; "" for a circuit started empty
  std::uint64_t savedRevision = 0;  // the revision when it was started, opened or saved
  std::uint64_t runRevision = 0;    // the revision when the run in `history` began
  std::array<ChosenFile, kFilePurposes> chosen;  // by FilePurpose

  bool showProblems = true;  // Options > Show Problems: the refresh marks the warnings
  // What the truth table window checks against; a new one is a new object, never changed.
  std::shared_ptr<const ExpectedAnswer> expected;

  std::optional<std::int16_t>
      whyGate;                     // the gate the Why window explains at the run's current step
  std::optional<Explanation> why;  // its explanation, brought up to date by every Refresh
  SlotSet expressionTags;  // the gates the truth table window's expressions name by their tags
};

}  // namespace tessara
