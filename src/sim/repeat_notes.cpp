#include "sim/repeat_notes.h"

#include <string>

namespace tessara {
namespace {

constexpr const char* kContext = "Repeats";

Phrase Number(auto n) { return Name(std::to_string(n)); }

Phrase RepeatsEvery(std::size_t period, std::size_t from) {
  return Words(kContext, TESSARA_PHRASE("Repeats", "repeats every %1 steps from step %2"),
               Number(period), Number(from));
}

}  // namespace

Phrase RowRepeatNote(const TableRow& row, int bound) {
  if (!row.repeats) {
    return Counted(kContext, TESSARA_COUNTED("Repeats", "no repeat within %n step(s)"), bound);
  }
  if (row.period == 1) {
    return Counted(kContext, TESSARA_COUNTED("Repeats", "settles after %n step(s)"), row.steps);
  }
  return RepeatsEvery(static_cast<std::size_t>(row.period), static_cast<std::size_t>(row.steps));
}

Phrase RepeatNote(const Repeat& repeat) {
  if (repeat.period == 1) {
    return Words(kContext, TESSARA_PHRASE("Repeats", "settled at step %1"), Number(repeat.from));
  }
  return RepeatsEvery(repeat.period, repeat.from);
}

}  // namespace tessara
