#include "sim/repeat_notes.h"

namespace tessara {
namespace {

std::string RepeatsEvery(std::size_t period, std::size_t from) {
  return "repeats every " + std::to_string(period) + " steps from step " + std::to_string(from);
}

}  // namespace

std::string RowRepeatNote(const TableRow& row, int bound) {
  if (!row.repeats) return "no repeat within " + std::to_string(bound) + " steps";
  if (row.period == 1) return "settles after " + std::to_string(row.steps) + " steps";
  return RepeatsEvery(static_cast<std::size_t>(row.period), static_cast<std::size_t>(row.steps));
}

std::string RepeatNote(const Repeat& repeat) {
  if (repeat.period == 1) return "settled at step " + std::to_string(repeat.from);
  return RepeatsEvery(repeat.period, repeat.from);
}

}  // namespace tessara
