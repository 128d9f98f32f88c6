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
  Window() { Form_Load(form); }
  // The pointer moves to (x, y) on the canvas and presses there.
  void PressCanvas(Single x, Single y) {
    Tessara_Frame_MouseMove(form, x, y);
    Tessara_Frame_MouseDown(form);
  }
  // Chooses a tool with its button and presses the canvas at (x, y); returns the slot filled.
  Integer Place(void (*button)(Form&), Single x, Single y) {
    button(form);
    const Integer slot = *doc.GetFreeGate();
    PressCanvas(x, y);
    return slot;
  }
  // Presses on the output half or the input half of an unturned gate's image.
  void PressOutput(Integer slot) { ObjImage_MouseDown(form, slot, 600, 300); }
  void PressInput(Integer slot, Integer input = 0) {
    ObjImage_MouseDown(form, slot, 100, input == 0 ? 300 : 500);
  }
  const gate& Gate(Integer slot) const { return form.doc.Gates(slot); }
  const linkgates& Link(Integer slot) const { return form.doc.Links(slot); }
  // The gate slots in use, or the link slots.
  static constexpr bool kGateSlots = false, kLinkSlots = true;
  std::vector<Integer> Used(bool links) const {
    std::vector<Integer> used;
    for (Integer i = 0; i < kSlotCount; ++i) {
      if (links ? Link(i).GetUsed() : Gate(i).GetUsed()) used.push_back(i);
    }
    return used;
  }
  testing::FakeScreen screen;
  Form form{screen};
  Document& doc = form.doc;
};
}  // namespace tessara
