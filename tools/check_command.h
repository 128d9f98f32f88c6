// `tessara-sim check`: each file's summary and warnings, as text or JSON lines.
#pragma once

#include <ostream>

#include "arguments.h"

namespace tessara::tool {

// Checks every file of command, also after one that fails. Text: the summary line,
// then "FILE:LINE: warning: TEXT" per warning; --json: one object per file per line.
// A file that cannot be read or is damaged is named on err with its reason. Returns 1
// when any file failed, else 3 with --strict when any file has a warning, else 0.
int Check(const Command& command, std::ostream& out, std::ostream& err);

}  // namespace tessara::tool
