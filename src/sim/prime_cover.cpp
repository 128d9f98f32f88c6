#include "sim/prime_cover.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <compare>
#include <cstdint>
#include <optional>
#include <stop_token>

namespace tessara {
namespace {

constexpr std::size_t kMaxRows = std::size_t{1} << kMaxCoverInputs;

// The work a search may do, counted in cells of the relaxation visited (rows and
// row-prime pairs, once per step): 4 to 7 s on the build machine.
constexpr long kWorkLimit = 1'000'000'000;

struct Cost {
  int terms = 0, literals = 0;
  auto operator<=>(const Cost&) const = default;
  Cost operator+(const Cost& other) const {
    return {terms + other.terms, literals + other.literals};
  }
  Cost operator-(const Cost& other) const {
    return {terms - other.terms, literals - other.literals};
  }
};

// A set of primes, by index.
class PrimeSet {
 public:
  explicit PrimeSet(std::size_t size, bool full = false)
      : words_((size + 63) / 64, full ? ~std::uint64_t{0} : 0) {
    if (full && size % 64 != 0) words_.back() = (std::uint64_t{1} << (size % 64)) - 1;
  }
  void Add(int p) { words_[Word(p)] |= Bit(p); }
  void Remove(int p) { words_[Word(p)] &= ~Bit(p); }
  bool Contains(int p) const { return (words_[Word(p)] & Bit(p)) != 0; }
  PrimeSet& operator&=(const PrimeSet& other) {
    for (std::size_t w = 0; w < words_.size(); ++w) words_[w] &= other.words_[w];
    return *this;
  }
  bool Within(const PrimeSet& other) const {
    for (std::size_t w = 0; w < words_.size(); ++w) {
      if ((words_[w] & ~other.words_[w]) != 0) return false;
    }
    return true;
  }
  int Count() const {
    int count = 0;
    for (std::uint64_t word : words_) count += std::popcount(word);
    return count;
  }
  // The primes in both, counted up to two, and the last of them.
  int CountCommon(const PrimeSet& other, int& last) const {
    int count = 0;
    for (std::size_t w = 0; w < words_.size() && count < 2; ++w) {
      if (const std::uint64_t both = words_[w] & other.words_[w]; both != 0) {
        count += std::popcount(both);
        last = static_cast<int>(w * 64) + 63 - std::countl_zero(both);
      }
    }
    return count;
  }
  // Calls f(p) for each prime in increasing order; f may remove p.
  template <typename F>
  void ForEach(F&& f) const {
    for (std::size_t w = 0; w < words_.size(); ++w) {
      for (std::uint64_t word = words_[w]; word != 0; word &= word - 1) {
        f(static_cast<int>(w * 64) + std::countr_zero(word));
      }
    }
  }

 private:
  static std::size_t Word(int p) { return static_cast<std::size_t>(p) / 64; }
  static std::uint64_t Bit(int p) { return std::uint64_t{1} << (p % 64); }
  std::vector<std::uint64_t> words_;
};

// Primes chosen, by index, and what they cost together.
struct Choice {
  Cost cost;
  std::vector<int> primes;

  void Add(int p, Cost c) { primes.push_back(p), cost = cost + c; }
  void Add(const Choice& other) {
    primes.insert(primes.end(), other.primes.begin(), other.primes.end());
    cost = cost + other.cost;
  }
};

// Prices in the relaxation of a cover (below) of each row and of the limit on terms.
struct Prices {
  std::array<double, kMaxRows> row{};
  double mu = 0;
};
// The best prices found for a problem, kept for its sub-problems, whose best are close.
struct Relaxation {
  Prices terms, literals;
};

// The cheapest set of primes that covers every row of `on`, by branch and bound. A
// problem is reduced (essential primes taken, dominated primes and rows dropped), cut
// off when a lower bound shows it cannot beat the best cover found so far, split into
// parts that share no prime, each solved alone, or else split in two on one prime,
// taken or not. A greedy cover is the first best.
//
// The lower bound relaxes the cover (Lagrange): instead of requiring that each row r be
// covered, it charges a price u_r >= 0 for each row and pays it back for each prime
// chosen that covers r. Choosing every prime whose cost is below the prices of its rows
// then costs at most as much as any cover, which gives, for any prices,
//   bound(u) = sum of u_r + sum over primes p of min(0, cost_p - sum of u_r for r in p).
// Subgradient steps raise it; it comes close to the linear programme's bound, which the
// term count of a cover rarely exceeds by more than one. Literals are bounded the same
// way among covers of a given number of terms T, that limit priced too (mu >= 0):
// cost_p = literals_p + mu, minus mu * T.
class CoverSearch {
 public:
  CoverSearch(std::size_t rows, const std::vector<ProductTerm>& primes, const RowSet& on,
              std::stop_token stop)
      : rows_(rows), primes_(primes.size()), stop_(std::move(stop)) {
    for (const ProductTerm& prime : primes) {
      RowSet covers;
      auto& list = coverRows_.emplace_back();
      for (unsigned r = 0; r < rows_; ++r) {
        covers[r] = on[r] && prime.Covers(r);
        if (covers[r]) list.push_back(r);
      }
      covers_.push_back(covers);
      costs_.push_back({1, prime.Literals()});
    }
    for (unsigned r = 0; r < rows_; ++r) {
      PrimeSet set(primes_);
      for (int p = 0; p < static_cast<int>(primes_); ++p) {
        if (CoversOf(p)[r]) set.Add(p);
      }
      rowPrimes_.push_back(std::move(set));
    }
    const Problem all{on, PrimeSet(primes_, true)};
    best_ = Greedy(all);
    if (auto better = Solve(all, best_.cost, Relaxation{})) best_ = *better;
  }

