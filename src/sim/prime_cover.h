// Two-level minimisation of a Boolean function of up to 8 inputs, given by the rows
// where it is 1: its prime implicants by Quine-McCluskey's merging of cubes, and the
// cheapest set of them that covers it (fewest terms, then fewest literals), by an
// exact branch and bound.
//
// The search is exact, but some functions (symmetric ones of 8 inputs, such as "3 to 5
// of 8 inputs are 1") would need hours to prove their cover minimal: it stops after a
// fixed amount of work, 5 to 7 s of CPU on the build machine, or when asked to, and
// then says so. Random functions of 8 inputs take from well under a millisecond to a
// few hundred, rarely over a second (see the README's figures). Standard library only;
// nothing is shared between calls.
#pragma once

#include <bitset>
#include <cstddef>
#include <stop_token>
#include <vector>

namespace tessara {

inline constexpr std::size_t kMaxCoverInputs = 8;
// A set of rows of a table with at most kMaxCoverInputs inputs; bit r is row r.
using RowSet = std::bitset<std::size_t{1} << kMaxCoverInputs>;

// A product of literals over the inputs I1..In of a table with n inputs; input Ik owns
// bit n - k of a row number (I1 the top bit, as rows count in the table).
struct ProductTerm {
  unsigned care = 0;   // the bits of the inputs that appear in the product
  unsigned value = 0;  // their values in the rows it covers; 0 on every other bit

  bool Covers(unsigned row) const { return (row & care) == value; }
  // The first row it covers in table order.
  unsigned FirstRow() const { return value; }
  int Literals() const;
  bool operator==(const ProductTerm&) const = default;
};

// The order terms are written in: by first row, then by the inputs they name (I1 first).
bool WrittenBefore(const ProductTerm& a, const ProductTerm& b);

// Every prime implicant of the function that is 1 on the rows `on` of an n-input table,
// in written order. Requires n <= kMaxCoverInputs and no row of `on` at 2^n or above.
std::vector<ProductTerm> PrimeImplicants(std::size_t n, const RowSet& on);

struct Cover {
  std::vector<std::size_t> chosen;  // indices of the primes chosen, in no order
  bool proved = true;               // false: the search stopped early; chosen is the cheapest found
};

// The cheapest set of primes whose rows together are `on`: the fewest terms, then the
// fewest literals; among equals, the same one every time. Stops early at its work limit
// or once stop is requested. Requires primes to be the prime implicants of `on`
// (PrimeImplicants) in an n-input table, or of `on` with rows that may be covered or
// not (don't cares), which then are left uncovered unless that costs less.
Cover CheapestCover(std::size_t n, const std::vector<ProductTerm>& primes, const RowSet& on,
                    std::stop_token stop = {});

}  // namespace tessara
