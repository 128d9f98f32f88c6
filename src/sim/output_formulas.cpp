#include "sim/output_formulas.h"

#include <algorithm>
#include <array>

#include "model/kinds.h"
#include "sim/propagation.h"
#include "sim/signal_rows.h"
#include "sim/terminals.h"

namespace tessara {
namespace {

class FormulaWriter {
 public:
  FormulaWriter(const Document& doc, const GateNaming& naming)
      : doc_(doc), naming_(naming), terminals_(FindTerminals(doc)), rows_(SignalRows(doc)) {
    for (auto& places : sources_) places.fill(-1);
    WalkTransferPass(doc_, [this](const Link& link) {
      const KindFacts* kind = doc_.Gates(link.Target).Kind();
      const int place = kind ? CarriedPlace(*kind, link.TargetInput) : -1;
      if (place >= 0) Source(link.Target, place) = link.Source;
    });
  }

  OutputFormula Write(std::int16_t output) {
    formula_ = {};
    onPath_.fill(false);
    OnPath(output) = true;
    WriteGate(Driver(output, 0), false);
    if (formula_.tooLong) formula_.text.clear();
    return formula_;
  }

  const Terminals& terminals() const { return terminals_; }

 private:
  std::int16_t& Source(std::int16_t slot, int place) {
    return sources_[static_cast<std::size_t>(slot)][static_cast<std::size_t>(place)];
  }
  std::int16_t Source(std::int16_t slot, int place) const {
    return sources_[static_cast<std::size_t>(slot)][static_cast<std::size_t>(place)];
  }
  bool& OnPath(std::int16_t slot) { return onPath_[static_cast<std::size_t>(slot)]; }

  bool IsNode(std::int16_t slot) const {
    return doc_.Gates(slot).GetUsed() && HasRole(doc_.Gates(slot), KindRole::Node);
  }

  // The gate whose output input place `place` of slot computes from, nodes followed
  // back to it; -1 for none (an unlinked place, or a ring of nodes no gate feeds).
  std::int16_t Driver(std::int16_t slot, int place) const {
    std::int16_t source = Source(slot, place);
    for (int hops = 0; source >= 0 && IsNode(source); ++hops) {
      if (hops == kSlotCount) return -1;
      source = Source(source, 0);
    }
    return source;
  }

  // "I<n>" or "O<n>" for the slot's place among the terminals.
  // "I1", "O2" or "NOR 3", as the signal rows name it.
  std::string Name(std::int16_t slot) const { return RowName(rows_, slot); }

  void Append(std::string_view text) {
    formula_.text += text;
    formula_.tooLong = formula_.tooLong || formula_.text.size() > kMaxFormulaLength;
  }

  // Writes the formula of the gate in slot (-1: none); as an operand, in parentheses
  // when it is a two-input operation written out.
  void WriteGate(std::int16_t slot, bool operand) {
    if (formula_.tooLong) return;
    if (slot < 0 || !doc_.Gates(slot).GetUsed()) return Append("0");
    const Gate& g = doc_.Gates(slot);
    const bool input = HasRole(g, KindRole::Input), output = HasRole(g, KindRole::Output);
    if (OnPath(slot)) {
      const bool logic = !input && !output;
      if (logic) formula_.named.set(static_cast<std::size_t>(slot));
      const std::string name = logic && naming_ ? naming_(slot) : Name(slot);
      if (formula_.feedback.empty()) formula_.feedback = name;
      return Append(name);
    }
    const bool linkedInput = input && Source(slot, 0) >= 0;
    if ((input && !linkedInput) || output) return Append(Name(slot));
    OnPath(slot) = true;
    if (linkedInput) {
      WriteGate(Driver(slot, 0), operand);
    } else if (ReadPlaces(*g.Kind()) == 1) {
      const std::string op(g.Kind()->signal);
      Append(op + ' ');
      WriteGate(Driver(slot, 0), true);
    } else {
      const std::string op(g.Kind()->signal);
      if (operand) Append("(");
      WriteGate(Driver(slot, 0), true);
      Append(' ' + op + ' ');
      WriteGate(Driver(slot, 1), true);
      if (operand) Append(")");
    }
    OnPath(slot) = false;
  }

  const Document& doc_;
  const GateNaming& naming_;
  const Terminals terminals_;
  const std::vector<SignalRow> rows_;
  // The source slot of the segment last carried to each gate's input places 0 and 1.
  std::array<std::array<std::int16_t, 2>, kSlotCount> sources_;
  std::array<bool, kSlotCount> onPath_{};  // the gates being written out
  OutputFormula formula_;
};

}  // namespace

std::vector<OutputFormula> OutputFormulas(const Document& doc, const GateNaming& naming) {
  FormulaWriter writer(doc, naming);
  std::vector<OutputFormula> formulas;
  for (std::int16_t output : writer.terminals().outputs) formulas.push_back(writer.Write(output));
  return formulas;
}

}  // namespace tessara
