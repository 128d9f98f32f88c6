#include "view/phrase.h"

#include <cassert>

namespace tessara {

Phrase Name(std::string name) { return {.pattern = {}, .name = std::move(name), .parts = {}}; }

// The last two items are joined by "and", every other pair by a comma.
Phrase ListOf(std::vector<Phrase> items) {
  assert(!items.empty());
  Phrase list = std::move(items.back());
  items.pop_back();
  if (!items.empty()) {
    list = Words(TESSARA_TRANSLATE_NOOP("Spoken", "%1 and %2"), std::move(items.back()),
                 std::move(list));
    items.pop_back();
  }
  while (!items.empty()) {
    list =
        Words(TESSARA_TRANSLATE_NOOP("Spoken", "%1, %2"), std::move(items.back()), std::move(list));
    items.pop_back();
  }
  return list;
}

std::string English(const Phrase& phrase) {
  if (phrase.pattern.empty()) return phrase.name;
  std::string text;
  const std::string_view pattern = phrase.pattern;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const bool place = pattern[i] == '%' && next >= '1' && next <= '9';
    const auto part = static_cast<std::size_t>(next - '1');
    if (place && part < phrase.parts.size()) {
      text += English(phrase.parts[part]);
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace tessara
