#include "io/expression_reader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <utility>

#include "model/kinds.h"
#include "sim/minimal_form.h"

namespace tessara {
namespace {

constexpr const char* kContext = "Build";

// The operators between two operands: how tightly each binds, and whether a run of it
// is one operation of many operands (AND, OR, XOR) or it takes two and no more.
struct Infix {
  std::int32_t kind;
  int level;  // 1 binds loosest
  bool chains;
};
constexpr std::array<Infix, 5> kInfixes = {{
    {kOrGate, 1, true},
    {kNorGate, 1, false},
    {kXorGate, 2, true},
    {kAndGate, 3, true},
    {kNandGate, 3, false},
}};
constexpr int kTightest = 3;
// The most parentheses and negations a line may hold, which bounds how deep its tree
// grows (and the reader's recursion with it).
constexpr int kMaxNesting = 500;

// The signs a learner types for the operators; the words are the kinds' own (kinds.h).
struct Sign {
  std::string_view text;
  std::int32_t kind;
  bool postfix;  // written after its operand
};
const std::array<Sign, 10> kSigns = {{
    {kNotSign, kNotGate, false},
    {"!", kNotGate, false},
    {"~", kNotGate, false},
    {"'", kNotGate, true},
    {kAndSign, kAndGate, false},
    {"*", kAndGate, false},
    {"&", kAndGate, false},
    {"^", kXorGate, false},
    {kOrSign, kOrGate, false},
    {"|", kOrGate, false},
}};

const Infix* FindInfix(std::int32_t kind) { return FindRow(kInfixes, &Infix::kind, kind); }

enum class Type { Input, Output, Number, Word, Operator, Postfix, Open, Close, Equals, End, Other };

struct Token {
  Type type = Type::End;
  std::int32_t kind = kNoGate;  // Operator, Postfix: the operation
  long number = 0;              // Input, Output, Number
  int column = 1;
  std::string text;  // as written
};

bool SameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// Digits as a number, at most a little past the slots (more reads the same).
long Number(std::string_view digits) {
  long n = 0;
  for (char c : digits) n = std::min<long>(n * 10 + (c - '0'), 10L * kSlotCount);
  return n;
}

std::vector<Token> Tokens(std::string_view line) {
  std::vector<Token> tokens;
  std::size_t at = 0;
  int column = 1;
  const auto take = [&](std::size_t bytes) {
    std::string text(line.substr(at, bytes));
    at += bytes;
    const int start = column;
    for (char c : text) column += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return std::pair{text, start};
  };
  while (at < line.size()) {
    const char c = line[at];
    if (c == ' ' || c == '\t') {
      take(1);
      continue;
    }
    Token token;
    if (IsLetter(c) || IsDigit(c)) {
      std::size_t end = at;
      while (end < line.size() && (IsLetter(line[end]) || IsDigit(line[end]))) ++end;
      auto [text, start] = take(end - at);
      token = {Type::Word, kNoGate, 0, start, text};
      const bool numbered = text.size() > 1 && std::all_of(text.begin() + 1, text.end(), IsDigit);
      if (IsDigit(c)) {
        token.type = std::all_of(text.begin(), text.end(), IsDigit) ? Type::Number : Type::Other;
        token.number = Number(text);
      } else if (numbered && (c == 'I' || c == 'i' || c == 'O' || c == 'o')) {
        token.type = c == 'I' || c == 'i' ? Type::Input : Type::Output;
        token.number = Number(std::string_view(text).substr(1));
      }
      for (const KindFacts& kind : kKinds) {
        if (kind.role == KindRole::Logic && SameWord(kind.signal, text)) {
          token.type = Type::Operator;
          token.kind = kind.code;
        }
      }
    } else if (c == '(' || c == ')' || c == '=') {
      auto [text, start] = take(1);
      token = {c == '('   ? Type::Open
               : c == ')' ? Type::Close
                          : Type::Equals,
               kNoGate, 0, start, text};
    } else {
      const auto sign = std::find_if(kSigns.begin(), kSigns.end(), [&](const Sign& s) {
        return line.substr(at, s.text.size()) == s.text;
      });
      std::size_t bytes = 1;
      while (sign == kSigns.end() && at + bytes < line.size() &&
             (static_cast<unsigned char>(line[at + bytes]) & 0xC0) == 0x80)
        ++bytes;
      auto [text, start] = take(sign != kSigns.end() ? sign->text.size() : bytes);
      token = {Type::Other, kNoGate, 0, start, text};
      if (sign != kSigns.end()) {
        token.type = sign->postfix ? Type::Postfix : Type::Operator;
        token.kind = sign->kind;
      }
    }
    tokens.push_back(std::move(token));
  }
  tokens.push_back({Type::End, kNoGate, 0, column, ""});
  return tokens;
}

// A failure at a column of the line being read.
struct Failure {
  int column;
  Phrase reason;
};

Phrase Found(const Token& token) {
  if (token.type == Type::End)
    return Words(kContext, TESSARA_PHRASE("Build", "the end of the line"));
  return Name(token.text);
}

class LineParser {
 public:
  explicit LineParser(std::string_view line) : tokens_(Tokens(line)) {}

