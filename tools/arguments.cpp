#include "arguments.h"

#include <algorithm>
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

// Each verb's name, its options and how many files it takes (at most 0: any number
// from one on).
struct VerbEntry {
  Verb verb;
  std::string_view name;
  std::vector<std::string_view> options;
  int files;
  std::string_view filesWanted;
};

const VerbEntry kVerbs[] = {
    {Verb::Help, "--help", {}, 0, ""},
    {Verb::Help, "-h", {}, 0, ""},
    {Verb::Help, "help", {}, 0, ""},
    {Verb::Trace, "trace", {"--wavedrom"}, 1, "a FILE"},
    {Verb::Table, "table", {"--timing", "--json"}, 1, "one FILE"},
    {Verb::Compare, "compare", {}, 2, "FILE and EXPECTED"},
    {Verb::Resave, "resave", {}, 2, "IN and OUT"},
    {Verb::Check, "check", {"--strict", "--json"}, -1, "at least one FILE"},
    {Verb::Expr, "expr", {}, 1, "one FILE"},
};

ParsedArguments Refuse(std::string reason) { return {std::nullopt, std::move(reason)}; }

}  // namespace

bool Command::Has(std::string_view option) const {
  return std::find(options.begin(), options.end(), option) != options.end();
}

std::optional<Action> ParseAction(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::string_view rest = text.substr(1);
  const std::string written(text);
  if (text.front() == 't' && !rest.empty() && rest.front() == 'I') {
    if (auto n = Number(rest.substr(1), 1, kSlotCount)) {
      return Action{Action::Kind::ToggleInput, 0, *n, written};
    }
  } else if (text.front() == 't') {
    if (auto slot = Number(rest, 0, kSlotCount - 1)) {
      return Action{Action::Kind::Toggle, static_cast<Integer>(*slot), 0, written};
    }
  } else if (text.front() == 'p') {
    if (rest.empty()) return Action{Action::Kind::Prop, 0, 1, written};
    if (auto steps = Number(rest, 1, kMaxStepsPerAction)) {
      return Action{Action::Kind::Prop, 0, *steps, written};
    }
  }
  return std::nullopt;
}

ParsedArguments ParseArguments(const std::vector<std::string>& args) {
  if (args.empty()) return Refuse("no command given");
  const auto entry = std::find_if(std::begin(kVerbs), std::end(kVerbs),
                                  [&](const VerbEntry& e) { return e.name == args.front(); });
  if (entry == std::end(kVerbs)) return Refuse("unknown command '" + args.front() + "'");

  Command command{entry->verb, {}, {}, {}};
  auto rest = args.begin() + 1;
  for (; rest != args.end() && rest->rfind("--", 0) == 0; ++rest) {
    if (std::find(entry->options.begin(), entry->options.end(), *rest) == entry->options.end()) {
      return Refuse(args.front() + " has no option '" + *rest + "'");
    }
    command.options.push_back(*rest);
  }
  if (entry->verb == Verb::Help) {
    if (rest != args.end()) return Refuse("help takes no arguments");
    return {command, {}};
  }
  if (entry->verb == Verb::Trace) {
    if (rest == args.end()) return Refuse("trace needs a FILE");
    command.files.push_back(*rest);
    for (++rest; rest != args.end(); ++rest) {
      std::optional<Action> action = ParseAction(*rest);
      if (!action) return Refuse("bad action '" + *rest + "' (expected t<slot>, tI<n>, p or p<N>)");
      command.actions.push_back(*action);
    }
    return {command, {}};
  }
  command.files.assign(rest, args.end());
  const int given = static_cast<int>(command.files.size());
  if (entry->files > 0 ? given != entry->files : given == 0) {
    return Refuse(args.front() + " needs " + std::string(entry->filesWanted));
  }
  return {command, {}};
}

}  // namespace tessara::tool
