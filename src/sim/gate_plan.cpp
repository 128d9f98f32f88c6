#include "sim/gate_plan.h"

#include <cassert>
#include <map>
#include <memory>
#include <tuple>
#include <utility>

#include "model/gatekinds.h"
#include "model/kinds.h"

namespace tessara {
namespace {

class PlanMaker {
 public:
  PlanMaker(std::size_t inputs, GateSet set) : set_(set) {
    plan_.inputs = inputs;
    for (std::size_t k = 1; k <= inputs; ++k) {
      plan_.terms.push_back(
          {.kind = kInputGate, .input = static_cast<int>(k), .a = kZero, .b = kZero});
    }
  }

  int Make(const Expression& e) {
    if (e.kind == kInputGate) {
      assert(e.value >= 1 && static_cast<std::size_t>(e.value) <= plan_.inputs);
      return e.value - 1;
    }
    if (e.kind == kNoGate) return e.value == 0 ? kZero : Not(kZero);
    if (e.kind == kNotGate) return Not(Make(e.operands.at(0)));
    return Tree(e.kind, e.operands, 0, e.operands.size());
  }

  GatePlan Finish(std::vector<int> outputs) && {
    // Keeps the terms an output reads, in order, and renumbers the signals.
    std::vector<char> read(plan_.terms.size(), 0);
    for (std::size_t k = 0; k < plan_.inputs; ++k) read[k] = 1;
    std::vector<int> pending(outputs.begin(), outputs.end());
    while (!pending.empty()) {
      const int s = pending.back();
      pending.pop_back();
      if (s == kZero || read[static_cast<std::size_t>(s)]) continue;
      read[static_cast<std::size_t>(s)] = 1;
      pending.push_back(Term(s).a);
      pending.push_back(Term(s).b);
    }
    std::vector<int> renumbered(plan_.terms.size(), kZero);
    GatePlan kept;
    kept.inputs = plan_.inputs;
    const auto to = [&](int s) {
      return s == kZero ? kZero : renumbered[static_cast<std::size_t>(s)];
    };
    for (std::size_t t = 0; t < plan_.terms.size(); ++t) {
      if (!read[t]) continue;
      PlanTerm term = plan_.terms[t];
      term.a = to(term.a);
      term.b = to(term.b);
      renumbered[t] = static_cast<int>(kept.terms.size());
      kept.terms.push_back(term);
    }
    for (int& s : outputs) s = to(s);
    kept.outputs = std::move(outputs);
    return kept;
  }

 private:
  const PlanTerm& Term(int s) const { return plan_.terms.at(static_cast<std::size_t>(s)); }

  // operands [from, to) joined by kind as a balanced tree.
  int Tree(std::int32_t kind, const std::vector<Expression>& operands, std::size_t from,
           std::size_t to) {
    if (to - from == 1) return Make(operands[from]);
    const std::size_t middle = from + (to - from + 1) / 2;
    return Op(kind, Tree(kind, operands, from, middle), Tree(kind, operands, middle, to));
  }

  // The gate kind read from, made once: the same kind and signals give the same term.
  int AddGate(std::int32_t kind, int a, int b = kZero) {
    if (InputCount(kind) == 2 && b < a) std::swap(a, b);
    const auto [it, made] = made_.try_emplace({kind, a, b}, static_cast<int>(plan_.terms.size()));
    if (made) plan_.terms.push_back({.kind = kind, .input = 0, .a = a, .b = b});
    return it->second;
  }

  // The gate set's one kind of gate, in the NAND and NOR sets.
  std::int32_t Only() const { return set_ == GateSet::NandOnly ? kNandGate : kNorGate; }

  int Not(int s) {
    if (set_ == GateSet::Any) return AddGate(kNotGate, s);
    if (s != kZero && Term(s).kind == Only() && Term(s).a == Term(s).b) return Term(s).a;
    return AddGate(Only(), s, s);
  }

  int Op(std::int32_t kind, int a, int b) {
    if (set_ == GateSet::Any) return AddGate(kind, a, b);
    // The NOR set is the NAND set's mirror: AND and OR, NAND and NOR trade places.
    const bool nand = set_ == GateSet::NandOnly;
    const std::int32_t same = nand ? kAndGate : kOrGate, other = nand ? kOrGate : kAndGate;
    const std::int32_t negated = nand ? kNandGate : kNorGate;
    if (kind == negated) return AddGate(Only(), a, b);
    if (kind == same) return Not(AddGate(Only(), a, b));
    if (kind == other) return AddGate(Only(), Not(a), Not(b));
    if (kind == (nand ? kNorGate : kNandGate)) return Not(Op(other, a, b));
    assert(kind == kXorGate);
    // Four gates give XOR from NANDs and XNOR from NORs.
    const int both = AddGate(Only(), a, b);
    const int xorOrXnor = AddGate(Only(), AddGate(Only(), a, both), AddGate(Only(), b, both));
    return nand ? xorOrXnor : Not(xorOrXnor);
  }

  GateSet set_;
  GatePlan plan_;
  std::map<std::tuple<std::int32_t, int, int>, int> made_;
};

}  // namespace

bool Expression::Value(unsigned row, std::size_t inputs) const {
  if (kind == kNoGate) return value != 0;
  if (kind == kInputGate) return (row >> (inputs - static_cast<std::size_t>(value)) & 1u) != 0;
  // The operator's own gate, over the operands from the left.
  const std::unique_ptr<Gate> op = MakeGate(kind);
  bool result = operands.at(0).Value(row, inputs);
  if (InputCount(kind) == 1) {
    op->SetInputValue(0, result);
    return op->GetNewOutput();
  }
  for (std::size_t k = 1; k < operands.size(); ++k) {
    op->SetInputValue(0, result);
    op->SetInputValue(1, operands[k].Value(row, inputs));
    result = op->GetNewOutput();
  }
  return result;
}

GatePlan MakePlan(const std::vector<Expression>& outputs, std::size_t inputs, GateSet set) {
  PlanMaker maker(inputs, set);
  std::vector<int> signals;
  for (const Expression& e : outputs) signals.push_back(maker.Make(e));
  return std::move(maker).Finish(std::move(signals));
}

std::string GateSetWord(GateSet set) {
  switch (set) {
    case GateSet::NandOnly:
      return "nand";
    case GateSet::NorOnly:
      return "nor";
    case GateSet::Any:
      break;
  }
  return "any";
}

}  // namespace tessara