  // The output the line names ("O2 ="), 0 for none, and its expression.
  std::pair<long, Expression> Line() {
    int nesting = 0;
    for (const Token& token : tokens_) {
      const bool negation =
          token.type == Type::Postfix || (token.type == Type::Operator && token.kind == kNotGate);
      if ((token.type == Type::Open || negation) && ++nesting > kMaxNesting) {
        throw Failure{
            token.column,
            Words(kContext,
                  TESSARA_PHRASE("Build", "more than %1 parentheses and negations in one line"),
                  std::to_string(kMaxNesting))};
      }
    }
    long output = 0;
    if (Peek().type == Type::Output) {
      const Token name = Take();
      if (Peek().type != Type::Equals)
        Fail(Peek(), TESSARA_PHRASE("Build", "expected =, found %1"));
      Take();
      if (name.number == 0 || name.number > kSlotCount) Beyond(name);
      output = name.number;
    }
    Expression e = Level(1);
    if (Peek().type != Type::End)
      Fail(Peek(), TESSARA_PHRASE("Build", "expected an operator, found %1"));
    return {output, std::move(e)};
  }

  std::size_t Inputs() const { return inputs_; }
  int NameColumn() const { return tokens_.front().column; }

 private:
  const Token& Peek() const { return tokens_[next_]; }
  Token Take() { return tokens_[next_ < tokens_.size() - 1 ? next_++ : next_]; }

  [[noreturn]] static void Fail(const Token& at, const char* pattern) {
    throw Failure{at.column, Words(kContext, pattern, Found(at))};
  }
  [[noreturn]] static void Beyond(const Token& at) {
    throw Failure{at.column,
                  Words(kContext, TESSARA_PHRASE("Build", "a circuit holds no %1"), at.text)};
  }

  const Infix* InfixAt(int level) const {
    const Infix* infix = Peek().type == Type::Operator ? FindInfix(Peek().kind) : nullptr;
    return infix && infix->level == level ? infix : nullptr;
  }

  Expression Level(int level) {
    if (level > kTightest) return Negation();
    Expression first = Level(level + 1);
    const Infix* infix = InfixAt(level);
    if (!infix) return first;
    const Token op = Take();
    Expression joined{op.kind, 0, {std::move(first), Level(level + 1)}};
    while (const Infix* more = InfixAt(level)) {
      if (!infix->chains || !more->chains) {
        const Token& at = Peek();
        throw Failure{
            at.column,
            Words(kContext,
                  TESSARA_PHRASE("Build", "%1 does not chain: put parentheses around one side"),
                  (infix->chains ? at : op).text)};
      }
      Take();
      joined.operands.push_back(Level(level + 1));
    }
    return joined;
  }