  const std::vector<int>& Best() const { return best_.primes; }
  bool Stopped() const { return stopped_; }

 private:
  // A problem: rows still to cover, with the primes still allowed.
  struct Problem {
    RowSet rows;
    PrimeSet allowed;
  };

  const RowSet& CoversOf(int p) const { return covers_[static_cast<std::size_t>(p)]; }
  Cost CostOf(int p) const { return costs_[static_cast<std::size_t>(p)]; }
  PrimeSet PrimesOf(unsigned r, const PrimeSet& allowed) const {
    PrimeSet set = rowPrimes_[r];
    set &= allowed;
    return set;
  }

  void Take(Problem& problem, Choice& taken, int p) const {
    taken.Add(p, CostOf(p));
    problem.rows &= ~CoversOf(p);
    problem.allowed.Remove(p);
  }

  // Among the allowed primes of set: the one with the lowest preference, then covering
  // most rows left, then the cheapest, then the first.
  int Favourite(const Problem& problem, const PrimeSet& set,
                const std::vector<double>& preference) const {
    int best = -1;
    double bestPreference = 0;
    std::size_t bestRows = 0;
    set.ForEach([&](int p) {
      const double pref = preference.empty() ? 0 : preference[static_cast<std::size_t>(p)];
      const std::size_t rows = (CoversOf(p) & problem.rows).count();
      if (best < 0 || pref < bestPreference ||
          (pref == bestPreference &&
           (rows > bestRows || (rows == bestRows && CostOf(p) < CostOf(best))))) {
        best = p, bestPreference = pref, bestRows = rows;
      }
    });
    return best;
  }

  Choice Greedy(Problem problem) const {
    Choice cover;
    while (problem.rows.any()) Take(problem, cover, Favourite(problem, problem.allowed, {}));
    return cover;
  }

  // Takes every prime that alone covers a row; drops primes that cover no row left,
  // primes another covers as much as for no more, and rows whose primes include all of
  // another row's. Repeats until nothing changes. False when a row has no prime left.
  bool Reduce(Problem& problem, Choice& taken) const {
    for (bool changed = true; changed;) {
      changed = false;
      for (unsigned r = 0; r < rows_; ++r) {
        if (!problem.rows[r]) continue;
        int only = -1;
        const int count = rowPrimes_[r].CountCommon(problem.allowed, only);
        if (count == 0) return false;
        if (count == 1) Take(problem, taken, only), changed = true;
      }
      changed = DropDominatedPrimes(problem) || changed;
      changed = DropDominatedRows(problem) || changed;
    }
    return true;
  }

  bool DropDominatedPrimes(Problem& problem) const {
    bool dropped = false;
    PrimeSet others(primes_);  // the primes that cover all of p's rows left
    problem.allowed.ForEach([&](int p) {
      const RowSet mine = CoversOf(p) & problem.rows;
      others = problem.allowed;
      others.Remove(p);
      for (unsigned r : coverRows_[static_cast<std::size_t>(p)]) {
        if (mine[r]) others &= rowPrimes_[r];
      }
      // Of two that cover the same rows for the same cost, the one seen first goes.
      bool dominated = mine.none();
      others.ForEach([&](int q) { dominated = dominated || CostOf(q) <= CostOf(p); });
      if (dominated) problem.allowed.Remove(p), dropped = true;
    });
    return dropped;
  }

