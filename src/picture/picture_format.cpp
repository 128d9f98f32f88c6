#include "picture/picture_format.h"

#include <algorithm>
#include <cctype>

namespace tessara {

std::optional<PictureFormat> PictureFormatOf(const std::string& path) {
  const std::size_t dot = path.find_last_of("./");
  if (dot == std::string::npos || path[dot] != '.') return std::nullopt;
  std::string suffix = path.substr(dot + 1);
  std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (suffix == "png") return PictureFormat::Png;
  if (suffix == "svg") return PictureFormat::Svg;
  if (suffix == "pdf") return PictureFormat::Pdf;
  return std::nullopt;
}

}  // namespace tessara