  Expression Negation() {
    if (Peek().type == Type::Operator && Peek().kind == kNotGate) {
      const Token op = Take();
      if (Peek().type == Type::Number && Peek().number > 1) GateName(op);
      return {kNotGate, 0, {Negation()}};
    }
    Expression e = Operand();
    while (Peek().type == Type::Postfix) {
      Take();
      e = Expression{kNotGate, 0, {std::move(e)}};
    }
    return e;
  }

  Expression Operand() {
    const Token token = Take();
    switch (token.type) {
      case Type::Input:
        if (token.number == 0 || token.number > kSlotCount) Beyond(token);
        inputs_ = std::max(inputs_, static_cast<std::size_t>(token.number));
        return {kInputGate, static_cast<int>(token.number), {}};
      case Type::Number:
        if (token.number <= 1) return {kNoGate, static_cast<int>(token.number), {}};
        break;
      case Type::Open: {
        Expression e = Level(1);
        if (Peek().type != Type::Close)
          Fail(Peek(), TESSARA_PHRASE("Build", "expected ), found %1"));
        Take();
        return e;
      }
      case Type::Operator:
        if (Peek().type == Type::Number) GateName(token);
        break;
      default:
        break;
    }
    Fail(token, TESSARA_PHRASE("Build", "expected an input name or (, found %1"));
  }

  // "NOR 3", a gate's name as a formula writes it for a loop.
  [[noreturn]] void GateName(const Token& word) const {
    throw Failure{
        word.column,
        Words(kContext,
              TESSARA_PHRASE("Build", "%1 is a gate's name; only inputs can be built from"),
              word.text + ' ' + Peek().text)};
  }

  std::vector<Token> tokens_;
  std::size_t next_ = 0;
  std::size_t inputs_ = 0;
};

std::vector<std::string_view> Lines(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\n' && text[i] != '\r') continue;
    lines.push_back(text.substr(start, i - start));
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  return lines;
}

bool IsExpressionLine(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first != std::string_view::npos && line[first] != '#';
}

ExpressionsResult Failed(Phrase reason) {
  ExpressionsResult result;
  result.error = {std::move(reason), 0};
  return result;
}

}  // namespace

ExpressionsResult ReadExpressions(std::string_view text) {
  const std::vector<std::string_view> lines = Lines(text);
  const auto several = std::count_if(lines.begin(), lines.end(), IsExpressionLine) > 1;
  std::vector<std::optional<Expression>> outputs;
  std::size_t inputs = 0;
  long unnamed = 0;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    if (!IsExpressionLine(lines[n])) continue;
    ++unnamed;
    LineParser parser(lines[n]);
    try {
      auto [output, e] = parser.Line();
      if (output == 0) output = unnamed;
      if (outputs.size() < static_cast<std::size_t>(output))
        outputs.resize(static_cast<std::size_t>(output));
      auto& slot = outputs[static_cast<std::size_t>(output - 1)];
      if (slot) {
        throw Failure{
            parser.NameColumn(),
            Words(kContext, TESSARA_PHRASE("Build", "O%1 is given twice"), std::to_string(output))};
      }
      slot = std::move(e);
      inputs = std::max(inputs, parser.Inputs());
    } catch (Failure& failure) {
      const std::string column = std::to_string(failure.column);
      if (!several) {
        return Failed(Words(kContext, TESSARA_PHRASE("Build", "column %1: %2"), column,
                            std::move(failure.reason)));
      }
      return Failed(Words(kContext, TESSARA_PHRASE("Build", "line %1, column %2: %3"),
                          std::to_string(n + 1), column, std::move(failure.reason)));
    }
  }
  if (outputs.empty())
    return Failed(Words(kContext, TESSARA_PHRASE("Build", "no expression to build")));
  ExpressionsResult result;
  for (std::size_t k = 0; k < outputs.size(); ++k) {
    if (!outputs[k]) {
      return Failed(
          Words(kContext, TESSARA_PHRASE("Build", "O%1 has no expression"), std::to_string(k + 1)));
    }
    result.outputs.push_back(std::move(*outputs[k]));
  }
  result.inputs = inputs;
  return result;
}

}  // namespace tessara
