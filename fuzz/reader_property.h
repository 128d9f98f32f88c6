// The circuit file reader's promises for any bytes, shared by the fuzz target and the corpus test.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tessara::fuzz {
// Reads text with ReadCircuit and checks that it either refuses with a reason and
// the line of the failing field (1 up to the text's line count), or gives a document
// whose every link names slots 0..50 and inputs 0..2, whose every gate slot holds a
// known kind with all values False, that writes as 106 CRLF lines reading back to a
// document that writes the same, and that survives a few propagation steps.
// Returns the first promise broken, or nothing when all hold.
std::optional<std::string> CheckReader(std::string_view text);
}  // namespace tessara::fuzz
