// The command line of tessara-sim. Everything is parsed before any file is read or
// anything is printed, so a usage error never leaves half an output behind (tI<n>
// alone is checked against the circuit once it is read, still before any output).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/types.h"

namespace tessara::tool {

// The most steps one `p<N>` action may ask for.
inline constexpr int kMaxStepsPerAction = 1000000;

// One action of a trace: toggle the input on a gate slot or the n-th circuit input,
// or take propagation steps.
struct Action {
  enum class Kind { Toggle, ToggleInput, Prop };
  Kind kind = Kind::Prop;
  Integer slot = 0;  // Toggle: the gate slot, 0..50
  int steps = 1;     // Prop: 1..kMaxStepsPerAction; ToggleInput: n, 1 for I1
  std::string text;  // as written, e.g. "t3", "tI2", "p"
};

enum class Verb { Help, Trace, Table, Compare, Resave, Check, Expr };

struct Command {
  Verb verb = Verb::Help;
  std::vector<std::string> options;  // the options given, e.g. "--json"
  std::vector<std::string> files;    // trace, table, expr: one; compare: FILE EXPECTED; resave:
                                     // IN OUT; check: one or more
  std::vector<Action> actions;       // trace only

  bool Has(std::string_view option) const;
};

// A command, or the reason the arguments do not make one.
struct ParsedArguments {
  std::optional<Command> command;
  std::string error;  // meaningful only without a command
};

// Parses the arguments after the program name: the verb, its options, then its files
// and actions.
ParsedArguments ParseArguments(const std::vector<std::string>& args);

// `t<slot>` with slot 0..50, `tI<n>` with n from 1, `p`, or `p<N>` with N
// 1..kMaxStepsPerAction (decimal digits only); nothing for any other text.
std::optional<Action> ParseAction(std::string_view text);

}  // namespace tessara::tool
