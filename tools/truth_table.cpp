#include "truth_table.h"

#include <bitset>
#include <string>

#include "model/gatekinds.h"
#include "sim/propagation.h"

namespace tessara::tool {
namespace {

// The circuit of doc as loading its file would give it: the used gates at their
// places, every link slot as it is, every value False.
Document AsLoaded(const Document& doc) {
  Document copy;
  for (Integer i = 0; i < kSlotCount; ++i) {
    const gate& original = doc.Gates(i);
    if (original.GetUsed()) {
      if (std::unique_ptr<gate> fresh = MakeGate(original.GetType())) {
        fresh->ReadData(original.GetX(), original.GetY(), true, original.GetOrientation());
        copy.PutGate(i, std::move(fresh));
      }
    }
    copy.Links(i) = doc.Links(i);
  }
  return copy;
}

std::bitset<kSlotCount> Outputs(const Document& doc) {
  std::bitset<kSlotCount> outputs;
  for (Integer i = 0; i < kSlotCount; ++i) outputs[i] = doc.Gates(i).GetCurrOutput();
  return outputs;
}

// Steps doc until a step changes no output; false when kSettleSteps did not do it.
bool Settle(Document& doc) {
  for (int step = 0; step < kSettleSteps; ++step) {
    const std::bitset<kSlotCount> before = Outputs(doc);
    PropStep(doc);
    if (Outputs(doc) == before) return true;
  }
  return false;
}

// Steps doc kWatchSteps times; the slots whose output changed on any of the steps.
std::bitset<kSlotCount> Unsteady(Document& doc) {
  std::bitset<kSlotCount> changed;
  for (int step = 0; step < kWatchSteps; ++step) {
    const std::bitset<kSlotCount> before = Outputs(doc);
    PropStep(doc);
    changed |= before ^ Outputs(doc);
  }
  return changed;
}

// The output cells of the row for one combination of the inputs.
std::vector<std::string> Row(const Document& circuit, const Terminals& terminals,
                             unsigned combination) {
  Document doc = AsLoaded(circuit);
  doc.PowerOn = true;
  const std::size_t n = terminals.inputs.size();
  for (std::size_t k = 0; k < n; ++k) {
    if (combination >> (n - 1 - k) & 1u) ToggleInput(doc, terminals.inputs[k]);
  }
  const std::bitset<kSlotCount> unsteady = Settle(doc) ? std::bitset<kSlotCount>() : Unsteady(doc);
  std::vector<std::string> cells;
  for (Integer slot : terminals.outputs) {
    cells.push_back(unsteady[slot] ? "~" : doc.Gates(slot).GetCurrOutput() ? "1" : "0");
  }
  return cells;
}

void WriteLine(const std::vector<std::string>& left, const std::vector<std::string>& right,
               std::ostream& out) {
  std::string line;
  for (const std::string& cell : left) line += cell + ' ';
  line += '|';
  for (const std::string& cell : right) line += ' ' + cell;
  out << line << '\n';
}

}  // namespace

void WriteTruthTable(const Document& circuit, std::ostream& out) {
  const Terminals terminals = FindTerminals(circuit);
  std::vector<std::string> inputNames, outputNames;
  for (std::size_t k = 1; k <= terminals.inputs.size(); ++k) inputNames.push_back("I" + std::to_string(k));
  for (std::size_t k = 1; k <= terminals.outputs.size(); ++k) outputNames.push_back("O" + std::to_string(k));
  WriteLine(inputNames, outputNames, out);

  const std::size_t n = terminals.inputs.size();
  for (unsigned combination = 0; combination < (1u << n); ++combination) {
    std::vector<std::string> inputs;
    for (std::size_t k = 0; k < n; ++k) inputs.push_back(combination >> (n - 1 - k) & 1u ? "1" : "0");
    WriteLine(inputs, Row(circuit, terminals, combination), out);
  }
}

}  // namespace tessara::tool
