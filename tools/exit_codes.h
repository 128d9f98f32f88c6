// tessara-sim's exit statuses.
#pragma once

namespace tessara::tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadFile = 1;  // cannot read, damaged, cannot write, too many inputs
inline constexpr int kExitUsage = 2;
inline constexpr int kExitDiffers = 3;  // compare: tables differ; check --strict: warnings

}  // namespace tessara::tool
