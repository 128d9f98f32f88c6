// The minimal sum of products of one output's truth table column: the fewest product
// terms, and among those the fewest literals, found exactly (sim/prime_cover.h) for up
// to 8 inputs, and written as a learner reads it.
#pragma once

#include <cstddef>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "sim/prime_cover.h"

namespace tessara {

inline constexpr std::size_t kMaxMinimalInputs = kMaxCoverInputs;

// The signs a sum of products is written with (UTF-8).
inline constexpr std::string_view kNotSign = "\u00AC";  // ¬
inline constexpr std::string_view kAndSign = "\u00B7";  // ·
inline constexpr std::string_view kOrSign = "+";

struct MinimalForm {
  enum class Status {
    Found,          // terms holds the form
    TooManyInputs,  // more than kMaxMinimalInputs inputs: not computed
    NotAFunction,   // some rows do not settle ('~'): unsteadyRows lists them
  };
  Status status = Status::Found;
  // Found: ordered by first row, ties by the inputs they name (I1 first); none for a
  // column of 0s, one term without literals for a column of 1s.
  std::vector<ProductTerm> terms;
  // Found: false when the search for the cover stopped early; terms is then the
  // smallest form found, not proved minimal.
  bool proved = true;
  std::vector<unsigned> unsteadyRows;  // NotAFunction: the '~' rows in table order
};

// The minimal form of a column of a table with `inputs` inputs: one cell '0', '1', '~'
// or 'X' per row in the table's order; an 'X' row may be covered or not, whichever
// makes the form smaller. Above kMaxMinimalInputs the column is not read. A
// stop requested ends the search as its work limit does (proved false).
// Requires column.size() == 2^inputs when inputs <= kMaxMinimalInputs.
MinimalForm Minimise(std::size_t inputs, std::string_view column, std::stop_token stop = {});

// The terms written "¬I1·I2 + I1·¬I2" ("·" AND, "+" OR, "¬" NOT, literals by input),
// "0" for no terms and "1" for a term without literals; UTF-8.
std::string SumOfProducts(std::size_t inputs, const std::vector<ProductTerm>& terms);

}  // namespace tessara
