// The trace: which gate holds each used slot, then every used gate's output after
// loading and after each action, one line each; or the same records as a WaveDrom
// diagram.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.h"
#include "model/document.h"
#include "sim/run_history.h"

namespace tessara::tool {

// "<slot>:<kind>" for every used slot in increasing order, joined by single spaces.
std::string SlotHeader(const Document& doc);

// One character per used slot in increasing slot order: '1' when the gate's current
// output is True, else '0'.
std::string Values(const Document& doc);

// One record of a run: its label as the trace prints it ("load", "t3", "tI2", "p"),
// what caused the step, and the slot a toggle acted on.
struct RunRecord {
  std::string_view label;
  StepCause cause;
  std::int16_t slot;
};

// Powers doc up and calls record after loading and after each toggle and step (`p<N>`
// gives N records), doc holding the state after it. Requires every tI<n> in range.
void RunActions(Document& doc, const std::vector<Action>& actions,
                const std::function<void(const RunRecord&)>& record);

// The first tI<n> action whose n exceeds doc's circuit inputs, if any.
std::optional<Action> InputOutOfRange(const Document& doc, const std::vector<Action>& actions);

// The actions texts write (each one checked by CheckActionsFrom) for doc; nothing, once
// the usage error is written to err, when a tI<n> names an input doc does not have.
std::optional<std::vector<Action>> ActionsFor(const Document& doc,
                                              std::span<const std::string> texts,
                                              std::ostream& err);

// Powers doc up, then writes the header line, "load <values>", and one line
// "<action> <values>" per toggle (as written: "t3", "tI2") and per step ("p"); `p<N>`
// gives N lines. Requires every tI<n> in range.
void WriteTrace(Document& doc, const std::vector<Action>& actions, std::ostream& out);

// The same run as one WaveDrom object {"signal": [{"name", "wave"}, ...]} on one line:
// the circuit inputs I1.., the used gates that are no input, output or node as
// "<kind><slot>" in slot order, then the circuit outputs O1..; a wave has one
// character per record of the text trace, '0' or '1', or '.' when it equals the one
// before. Requires every tI<n> in range.
void WriteWaveDrom(Document& doc, const std::vector<Action>& actions, std::ostream& out);

}  // namespace tessara::tool
