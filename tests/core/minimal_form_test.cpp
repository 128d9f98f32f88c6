// Minimal sums of products: against brute force for every function of up to 4 inputs
// and random ones up to 8, and as they are written.
#include "sim/minimal_form.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <stop_token>

namespace tessara {
namespace {

struct Cost {
  int terms = 99, literals = 0;
  auto operator<=>(const Cost&) const = default;
};

// Every cube of an n-input table: the rows it covers and its literals.
struct Cube {
  RowSet rows;
  int literals = 0;
};
std::vector<Cube> AllCubes(std::size_t n) {
  std::vector<Cube> cubes;
  for (unsigned care = 0; care < 1u << n; ++care) {
    for (unsigned value = 0; value < 1u << n; ++value) {
      Cube& cube = cubes.emplace_back(Cube{{}, std::popcount(care)});
      for (unsigned r = 0; r < 1u << n; ++r) cube.rows[r] = (r & care) == value;
      if ((value & ~care) != 0) cubes.pop_back();
    }
  }
  return cubes;
}

std::string Column(std::size_t n, const RowSet& on) {
  std::string column(std::size_t{1} << n, '0');
  for (unsigned r = 0; r < 1u << n; ++r) column[r] = on[r] ? '1' : '0';
  return column;
}

// The form covers exactly the '1' rows; returns its cost.
Cost CheckCovers(std::size_t n, const std::string& column, const MinimalForm& form) {
  EXPECT_EQ(form.status, MinimalForm::Status::Found) << column;
  Cost cost{static_cast<int>(form.terms.size()), 0};
  for (const ProductTerm& term : form.terms) cost.literals += term.Literals();
  for (unsigned r = 0; r < 1u << n; ++r) {
    bool covered = false;
    for (const ProductTerm& term : form.terms) covered = covered || term.Covers(r);
    EXPECT_EQ(covered, column[r] == '1') << column << " row " << r;
  }
  return cost;
}

TEST(MinimalForm, OfEveryFunctionOfUpToFourInputsHasTheFewestTermsThenLiteralsOfAnyCover) {
  for (std::size_t n = 0; n <= 4; ++n) {
    // Brute force over all functions at once: the cheapest union of k cubes, k = 0, 1, ...
    const std::size_t functions = std::size_t{1} << (1u << n);
    std::vector<Cost> best(functions);
    best[0] = {0, 0};
    const std::vector<Cube> cubes = AllCubes(n);
    for (int k = 0; k < 9; ++k) {
      for (std::size_t f = 0; f < functions; ++f) {
        if (best[f].terms != k) continue;
        for (const Cube& cube : cubes) {
          Cost& next = best[f | cube.rows.to_ulong()];
          next = std::min(next, Cost{k + 1, best[f].literals + cube.literals});
        }
      }
    }
    for (std::size_t f = 0; f < functions; ++f) {
      const std::string column = Column(n, RowSet(f));
      ASSERT_EQ(CheckCovers(n, column, Minimise(n, column)), best[f]) << column;
    }
  }
}

TEST(MinimalForm,
     OfRandomFunctionsOfFiveToEightInputsIsPrimeAndAsSmallAsABruteForceFindsWhenItCan) {
  std::mt19937 random(20);
  for (std::size_t n = 5; n <= 8; ++n) {
    const std::vector<Cube> cubes = AllCubes(n);
    for (int trial = 0; trial < 60; ++trial) {
      const unsigned ones = trial % 2 == 0 ? 4 + trial % 17 : 1u << (n - 1);  // expected
      RowSet on;
      std::vector<unsigned> onRows;
      for (unsigned r = 0; r < 1u << n; ++r) {
        if (random() % (1u << n) < ones) on[r] = true, onRows.push_back(r);
      }
      const std::string column = Column(n, on);
      const MinimalForm form = Minimise(n, column);
      const Cost cost = CheckCovers(n, column, form);
      for (const ProductTerm& term : form.terms) {  // no literal can go
        for (unsigned bit = 1; bit < 1u << n; bit <<= 1) {
          if ((term.care & bit) == 0) continue;
          const ProductTerm larger{term.care & ~bit, term.value & ~bit};
          bool implicant = true;
          for (unsigned r = 0; r < 1u << n; ++r) implicant &= !larger.Covers(r) || on[r];
          EXPECT_FALSE(implicant) << column;
        }
      }
      if (onRows.size() > 20) continue;
      // Brute force over sets of up to 20 '1' rows: the cheapest cover of each set, by the
      // cube over its first row.
      std::vector<std::pair<std::uint32_t, int>> within;  // cubes inside: rows of onRows, literals
      for (const Cube& cube : cubes) {
        if ((cube.rows & ~on).any()) continue;
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < onRows.size(); ++i) bits |= cube.rows[onRows[i]] ? 1u << i : 0;
        within.push_back({bits, cube.literals});
      }
      std::vector<Cost> best(std::size_t{1} << onRows.size());
      best[0] = {0, 0};
      for (std::uint32_t set = 1; set < best.size(); ++set) {
        for (const auto& [bits, literals] : within) {
          if ((bits & set & (0u - set)) == 0) continue;
          const Cost rest = best[set & ~bits];
          best[set] = std::min(best[set], Cost{rest.terms + 1, rest.literals + literals});
        }
      }
      EXPECT_EQ(cost, best.back()) << column;
    }
  }
}

TEST(MinimalForm, StoppedAtOnceIsStillAFormOfTheFunctionButNotProvedMinimal) {
  std::mt19937 random(8);
  RowSet on;
  for (unsigned r = 0; r < 256; ++r) on[r] = random() % 4 != 0;
  const std::string column = Column(8, on);
  std::stop_source stop;
  stop.request_stop();
  const MinimalForm form = Minimise(8, column, stop.get_token());
  EXPECT_FALSE(form.proved);
  CheckCovers(8, column, form);
}

TEST(MinimalForm, IsWrittenTermByFirstRowLiteralByInputOrSaysWhyThereIsNone) {
  const struct {
    std::size_t inputs;
    std::string column, text;
  } rows[] = {
      {2, "0110", "¬I1·I2 + I1·¬I2"},
      {3, "00010111", "I2·I3 + I1·I3 + I1·I2"},
      {2, "1110", "¬I1 + ¬I2"},
      {2, "0000", "0"},
      {2, "1111", "1"},
      {0, "1", "1"},
  };
  for (const auto& row : rows) {
    const MinimalForm form = Minimise(row.inputs, row.column);
    EXPECT_EQ(SumOfProducts(row.inputs, form.terms), row.text) << row.column;
  }
  const MinimalForm unsteady = Minimise(3, "01~0~111");
  EXPECT_EQ(unsteady.status, MinimalForm::Status::NotAFunction);
  EXPECT_EQ(unsteady.unsteadyRows, (std::vector<unsigned>{2, 4}));
  EXPECT_EQ(Minimise(9, "").status, MinimalForm::Status::TooManyInputs);
}

}  // namespace
}  // namespace tessara
