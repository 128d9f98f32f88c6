#include "sim/sim_state.h"

#include <functional>
#include <string_view>

namespace tessara {

std::uint8_t SimState::Slot(Integer i) const {
  const auto slot = static_cast<std::size_t>(i);
  return static_cast<std::uint8_t>(bits.at(slot / 2) >> (slot % 2 * 4) & 0xF);
}

SimState CaptureState(const Document& doc) {
  SimState state;
  for (Integer i = 0; i < kSlotCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    state.bits[slot / 2] |= static_cast<std::uint8_t>(doc.Gates(i).GetSignals() << (slot % 2 * 4));
  }
  return state;
}

void RestoreState(Document& doc, const SimState& state) {
  for (Integer i = 0; i < kSlotCount; ++i) doc.Gates(i).SetSignals(state.Slot(i));
}

std::size_t SimStateHash::operator()(const SimState& state) const {
  return std::hash<std::string_view>{}(
      std::string_view(reinterpret_cast<const char*>(state.bits.data()), state.bits.size()));
}

}  // namespace tessara
