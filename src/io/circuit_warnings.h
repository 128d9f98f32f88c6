// What a teacher's `tessara-sim check` warns about in a circuit that loads: gates left
// unfinished and link records that the reader accepts but no editor would write.
#pragma once

#include <string>
#include <vector>

#include "model/document.h"

namespace tessara {

struct CircuitWarning {
  int line =
      0;  // the record's line in the circuit file: gate slot s on 5 + s, link slot l on 56 + l
  std::string text;
};

// The warnings of doc's used gates and used links, ordered by line and, on one line,
// in this order (<kind> as KindName gives it):
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
