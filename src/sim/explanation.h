// Why a gate holds its value at a step of a recorded run, back through time to the
// toggles that caused it. Each gate adds exactly one step of delay, so the answer is
// exact: "why is G = V at step t" begins at the first step t0 of the stretch ending at
// t over which G's output was V. At t0, G was powered up (t0 is step 0), toggled, or
// computed V by a prop step from its input places, each holding its driver's output
// at step t0 - 1 (drivers.h); each deciding input's driver is then asked the same
// about step t0 - 1. Deciding inputs, from the kind's row (DecidingPlaces, kinds.h):
// those holding its controlling value when any does, else every input it reads (AND and
// NAND: the inputs that are 0 when any is, else both; OR and NOR: those that are 1; XOR:
// both; input 0 for NOT, circuit outputs and circuit inputs set through a link). An input
// that is not linked or comes from a bend with no gate before it ends there.
//
// Guarantees: every event (a gate at the step its value began) appears once, latest
// step first and, at one step, in the timeline's row order (signal_rows.h); the count
// of events beyond those listed is exact. Reads the history only, never re-runs a
// step. Costs one sweep back from t over the steps while any question is open, some
// tens of nanoseconds a step and an event: well under a millisecond for 10,000 steps
// (bench: BM_ExplainAfterLongRun), so a window may call it on its main thread after
// every step.
// Never: changes the document or the history.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim/drivers.h"
#include "sim/run_history.h"

namespace tessara {

// The most events an explanation lists; the rest are only counted.
inline constexpr std::size_t kExplainedEvents = 50;

enum class EventCause : std::uint8_t {
  PowerUp,    // the value held since step 0
  Toggle,     // the circuit input was toggled at the event's step
  Prop,       // a prop step computed the value from the inputs
  FirstKept,  // the value held since the first kept step, the steps before it dropped
};

// One deciding input place of a prop event.
struct ExplainedInput {
  std::int16_t place = 0;
  bool value = false;
  Driver::Kind from = Driver::Kind::NotLinked;
  std::int16_t fromSlot = -1;  // Gate: the driving gate; Bend: the node; NotLinked: -1
  std::size_t at = 0;          // Gate, Bend: the step whose value was carried, the event's step - 1
};

struct ExplainedEvent {
  std::size_t step = 0;  // the first step of the stretch over which the gate held value
  std::int16_t slot = 0;
  bool value = false;
  EventCause cause = EventCause::Prop;
  std::vector<ExplainedInput> inputs;  // Prop: the deciding inputs in place order; else none
};

struct Explanation {
  std::int16_t slot = 0;  // the question: gate slot, its value and the step asked about
  bool value = false;
  std::size_t step = 0;
  std::vector<ExplainedEvent> events;  // at most the number asked for, latest step first
  std::size_t more = 0;                // events beyond those listed
  // For highlighting: the gates of every event, listed or not, the gates driving their
  // deciding inputs and the nodes between; the link segments of those inputs.
  SlotSet gates, links;
};

// Why slot holds its value at step `step` of history, which was recorded on doc's
// circuit (its kinds and links; its signals are not read). Lists at most `listed`
// events. Requires: step kept in history (First() to Last()), slot a used gate that is
// no node.
Explanation Explain(const Document& doc, const RunHistory& history, std::int16_t slot,
                    std::size_t step, std::size_t listed = kExplainedEvents);

}  // namespace tessara
