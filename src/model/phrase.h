// Texts made below the toolkit that a window shows in its learner's language: an English
// pattern with places %1 to %9, marked for the translators' tools in a context, and the
// parts that fill the places, each a phrase of its own or a name that reads the same in
// every language ("I1", "AND 3", a number, a file's path). The core and tessara-sim use
// English(); the window translates each pattern in its context before filling it
// (app/translated.h).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Marks an English literal for translation in a context; it stays the literal. lupdate
// reads it as QT_TRANSLATE_NOOP (-tr-function-alias QT_TRANSLATE_NOOP+=TESSARA_PHRASE).
#define TESSARA_PHRASE(context, text) text

namespace tessara {

struct Phrase {
  const char* context = "";   // the translators' context of pattern; "" for no text, only
                              // places to fill ("%1 (%2)|%2|")
  const char* pattern = "";   // a literal marked with TESSARA_PHRASE; "" for a name
  std::string name;           // the text of a name, used when pattern is ""
  std::vector<Phrase> parts;  // fill %1, %2, ... in order

  // The same words: equal patterns (by their text), names and parts.
  bool operator==(const Phrase& other) const;
};

// A name, the same in every language.
Phrase Name(std::string name);

// pattern (a literal marked in context) with its places filled by parts in order.
template <typename... Parts>
Phrase Words(const char* context, const char* pattern, Parts&&... parts) {
  static_assert(sizeof...(Parts) <= 9, "a pattern has places %1 to %9");
  Phrase phrase{.context = context, .pattern = pattern, .name = {}, .parts = {}};
  phrase.parts.reserve(sizeof...(Parts));
  (phrase.parts.push_back(std::forward<Parts>(parts)), ...);
  return phrase;
}

// pattern, no text of any language but places and signs, filled by parts in order; the
// window fills it as it stands.
template <typename... Parts>
Phrase Filled(const char* pattern, Parts&&... parts) {
  return Words("", pattern, std::forward<Parts>(parts)...);
}

// pattern with each %n (n from 1 to 9) replaced by args[n - 1], in one pass; a %n beyond
// args stays as it is.
std::string Fill(std::string_view pattern, const std::vector<std::string>& args);

// The phrase in English: its pattern filled with its parts in English, or its name.
std::string English(const Phrase& phrase);

}  // namespace tessara