  bool DropDominatedRows(Problem& problem) const {
    std::vector<unsigned> rows;
    std::vector<PrimeSet> sets;
    for (unsigned r = 0; r < rows_; ++r) {
      if (problem.rows[r]) rows.push_back(r), sets.push_back(PrimesOf(r, problem.allowed));
    }
    bool dropped = false;
    std::vector<char> gone(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      for (std::size_t j = 0; j < rows.size(); ++j) {
        if (i == j || gone[j] || !sets[j].Within(sets[i])) continue;
        gone[i] = 1;  // whatever covers row j covers row i
        problem.rows[rows[i]] = false;
        dropped = true;
        break;
      }
    }
    return dropped;
  }

  // A problem as the relaxation reads it: its rows left, its primes with their costs
  // and the rows each covers, as positions in that list (from start[c] to start[c + 1]).
  struct Matrix {
    std::vector<unsigned> rows;
    std::vector<int> primes;
    std::vector<double> terms, literals;
    std::vector<std::uint8_t> covers;
    std::vector<std::size_t> start{0};
  };
  Matrix MatrixOf(const Problem& problem) const {
    Matrix m;
    std::array<std::uint8_t, kMaxRows> position{};
    for (unsigned r = 0; r < rows_; ++r) {
      if (!problem.rows[r]) continue;
      position[r] = static_cast<std::uint8_t>(m.rows.size());
      m.rows.push_back(r);
    }
    problem.allowed.ForEach([&](int p) {
      m.primes.push_back(p);
      m.terms.push_back(1);
      m.literals.push_back(CostOf(p).literals);
      for (unsigned r : coverRows_[static_cast<std::size_t>(p)]) {
        if (problem.rows[r]) m.covers.push_back(position[r]);
      }
      m.start.push_back(m.covers.size());
    });
    return m;
  }

  // The relaxation's bound on terms, or with `literals` on literals among covers of at
  // most `terms` terms: the best found from `prices` (left at the best found), stopping
  // once it reaches target. reduced[c] gets prime c's cost less its rows' prices: the
  // bound with that prime forced in rises by its positive part.
  double Relax(const Matrix& m, bool literals, int terms, double target, Prices& prices,
               std::vector<double>& reduced) {
    constexpr int kSteps = 100, kPatience = 5;
    const std::vector<double>& cost = literals ? m.literals : m.terms;
    const std::size_t n = m.rows.size(), columns = m.primes.size();
    std::vector<double> u(n), best(n), g(n);
    for (std::size_t i = 0; i < n; ++i) u[i] = prices.row[m.rows[i]];
    double mu = literals ? prices.mu : 0, bestMu = mu, bestValue = -1, step = 1;
    auto reducedCost = [&](std::size_t c, const std::vector<double>& at, double withMu) {
      double rc = cost[c] + withMu;
      for (std::size_t k = m.start[c]; k < m.start[c + 1]; ++k) rc -= at[m.covers[k]];
      return rc;
    };
    for (int k = 0, stall = 0; k < kSteps && bestValue < target && step > 1e-3; ++k) {
      work_ += static_cast<long>(n + m.covers.size());
      double value = -mu * terms, gMu = -terms, norm = 0;
      for (std::size_t i = 0; i < n; ++i) value += u[i], g[i] = 1;
      for (std::size_t c = 0; c < columns; ++c) {
        const double rc = reducedCost(c, u, mu);
        if (rc >= 0) continue;
        value += rc, gMu += 1;
        for (std::size_t j = m.start[c]; j < m.start[c + 1]; ++j) g[m.covers[j]] -= 1;
      }
      if (value > bestValue) bestValue = value, best = u, bestMu = mu, stall = 0;
      if (++stall > kPatience) step /= 2, stall = 0;
      for (std::size_t i = 0; i < n; ++i) norm += g[i] * g[i];
      if (literals) norm += gMu * gMu;
      if (norm == 0) break;  // the prices are optimal
      const double t = step * (target + 1 - value) / norm;
      for (std::size_t i = 0; i < n; ++i) u[i] = std::max(0.0, u[i] + t * g[i]);
      if (literals) mu = std::max(0.0, mu + t * gMu);
    }
    for (std::size_t i = 0; i < n; ++i) prices.row[m.rows[i]] = best[i];
    if (literals) prices.mu = bestMu;
    reduced.resize(columns);
    for (std::size_t c = 0; c < columns; ++c) reduced[c] = reducedCost(c, best, bestMu);
    return bestValue;
  }

