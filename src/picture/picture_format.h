// The formats a picture file can have, by its name's suffix.
#pragma once

#include <optional>
#include <string>

namespace tessara {

enum class PictureFormat { Png, Svg, Pdf };

// The format that path's suffix names (".png", ".svg", ".pdf", in any letter case).
std::optional<PictureFormat> PictureFormatOf(const std::string& path);

}  // namespace tessara
