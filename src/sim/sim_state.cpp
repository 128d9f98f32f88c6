#include "sim/sim_state.h"

#include <functional>
#include <string_view>

namespace tessara {

std::uint8_t SimState::Slot(std::int16_t i) const {
  const auto slot = static_cast<std::size_t>(i);
  return static_cast<std::uint8_t>(bits.at(slot / 2) >> (slot % 2 * 4) & 0xF);
}

// A byte at a time, two slots each, so that a recorded step costs little beside a prop.
SimState CaptureState(const Document& doc) {
  SimState state;
  for (std::size_t byte = 0; byte < state.bits.size(); ++byte) {
    const auto low = static_cast<std::int16_t>(2 * byte);
    unsigned bits = doc.Gates(low).GetSignals();
    const auto high = static_cast<std::int16_t>(low + 1);
    if (high < kSlotCount) bits |= unsigned{doc.Gates(high).GetSignals()} << 4;
    state.bits[byte] = static_cast<std::uint8_t>(bits);
  }
  return state;
}

void RestoreState(Document& doc, const SimState& state) {
  for (std::int16_t i = 0; i < kSlotCount; ++i) doc.RunGate(i).SetSignals(state.Slot(i));
}

std::size_t SimStateHash::operator()(const SimState& state) const {
  return std::hash<std::string_view>{}(
      std::string_view(reinterpret_cast<const char*>(state.bits.data()), state.bits.size()));
}

}  // namespace tessara
