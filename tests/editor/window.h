// A loaded window on the stand-in screen, and the user's gestures on it.
#pragma once
#include <gtest/gtest.h>

#include <functional>

#include "circuits.h"
#include "editor/commands.h"
#include "editor/linking.h"
#include "editor/moving.h"
#include "editor/palette.h"
#include "editor/placing.h"
#include "editor/stepping.h"
#include "fake_screen.h"

namespace tessara {
class Window : public ::testing::Test {
 protected:
  Window() { OnWindowOpen(form); }
  // The pointer moves to (x, y) on the canvas and presses there.
  void PressCanvas(float x, float y) {
    OnCanvasMove(form);
    OnCanvasPress(form, x, y);
  }
  // Chooses a tool with its button and presses the canvas at (x, y); returns the slot filled.
  std::int16_t Place(void (*button)(Form&), float x, float y) {
    button(form);
    const std::int16_t slot = *doc.GetFreeGate();
    PressCanvas(x, y);
    return slot;
  }
  // Presses on the output half or the input half of an unturned gate's image.
  void PressOutput(std::int16_t slot) { OnGatePress(form, slot, 600, 300); }
  void PressInput(std::int16_t slot, std::int16_t input = 0) {
    OnGatePress(form, slot, 100, input == 0 ? 300 : 500);
  }
  const Gate& GateAt(std::int16_t slot) const { return form.doc.Gates(slot); }
  const Link& LinkAt(std::int16_t slot) const { return form.doc.Links(slot); }
  // The gate slots in use, or the link slots.
  static constexpr bool kGateSlots = false, kLinkSlots = true;
  std::vector<std::int16_t> Used(bool links) const {
    std::vector<std::int16_t> used;
    for (std::int16_t i = 0; i < kSlotCount; ++i) {
      if (links ? LinkAt(i).GetUsed() : GateAt(i).GetUsed()) used.push_back(i);
    }
    return used;
  }
  testing::FakeScreen screen;
  Form form{screen};
  Document& doc = form.doc;
};
}  // namespace tessara
