#include "trace.h"

#include "sim/propagation.h"
#include "used_slots.h"

namespace tessara::tool {

std::string_view KindName(Long typeCode) {
  switch (typeCode) {
    case kAndGate: return "and";
    case kOrGate: return "or";
    case kNotGate: return "not";
    case kInputGate: return "input";
    case kOutputGate: return "output";
    case kBufferGate: return "node";
    case kNandGate: return "nand";
    case kNorGate: return "nor";
    case kXorGate: return "xor";
    default: return "?";
  }
}

std::string SlotHeader(const Document& doc) {
  std::string line;
  for (Integer slot : UsedSlots(doc)) {
    if (!line.empty()) line += ' ';
    line += std::to_string(slot) + ':' + std::string(KindName(doc.Gates(slot).GetType()));
  }
  return line;
}

std::string Values(const Document& doc) {
  std::string values;
  for (Integer slot : UsedSlots(doc)) values += doc.Gates(slot).GetCurrOutput() ? '1' : '0';
  return values;
}

void WriteTrace(Document& doc, const std::vector<Action>& actions, std::ostream& out) {
  doc.PowerOn = true;
  out << SlotHeader(doc) << '\n' << "load " << Values(doc) << '\n';
  for (const Action& action : actions) {
    if (action.kind == Action::Kind::Toggle) {
      ToggleInput(doc, action.slot);
      out << 't' << action.slot << ' ' << Values(doc) << '\n';
      continue;
    }
    for (int step = 0; step < action.steps; ++step) {
      PropStep(doc);
      out << "p " << Values(doc) << '\n';
    }
  }
}

}  // namespace tessara::tool
