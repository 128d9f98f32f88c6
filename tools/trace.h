// The trace: which gate holds each used slot, then every used gate's output after
// loading and after each action, one line each.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.h"
#include "model/document.h"

namespace tessara::tool {

// "and", "or", "not", "input", "output", "node", "nand", "nor" or "xor" for the type
// codes 2..10; "?" for any other code.
std::string_view KindName(Long typeCode);

// "<slot>:<kind>" for every used slot in increasing order, joined by single spaces.
std::string SlotHeader(const Document& doc);

// One character per used slot in increasing slot order: '1' when the gate's current
// output is True, else '0'.
std::string Values(const Document& doc);

// Powers doc up, then writes the header line, "load <values>", and one line
// "<action> <values>" per toggle ("t<slot>") and per step ("p"); `p<N>` gives N lines.
void WriteTrace(Document& doc, const std::vector<Action>& actions, std::ostream& out);

}  // namespace tessara::tool
