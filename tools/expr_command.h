// `tessara-sim expr FILE`: each output's formula and minimal sum of products
// (io/expression_text.h).
#pragma once

#include <ostream>

#include "model/document.h"

namespace tessara::tool {

// Prints the two lines of each output of doc. Returns the exit status, always 0.
int Expr(const Document& doc, std::ostream& out);

}  // namespace tessara::tool
