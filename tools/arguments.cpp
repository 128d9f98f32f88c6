#include "arguments.h"

#include <charconv>

namespace tessara::tool {
namespace {

// The decimal number spelt by digits, when it lies in min..max.
std::optional<int> Number(std::string_view digits, int min, int max) {
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  int value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || value < min || value > max) {
    return std::nullopt;
  }
  return value;
}

std::optional<Verb> VerbNamed(std::string_view name) {
  if (name == "--help" || name == "-h" || name == "help") return Verb::Help;
  if (name == "trace") return Verb::Trace;
  if (name == "table") return Verb::Table;
  if (name == "resave") return Verb::Resave;
  if (name == "check") return Verb::Check;
  return std::nullopt;
}

ParsedArguments Refuse(std::string reason) { return {std::nullopt, std::move(reason)}; }

}  // namespace

std::optional<Action> ParseAction(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::string_view rest = text.substr(1);
  if (text.front() == 't') {
    if (auto slot = Number(rest, 0, kSlotCount - 1)) {
      return Action{Action::Kind::Toggle, static_cast<Integer>(*slot), 0};
    }
  } else if (text.front() == 'p') {
    if (rest.empty()) return Action{Action::Kind::Prop, 0, 1};
    if (auto steps = Number(rest, 1, kMaxStepsPerAction)) return Action{Action::Kind::Prop, 0, *steps};
  }
  return std::nullopt;
}

ParsedArguments ParseArguments(const std::vector<std::string>& args) {
  if (args.empty()) return Refuse("no command given");
  std::optional<Verb> verb = VerbNamed(args.front());
  if (!verb) return Refuse("unknown command '" + args.front() + "'");

  Command command{*verb, {}, {}};
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (*verb == Verb::Help) {
    if (!rest.empty()) return Refuse("help takes no arguments");
    return {command, {}};
  }
  if (*verb == Verb::Trace) {
    if (rest.empty()) return Refuse("trace needs a FILE");
    command.files.push_back(rest.front());
    for (auto it = rest.begin() + 1; it != rest.end(); ++it) {
      std::optional<Action> action = ParseAction(*it);
      if (!action) return Refuse("bad action '" + *it + "' (expected t<slot>, p or p<N>)");
      command.actions.push_back(*action);
    }
    return {command, {}};
  }
  // table and check read one file; resave reads IN and writes OUT.
  const bool resave = *verb == Verb::Resave;
  if (rest.size() != (resave ? 2u : 1u)) {
    return Refuse(args.front() + (resave ? " needs IN and OUT" : " needs one FILE"));
  }
  command.files = rest;
  return {command, {}};
}

}  // namespace tessara::tool
