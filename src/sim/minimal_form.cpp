#include "sim/minimal_form.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace tessara {

MinimalForm Minimise(std::size_t inputs, std::string_view column, std::stop_token stop) {
  MinimalForm form;
  if (inputs > kMaxMinimalInputs) {
    form.status = MinimalForm::Status::TooManyInputs;
    return form;
  }
  const std::size_t rows = std::size_t{1} << inputs;
  assert(column.size() == rows);
  RowSet on, open;
  for (unsigned r = 0; r < rows; ++r) {
    if (column[r] == '~') form.unsteadyRows.push_back(r);
    on[r] = column[r] == '1';
    open[r] = column[r] == 'X';
  }
  if (!form.unsteadyRows.empty()) {
    form.status = MinimalForm::Status::NotAFunction;
    return form;
  }
  const std::vector<ProductTerm> primes = PrimeImplicants(inputs, on | open);
  const Cover cover = CheapestCover(inputs, primes, on, std::move(stop));
  for (std::size_t p : cover.chosen) form.terms.push_back(primes[p]);
  std::sort(form.terms.begin(), form.terms.end(), WrittenBefore);
  form.proved = cover.proved;
  return form;
}

std::string SumOfProducts(std::size_t inputs, const std::vector<ProductTerm>& terms) {
  if (terms.empty()) return "0";
  std::string text;
  for (const ProductTerm& term : terms) {
    if (!text.empty()) text += ' ' + std::string(kOrSign) + ' ';
    if (term.care == 0) text += '1';
    bool first = true;
    for (std::size_t k = 1; k <= inputs; ++k) {
      const unsigned bit = 1u << (inputs - k);
      if ((term.care & bit) == 0) continue;
      if (!first) text += kAndSign;
      if ((term.value & bit) == 0) text += kNotSign;
      text += 'I' + std::to_string(k);
      first = false;
    }
  }
  return text;
}

}  // namespace tessara
