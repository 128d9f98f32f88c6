#include "model/phrase.h"

#include <cassert>

namespace tessara {

std::string Fill(std::string_view pattern, const std::vector<std::string>& args) {
  std::string text;
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    const std::size_t n = k + 1 < pattern.size() ? std::size_t(pattern[k + 1] - '0') : 0;
    if (pattern[k] == '%' && n >= 1 && n <= args.size()) {
      text += args[n - 1];
      ++k;
    } else {
      text += pattern[k];
    }
  }
  return text;
}

namespace {

std::string EnglishOf(const Phrase& phrase, bool alwaysPlural) {
  if (phrase.IsName()) return phrase.name;
  std::vector<std::string> english;
  english.reserve(phrase.parts.size());
  for (const Phrase& part : phrase.parts) english.push_back(EnglishOf(part, alwaysPlural));
  return Fill(phrase.count < 0 ? std::string(phrase.pattern)
                               : EnglishCount(phrase.pattern, phrase.count, alwaysPlural),
              english);
}

}  // namespace

std::string EnglishCount(std::string_view pattern, int count, bool alwaysPlural) {
  const std::string number = std::to_string(count);
  const std::string_view plural = count == 1 && !alwaysPlural ? "" : "s";
  std::string text;
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    if (pattern.substr(k, 2) == "%n") {
      text += number;
      ++k;
    } else if (pattern.substr(k, 3) == "(s)") {
      text += plural;
      k += 2;
    } else {
      text += pattern[k];
    }
  }
  return text;
}

std::string Phrase::English() const { return EnglishOf(*this, false); }

std::string Phrase::ToolsEnglish() const { return EnglishOf(*this, true); }

Phrase Name(std::string name) { return {"", "", {}, std::move(name)}; }

Phrase WordsOfNames(const char* context, const char* pattern,
                    const std::vector<std::string>& names) {
  Phrase phrase{context, pattern, {}, {}};
  for (const std::string& name : names) phrase.parts.push_back(Name(name));
  return phrase;
}

// The last two items are joined by "and", every other pair by a comma.
Phrase ListOf(std::vector<Phrase> items) {
  assert(!items.empty());
  Phrase list = std::move(items.back());
  items.pop_back();
  if (!items.empty()) {
    list = Words("Lists", TESSARA_PHRASE("Lists", "%1 and %2"), std::move(items.back()),
                 std::move(list));
    items.pop_back();
  }
  while (!items.empty()) {
    list =
        Words("Lists", TESSARA_PHRASE("Lists", "%1, %2"), std::move(items.back()), std::move(list));
    items.pop_back();
  }
  return list;
}

}  // namespace tessara
