// Replacing a file's content without ever leaving it half written.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/phrase.h"

namespace tessara {

// Writes all of bytes to the open file descriptor fd; returns 0 or an errno value.
using WriteStep = std::function<int(int fd, std::string_view bytes)>;

// The ordinary write step: write(2) until every byte is out.
int WriteAll(int fd, std::string_view bytes);

// Puts bytes into the file at path: they go to a new file beside it (same directory,
// unique name) with the replaced file's permission bits, are flushed to disk and the
// new file is renamed over the old one. A symlink at path stays a link: the file it
// points to is replaced. Anything but a regular file at path is refused. Returns the
// reason on failure, a phrase of context "Files" ("cannot write: No space left on
// device"), with the old file intact and no new file left behind.
std::optional<Phrase> ReplaceFile(const std::string& path, std::string_view bytes,
                                  const WriteStep& write = WriteAll);

}  // namespace tessara
