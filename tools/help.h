// What tessara-sim tells its user: the usage, the full help and the version. The usage
// lines are the one statement of every command and option: the man page's synopsis
// and the README's command list say the same, and a test holds them to it.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace tessara::tool {

// The synopsis of every command, printed after a usage error.
std::string_view UsageText();

// The synopsis followed by every command's output format and the exit codes.
std::string HelpText();

// "tessara-sim <version>" and '\n'.
std::string VersionText();

// Writes "tessara-sim: <reason>" and the usage on err; returns the usage exit status.
int UsageError(const std::string& reason, std::ostream& err);

}  // namespace tessara::tool
