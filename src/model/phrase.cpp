#include "model/phrase.h"

#include <string_view>

namespace tessara {

bool Phrase::operator==(const Phrase& other) const {
  return std::string_view(pattern) == other.pattern && name == other.name && parts == other.parts;
}

Phrase Name(std::string name) {
  return {.context = "", .pattern = "", .name = std::move(name), .parts = {}};
}

std::string Fill(std::string_view pattern, const std::vector<std::string>& args) {
  std::string text;
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    const char next = k + 1 < pattern.size() ? pattern[k + 1] : '\0';
    const auto n = static_cast<std::size_t>(next - '0');
    if (pattern[k] == '%' && next >= '1' && next <= '9' && n <= args.size()) {
      text += args[n - 1];
      ++k;
    } else {
      text += pattern[k];
    }
  }
  return text;
}

std::string English(const Phrase& phrase) {
  if (*phrase.pattern == '\0') return phrase.name;
  std::vector<std::string> parts;
  parts.reserve(phrase.parts.size());
  for (const Phrase& part : phrase.parts) parts.push_back(English(part));
  return Fill(phrase.pattern, parts);
}

}  // namespace tessara