  // Whether a bound in the relaxation's floating point shows the count reaches `at`.
  static bool Reaches(double bound, int at) { return bound > at - 1 + 1e-6; }

  // Cuts a reduced problem against the cover cost it must stay below, `room` (the
  // limit less what is taken). True when it cannot stay below; otherwise drops every
  // prime whose forcing in would show it cannot (setting dropped), and sets each prime's
  // preference for branching, the lower the more the relaxation wants it.
  bool CutOff(Problem& problem, Cost room, Relaxation& prices, bool& dropped,
              std::vector<double>& preference) {
    const Matrix m = MatrixOf(problem);
    std::vector<double> reduced;
    auto drop = [&](double bound, int at) {
      for (std::size_t c = 0; c < m.primes.size(); ++c) {
        if (Reaches(bound + std::max(0.0, reduced[c]), at)) {
          problem.allowed.Remove(m.primes[c]), dropped = true;
        }
      }
    };
    const double terms = Relax(m, false, 0, room.terms + 1e-6, prices.terms, reduced);
    preference.assign(primes_, 0);
    for (std::size_t c = 0; c < m.primes.size(); ++c) {
      preference[static_cast<std::size_t>(m.primes[c])] = reduced[c];
    }
    if (Reaches(terms, room.terms + 1)) return true;
    drop(terms, room.terms + 1);
    if (!Reaches(terms, room.terms)) return false;
    // Every cover left has room.terms terms: it must have fewer literals than room. Prices
    // not yet found for literals start from those for terms times the mean literals.
    if (prices.literals.mu == 0 && std::all_of(m.rows.begin(), m.rows.end(), [&](unsigned r) {
          return prices.literals.row[r] == 0;
        })) {
      double mean = 0;
      for (double l : m.literals) mean += l / static_cast<double>(m.literals.size());
      for (unsigned r : m.rows) prices.literals.row[r] = prices.terms.row[r] * mean;
    }
    const double literals =
        Relax(m, true, room.terms, room.literals - 1 + 1e-6, prices.literals, reduced);
    if (Reaches(literals, room.literals)) return true;
    drop(literals, room.literals);
    return false;
  }

  // The parts of a problem that share no prime, in order of their first rows.
  std::vector<Problem> Parts(const Problem& problem) const {
    std::vector<Problem> parts;
    RowSet left = problem.rows;
    for (unsigned r = 0; r < rows_; ++r) {
      if (!left[r]) continue;
      Problem part{{}, PrimeSet(primes_)};
      part.rows[r] = true;
      for (RowSet reached = part.rows; reached.any();) {  // rows newly reached
        RowSet next;
        for (unsigned s = 0; s < rows_; ++s) {
          if (!reached[s]) continue;
          PrimesOf(s, problem.allowed).ForEach([&](int p) {
            if (!part.allowed.Contains(p)) part.allowed.Add(p), next |= CoversOf(p) & left;
          });
        }
        reached = next & ~part.rows;
        part.rows |= next;
      }
      left &= ~part.rows;
      parts.push_back(std::move(part));
    }
    return parts;
  }

  // The row with the fewest primes left, the first of those.
  unsigned Hardest(const Problem& problem) const {
    unsigned hardest = 0;
    int fewest = -1;
    for (unsigned r = 0; r < rows_; ++r) {
      if (!problem.rows[r]) continue;
      const int count = PrimesOf(r, problem.allowed).Count();
      if (fewest < 0 || count < fewest) hardest = r, fewest = count;
    }
    return hardest;
  }

