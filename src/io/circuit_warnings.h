// What a teacher's `tessara-sim check` warns about in a circuit that loads, and what the
// canvas marks: gates left unfinished and link records that the reader accepts but no
// editor would write, each with the gate, input place or link it is about.
#pragma once

#include <string>
#include <vector>

#include "model/document.h"
#include "model/phrase.h"

namespace tessara {

// The translators' context of the warnings' phrases.
inline constexpr const char* kWarningContext = "Warnings";

// What a warning is about, for a canvas to mark it where it belongs.
enum class Problem {
  InputNotLinked,     // gate's input place `input`
  InputLinkedTwice,   // gate's input place `input`, linked more than once
  DrivesNothing,      // gate
  BadOrientation,     // gate
  StartsAtEmptySlot,  // link's start, at the empty slot `gate`
  EndsAtEmptySlot,    // link's end, at the empty slot `gate`
  EndNotANode,        // link's end, marked as a node but at gate `gate`
  StartNotANode,      // link's start, marked as a node but at gate `gate`
};

struct CircuitWarning {
  // The record's line in the circuit file: gate slot s on 5 + s, link slot l on 56 + l.
  int line = 0;
  Phrase text;  // in context kWarningContext; in English as `check` writes it after
                // "FILE:LINE: warning: "
  Problem problem = Problem::InputNotLinked;
  std::int16_t gate = -1;  // the gate slot it is about; for a link, the slot its end names
  int input = -1;          // the input place, for the two input problems; else -1
  std::int16_t link = -1;  // the link slot, for a link's problems; else -1
};

// The warnings of doc's used gates and used links, ordered by line and, on one line,
// in this order (<kind> as KindName gives it; "<kind> <s>" and the kind at the end are
// arguments of the phrases, the numbers too):
//   "<kind> <s> input <n> is not linked"          no used link lands on the input
//   "<kind> <s> input <n> is linked more than once"
//   "<kind> <s> drives nothing"                   no used link starts at it (outputs aside)
//   "<kind> <s> has orientation <o>, outside 0..3"
//   "link <l> starts at empty slot <s>", "link <l> ends at empty slot <s>"
//   "link <l> is marked as ending at a node, but slot <s> holds <kind>", and "starting at"
// A link lands where SetInputValue puts its value: on input 0 of a one-input kind (not,
// output, node) whatever its input number, on input 0 or 1 of a two-input kind and on
// neither for number 2. Circuit inputs have no inputs.
std::vector<CircuitWarning> FindWarnings(const Document& doc);

}  // namespace tessara
