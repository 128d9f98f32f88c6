// Texts made below the toolkit from parts, so that the window can translate them: an
// English pattern with places %1, %2, ... and the parts that fill them, each a phrase of
// its own or a name that reads the same in every language ("I1", "AND 3", a number).
// The window translates each pattern in context kPhraseContext before filling it in;
// English() fills them in as they stand.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Marks an English text for translation in a context; it stays the text it marks. The
// window translates it where it shows it, and lupdate reads it as QT_TRANSLATE_NOOP.
#define TESSARA_TRANSLATE_NOOP(context, text) text

namespace tessara {

inline constexpr const char* kPhraseContext = "Spoken";

struct Phrase {
  std::string_view pattern;   // marked in kPhraseContext; empty for a name
  std::string name;           // the text of a name, used when there is no pattern
  std::vector<Phrase> parts;  // fill %1, %2, ... (at most 9) in order

  bool operator==(const Phrase&) const = default;
};

// A name, the same in every language.
Phrase Name(std::string name);
// pattern (a marked literal) with its places filled by parts in order, each moved in.
template <typename... Parts>
Phrase Words(std::string_view pattern, Parts&&... parts) {
  static_assert(sizeof...(Parts) <= 9, "a pattern has places %1 to %9");
  Phrase phrase{.pattern = pattern, .name = {}, .parts = {}};
  phrase.parts.reserve(sizeof...(Parts));
  (phrase.parts.push_back(std::forward<Parts>(parts)), ...);
  return phrase;
}
// The items joined as a list: "a", "a and b", "a, b and c". Requires at least one item.
Phrase ListOf(std::vector<Phrase> items);
// The phrase in English: each pattern with %1 ... %9 replaced by its parts.
std::string English(const Phrase& phrase);

}  // namespace tessara
