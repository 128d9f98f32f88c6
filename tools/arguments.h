// The command line of tessara-sim: a verb, then its options and operands in any order.
// An argument that starts with '-' is an option ("--json", "--jobs 4" or "--jobs=4"),
// except "-" alone (standard input) and every argument after "--". Everything is
// checked before any file is read or anything is printed, so a usage error never
// leaves half an output behind (tI<n> alone is checked against the circuit once it is
// read, still before any output).
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "io/grading.h"
#include "model/types.h"

namespace tessara::tool {

// The most steps one `p<N>` action may ask for.
inline constexpr int kMaxStepsPerAction = 1000000;
// The most threads `--jobs` may ask for.
inline constexpr int kMaxJobs = 256;

// One action of a trace: toggle the input on a gate slot or the n-th circuit input,
// or take propagation steps.
struct Action {
  enum class Kind { Toggle, ToggleInput, Prop };
  Kind kind = Kind::Prop;
  std::int16_t slot = 0;  // Toggle: the gate slot, 0..50
  int steps = 1;          // Prop: 1..kMaxStepsPerAction; ToggleInput: n, 1 for I1
  std::string text;       // as written, e.g. "t3", "tI2", "p"
};

struct Command;

// One verb of tessara-sim: a row of the table main.cpp hands to ParseArguments.
struct Verb {
  std::string_view name;
  std::vector<std::string_view> options;  // every option it takes, e.g. "--json"
  int minOperands = 0;
  int maxOperands = 0;              // kAnyNumber: no upper bound
  std::string_view operandsWanted;  // for the usage error: "FILE and EXPECTED"
  // Runs the command, printing on out and err; returns the exit status.
  int (*run)(const Command&, std::ostream& out, std::ostream& err) = nullptr;
  std::vector<std::string_view> exclusive = {};  // options of which at most one may be given
  // Why the operands are wrong beyond their number, or nothing; nullptr: never.
  std::optional<std::string> (*checkOperands)(std::span<const std::string>) = nullptr;
  static constexpr int kAnyNumber = -1;
};

struct Command {
  const Verb* verb = nullptr;
  std::vector<std::pair<std::string, std::string>> options;  // name and value, as given
  std::vector<std::string> operands;                         // files, paths and actions

  bool Has(std::string_view option) const;
  // The value of the option given last, or nothing when it was not given.
  std::optional<std::string> Value(std::string_view option) const;
  // The number given with a whole-number option (checked when parsed), or fallback.
  int Number(std::string_view option, int fallback) const;
  // --max-steps and --time-limit, each as given or its default.
  WorkLimits Limits() const;
};

// A command, or the reason the arguments do not make one.
struct ParsedArguments {
  std::optional<Command> command;
  std::string error;  // meaningful only without a command
};

// Parses the arguments after the program name against the verbs.
ParsedArguments ParseArguments(std::span<const Verb> verbs, const std::vector<std::string>& args);

// `t<slot>` with slot 0..50, `tI<n>` with n from 1, `p`, or `p<N>` with N
// 1..kMaxStepsPerAction (decimal digits only); nothing for any other text.
std::optional<Action> ParseAction(std::string_view text);

// The usage error of the first of texts that is no action; nothing when all are.
std::optional<std::string> BadAction(std::span<const std::string> texts);
// A verb's operand check: its operands from the kFirst-th (0-based) on are actions.
template <std::size_t kFirst>
std::optional<std::string> CheckActionsFrom(std::span<const std::string> operands) {
  return BadAction(operands.subspan(kFirst));
}

}  // namespace tessara::tool
