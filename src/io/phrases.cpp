#include "io/phrases.h"

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

}  // namespace tessara
