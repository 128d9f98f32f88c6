#include "arguments.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <limits>

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

// The longest time limit: well over a week.
constexpr int kMaxSeconds = 1000000;

// A positive decimal number of seconds up to kMaxSeconds ("10", "0.5").
std::optional<double> Seconds(std::string_view text) {
  if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos) {
    return std::nullopt;
  }
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !(value > 0) ||
      value > kMaxSeconds) {
    return std::nullopt;
  }
  return value;
}

// Every option of every verb, and what it takes after it.
struct Option {
  std::string_view name;
  enum class Takes { Nothing, Whole, Seconds, Text } takes = Takes::Nothing;
  int min = 0, max = 0;                   // Whole: the range
  std::vector<std::string_view> words{};  // Text: the words it may be; empty: any text but ""

  bool Fits(std::string_view value) const {
    if (takes == Takes::Text) {
      return words.empty() ? !value.empty()
                           : std::find(words.begin(), words.end(), value) != words.end();
    }
    return takes == Takes::Whole ? Number(value, min, max).has_value() : Seconds(value).has_value();
  }
  // What the value must be, for the usage error.
  std::string Wanted() const {
    if (takes == Takes::Text) {
      std::string list;
      for (std::string_view word : words) list += (list.empty() ? "" : ", ") + std::string(word);
      return list.empty() ? "a text" : "one of " + list;
    }
    if (takes == Takes::Whole) {
      return "a whole number from " + std::to_string(min) + " to " + std::to_string(max);
    }
    return "a number of seconds above 0, at most " + std::to_string(kMaxSeconds);
  }
};

const Option kOptions[] = {
    {"--json"},
    {"--junit"},
    {"--strict"},
    {"--timing"},
    {"--wavedrom"},
    {"--testbench"},
    {"--jobs", Option::Takes::Whole, 1, kMaxJobs},
    {"--scale", Option::Takes::Whole, 1, 2},
    {"--max-steps", Option::Takes::Whole, 1, kSettleBound},
    {"--time-limit", Option::Takes::Seconds},
    {"--sequence", Option::Takes::Text},
    {"--gates", Option::Takes::Text, 0, 0, {"any", "nand", "nor"}},
    {"--expr", Option::Takes::Text},
    {"--table", Option::Takes::Text},
};

ParsedArguments Refuse(std::string reason) { return {std::nullopt, std::move(reason)}; }

// Reads the option at args[i] into command, with its value, moving i past what it used;
// the reason when it is unknown to the verb or its value does not fit.
std::optional<std::string> TakeOption(const std::vector<std::string>& args, std::size_t& i,
                                      Command& command) {
  const std::string& arg = args[i];
  const std::size_t equals = arg.find('=');
  const std::string name = arg.substr(0, equals);
  const auto known = std::find_if(std::begin(kOptions), std::end(kOptions),
                                  [&](const Option& o) { return o.name == name; });
  const std::vector<std::string_view>& allowed = command.verb->options;
  if (known == std::end(kOptions) ||
      std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
    return std::string(command.verb->name) + " has no option '" + arg + "'";
  }
  if (known->takes == Option::Takes::Nothing) {
    if (equals != std::string::npos) return name + " takes no value";
    command.options.emplace_back(name, "");
    return std::nullopt;
  }
  std::string value;
  if (equals != std::string::npos) {
    value = arg.substr(equals + 1);
  } else if (i + 1 < args.size()) {
    value = args[++i];
  } else {
    return name + " needs " + known->Wanted();
  }
  if (!known->Fits(value)) return name + " needs " + known->Wanted() + ", not '" + value + "'";
  command.options.emplace_back(name, std::move(value));
  return std::nullopt;
}

// Why command breaks its verb's rules on operand count and exclusive options, or nothing.
std::optional<std::string> Misfit(const Command& command) {
  const Verb& verb = *command.verb;
  const std::string name(verb.name);
  const auto given = static_cast<int>(command.operands.size());
  if (verb.maxOperands == 0 && given > 0) return name + " takes no arguments";
  if (given < verb.minOperands ||
      (verb.maxOperands != Verb::kAnyNumber && given > verb.maxOperands)) {
    return name + " needs " + std::string(verb.operandsWanted);
  }
  const auto together = std::count_if(verb.exclusive.begin(), verb.exclusive.end(),
                                      [&](std::string_view o) { return command.Has(o); });
  if (together > 1) {
    std::string list;
    for (std::string_view o : verb.exclusive) {
      list += (list.empty() ? "" : " and ") + std::string(o);
    }
    return list + " cannot be given together";
  }
  if (verb.checkOperands) return verb.checkOperands(command.operands);
  return std::nullopt;
}

}  // namespace

bool Command::Has(std::string_view option) const {
  return std::any_of(options.begin(), options.end(),
                     [&](const auto& o) { return o.first == option; });
}

std::optional<std::string> Command::Value(std::string_view option) const {
  const auto last = std::find_if(options.rbegin(), options.rend(),
                                 [&](const auto& o) { return o.first == option; });
  if (last == options.rend()) return std::nullopt;
  return last->second;
}

int Command::Number(std::string_view option, int fallback) const {
  const std::optional<std::string> value = Value(option);
  if (!value) return fallback;
  return tool::Number(*value, 0, std::numeric_limits<int>::max()).value_or(fallback);
}

WorkLimits Command::Limits() const {
  WorkLimits limits{Number("--max-steps", kSettleBound), std::nullopt};
  if (const std::optional<std::string> written = Value("--time-limit")) {
    const std::chrono::duration<double> seconds(*Seconds(*written));
    limits.timeLimit =
        TimeLimit{std::chrono::duration_cast<std::chrono::nanoseconds>(seconds), *written};
  }
  return limits;
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
      return Action{Action::Kind::Toggle, static_cast<std::int16_t>(*slot), 0, written};
    }
  } else if (text.front() == 'p') {
    if (rest.empty()) return Action{Action::Kind::Prop, 0, 1, written};
    if (auto steps = Number(rest, 1, kMaxStepsPerAction)) {
      return Action{Action::Kind::Prop, 0, *steps, written};
    }
  }
  return std::nullopt;
}

std::optional<std::string> BadAction(std::span<const std::string> texts) {
  for (const std::string& text : texts) {
    if (!ParseAction(text)) return "bad action '" + text + "' (expected t<slot>, tI<n>, p or p<N>)";
  }
  return std::nullopt;
}

ParsedArguments ParseArguments(std::span<const Verb> verbs, const std::vector<std::string>& args) {
  if (args.empty()) return Refuse("no command given");
  const auto verb = std::find_if(verbs.begin(), verbs.end(),
                                 [&](const Verb& v) { return v.name == args.front(); });
  if (verb == verbs.end()) return Refuse("unknown command '" + args.front() + "'");
  Command command{&*verb, {}, {}};
  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg == "-" || !arg.starts_with('-')) {
      command.operands.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (std::optional<std::string> wrong = TakeOption(args, i, command)) {
      return Refuse(std::move(*wrong));
    }
  }
  if (std::optional<std::string> wrong = Misfit(command)) return Refuse(std::move(*wrong));
  return {std::move(command), {}};
}

}  // namespace tessara::tool
