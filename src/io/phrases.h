// Fixed phrases a window may translate: an English pattern with %1, %2, ... where names,
// numbers and values go, marked for the translators' tools (lupdate -tr-function-alias
// QT_TRANSLATE_NOOP+=TESSARA_PHRASE) in its translators' context. The core writes the
// English; a window fills its translation of the same pattern with the same arguments.
// Names (of gates, terminals and files) are arguments and never translated.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Marks a fixed phrase for the translators' tools; it stays the English text here.
#define TESSARA_PHRASE(context, text) text

namespace tessara {

// pattern with each %n (n from 1 to 9) replaced by args[n - 1], in one pass; a %n beyond
// args stays as it is.
std::string Fill(std::string_view pattern, const std::vector<std::string>& args);

// A phrase and what goes into it.
struct Phrase {
  const char* context = "";  // the translators' context of pattern
  const char* pattern = "";  // English, marked with TESSARA_PHRASE in context
  std::vector<std::string> args;

  std::string English() const { return Fill(pattern, args); }
  // The same words: equal patterns (by their text) and arguments.
  bool operator==(const Phrase& other) const {
    return std::string_view(pattern) == other.pattern && args == other.args;
  }
};

}  // namespace tessara