  // The cheapest cover of problem costing less than limit, or nothing; nothing also
  // once the work limit is reached.
  std::optional<Choice> Solve(Problem problem, Cost limit, Relaxation prices) {
    Choice taken;
    std::vector<double> preference;
    // Primes dropped by the cut are reduced away; the cut runs again only when that
    // took or dropped rows.
    for (bool again = true; again;) {
      if (work_ >= kWorkLimit || stop_.stop_requested()) {
        stopped_ = true;
        return std::nullopt;
      }
      const std::size_t rowsBefore = problem.rows.count(), takenBefore = taken.primes.size();
      if (!Reduce(problem, taken)) return std::nullopt;
      if (problem.rows.none()) return taken.cost < limit ? std::optional(taken) : std::nullopt;
      if (!preference.empty() && problem.rows.count() == rowsBefore &&
          taken.primes.size() == takenBefore) {
        break;
      }
      bool dropped = false;
      if (CutOff(problem, limit - taken.cost, prices, dropped, preference)) return std::nullopt;
      again = dropped;
    }
    std::vector<Problem> parts = Parts(problem);
    if (parts.size() > 1) return SolveParts(parts, taken, limit, prices);
    const int p = Favourite(problem, PrimesOf(Hardest(problem), problem.allowed), preference);
    std::optional<Choice> best;
    Problem with = problem;
    Choice withP = taken;
    Take(with, withP, p);
    if (auto rest = Solve(std::move(with), limit - withP.cost, prices)) {
      withP.Add(*rest);
      best = withP, limit = withP.cost;
    }
    problem.allowed.Remove(p);
    if (auto rest = Solve(std::move(problem), limit - taken.cost, prices)) {
      taken.Add(*rest);
      best = taken;
    }
    return best;
  }

  // Parts share no prime, so the cheapest cover of all is the cheapest of each; each
  // part left to solve needs a term at least.
  std::optional<Choice> SolveParts(const std::vector<Problem>& parts, Choice taken, Cost limit,
                                   const Relaxation& prices) {
    for (std::size_t i = 0; i < parts.size(); ++i) {
      const Cost rest{static_cast<int>(parts.size() - 1 - i), 0};
      auto cover = Solve(parts[i], limit - taken.cost - rest, prices);
      if (!cover) return std::nullopt;
      taken.Add(*cover);
    }
    return taken;
  }

  std::size_t rows_, primes_;
  std::vector<RowSet> covers_;                    // each prime's rows of the on-set
  std::vector<std::vector<unsigned>> coverRows_;  // the same, listed
  std::vector<Cost> costs_;                       // each prime's: one term and its literals
  std::vector<PrimeSet> rowPrimes_;               // each row's primes
  Choice best_;
  std::stop_token stop_;
  long work_ = 0;         // cells of the relaxation visited
  bool stopped_ = false;  // at the work limit or asked to stop
};

}  // namespace

int ProductTerm::Literals() const { return std::popcount(care); }

bool WrittenBefore(const ProductTerm& a, const ProductTerm& b) {
  if (a.FirstRow() != b.FirstRow()) return a.FirstRow() < b.FirstRow();
  return a.care > b.care;
}

std::vector<ProductTerm> PrimeImplicants(std::size_t n, const RowSet& on) {
  assert(n <= kMaxCoverInputs && (on >> (std::size_t{1} << n)).none());
  const unsigned full = (1u << n) - 1;
  const std::size_t size = std::size_t{1} << n;
  std::vector<char> implicant(size * size);
  auto at = [&](unsigned free, unsigned value) -> char& { return implicant[free * size + value]; };
  for (unsigned free = 0; free <= full; ++free) {
    const unsigned fixed = full & ~free, low = free & (0u - free);
    unsigned value = 0;
    do {  // every value of the fixed inputs, 0 first
      at(free, value) =
          free == 0 ? on[value] : at(free ^ low, value) && at(free ^ low, value | low);
      value = (value - fixed) & fixed;
    } while (value != 0);
  }
  std::vector<ProductTerm> primes;
  for (unsigned free = 0; free <= full; ++free) {
    const unsigned fixed = full & ~free;
    unsigned value = 0;
    do {
      bool prime = at(free, value);
      for (unsigned bit = 1; prime && bit <= full; bit <<= 1) {
        if ((fixed & bit) != 0 && at(free | bit, value & ~bit)) prime = false;
      }
      if (prime) primes.push_back({fixed, value});
      value = (value - fixed) & fixed;
    } while (value != 0);
  }
  std::sort(primes.begin(), primes.end(), WrittenBefore);
  return primes;
}

Cover CheapestCover(std::size_t n, const std::vector<ProductTerm>& primes, const RowSet& on,
                    std::stop_token stop) {
  assert(n <= kMaxCoverInputs);
  const CoverSearch search(std::size_t{1} << n, primes, on, std::move(stop));
  Cover cover;
  for (int p : search.Best()) cover.chosen.push_back(static_cast<std::size_t>(p));
  cover.proved = !search.Stopped();
  return cover;
}

}  // namespace tessara
