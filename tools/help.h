// What tessara-sim tells its user: the short usage and the full help.
#pragma once

#include <string>
#include <string_view>

namespace tessara::tool {

// The synopsis of every command, printed after a usage error.
std::string_view UsageText();

// The synopsis followed by every command's output format and the exit codes.
std::string HelpText();

}  // namespace tessara::tool
