// Texts made below the toolkit that a window shows in its learner's language: an English
// pattern with places %1 to %9, marked for the translators' tools (lupdate
// -tr-function-alias QT_TRANSLATE_NOOP+=TESSARA_PHRASE) in its translators' context, and
// the parts that fill the places, each a phrase of its own (translated too) or a name: a
// gate's, a terminal's, a file's, a number, which reads the same in every language. The
// core and tessara-sim write the English; a window fills its translation of each pattern
// with the parts in its language (app/translated.h).
#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

// Marks a fixed phrase for the translators' tools; it stays the English text here.
#define TESSARA_PHRASE(context, text) text
// Marks a phrase holding a count %n, translated with the plural forms of each language
// (lupdate reads it as QT_TRANSLATE_N_NOOP); its English writes "(s)" where a plural
// adds an s ("%n gate(s)").
#define TESSARA_COUNTED(context, text) text

namespace tessara {

// pattern with each %n (n from 1 to 9) replaced by args[n - 1], in one pass; a %n beyond
// args stays as it is.
std::string Fill(std::string_view pattern, const std::vector<std::string>& args);

struct Phrase {
  const char* context = "";   // the translators' context of pattern; "" for a pattern of no
                              // language, only places and signs ("%1 (%2)|%2|")
  const char* pattern = "";   // English, marked with TESSARA_PHRASE in context; "" for a name
  std::vector<Phrase> parts;  // fill %1, %2, ... (at most 9) in order
  std::string name;           // the text of a name, when there is no pattern
  int count = -1;             // what %n stands for, choosing the plural form; -1 for none

  bool IsName() const { return *pattern == '\0'; }
  // The phrase in English: the pattern filled with its parts' English, or the name; a
  // count takes its plural form only when it is not 1 ("1 step", "2 steps").
  std::string English() const;
  // The English of tessara-sim's formats, which scripts read: as English, but a count
  // always takes the plural form ("settles after 1 steps").
  std::string ToolsEnglish() const;
  // The same words: equal patterns (by their text), parts and names.
  bool operator==(const Phrase& other) const {
    return std::string_view(pattern) == other.pattern && parts == other.parts &&
           name == other.name && count == other.count;
  }
};

// A name, the same in every language.
Phrase Name(std::string name);

// pattern (a literal marked in context) with its places filled by parts in order: each a
// Phrase, or a text taken as a name.
template <typename... Parts>
Phrase Words(const char* context, const char* pattern, Parts&&... parts) {
  static_assert(sizeof...(Parts) <= 9, "a pattern has places %1 to %9");
  Phrase phrase{context, pattern, {}, {}};
  phrase.parts.reserve(sizeof...(Parts));
  [[maybe_unused]] const auto add = [&phrase](auto&& part) {
    if constexpr (std::is_convertible_v<decltype(part), Phrase>) {
      phrase.parts.push_back(std::forward<decltype(part)>(part));
    } else {
      phrase.parts.push_back(Name(std::string(std::forward<decltype(part)>(part))));
    }
  };
  (add(std::forward<Parts>(parts)), ...);
  return phrase;
}

// pattern, no text of any language but places and signs, filled by parts in order as
// Words fills it; a window fills it as it stands.
template <typename... Parts>
Phrase Filled(const char* pattern, Parts&&... parts) {
  return Words("", pattern, std::forward<Parts>(parts)...);
}

// pattern (a literal marked with TESSARA_COUNTED in context) holding %n, which stands
// for count and chooses the plural form, and places filled by parts as Words fills them.
template <typename... Parts>
Phrase Counted(const char* context, const char* pattern, int count, Parts&&... parts) {
  Phrase phrase = Words(context, pattern, std::forward<Parts>(parts)...);
  phrase.count = count;
  return phrase;
}

// The English of a counted pattern: each %n the count, each "(s)" an s unless it is 1
// (or always, with alwaysPlural).
std::string EnglishCount(std::string_view pattern, int count, bool alwaysPlural = false);

// pattern filled with names, in order.
Phrase WordsOfNames(const char* context, const char* pattern,
                    const std::vector<std::string>& names);

// The items joined as a list: "a", "a and b", "a, b and c". Requires at least one item.
Phrase ListOf(std::vector<Phrase> items);

}  // namespace tessara
