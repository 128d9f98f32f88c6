// The keys' commands, each a short function named for the learner's act; a key that
// cannot act where the focus is changes nothing.
#include "editor/keyboard.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "editor/linking.h"
#include "editor/moving.h"
#include "editor/palette.h"
#include "editor/placing.h"
#include "editor/refresh.h"
#include "editor/stepping.h"
#include "model/cell.h"
#include "model/kinds.h"
#include "sim/drivers.h"
#include "view/display.h"
#include "view/tools.h"

namespace tessara {
namespace {

constexpr float kStep = 75;      // the cursor's move with Shift, and a carried gate's
constexpr float kFineStep = 15;  // with Control and Shift

bool IsNode(const Gate& g) { return HasRole(g, KindRole::Node); }
bool Drawing(const Form& form) { return form.LinkStarted == 1; }

// Where the keyboard stands on a gate: the middle of its cell; on a bend, its corner,
// where B puts a bend.
TwipsXY Anchor(const Gate& g) {
  const float offset = IsNode(g) ? 0 : kHalfCell;
  return {g.GetX() + offset, g.GetY() + offset};
}

DragSource SourceOf(const Form& form, std::int16_t slot) {
  return {IsNode(form.doc.Gates(slot)) ? DragPool::NodeMarker : DragPool::GateImage, slot};
}

// A gate a link can end at: one with an input, bends aside.
bool TakesLinks(const Gate& g) {
  const KindFacts* kind = FindKind(g.GetType());
  return kind && kind->inputs > 0 && kind->role != KindRole::Node;
}

// The focused gate or bend that an edit may pick up (carry or delete): not while powered.
std::optional<std::int16_t> PickedUp(const Form& form) {
  return form.doc.PowerOn ? std::nullopt : FocusedSlot(form);
}

// The upright cell's point on gate slot's image, in its orientation; nothing for an
// orientation outside 0..3.
std::optional<CellPoint> PointOn(const Form& form, std::int16_t slot, CellPoint upright) {
  return FromUpright(upright, form.doc.Gates(slot).GetOrientation());
}

// An arrow's direction, a step of one along x or y.
TwipsXY DirectionOf(Key arrow) {
  return {arrow == Key::Left    ? -1.0f
          : arrow == Key::Right ? 1.0f
                                : 0.0f,
          arrow == Key::Up     ? -1.0f
          : arrow == Key::Down ? 1.0f
                               : 0.0f};
}

// Focus: the gate nearest the focus (or the cursor) in the arrow's direction, judged by
// the distance along it plus twice the distance across; while a link is drawn, only
// gates it can end at.
void MoveFocus(Form& form, KeyPress press) {
  const TwipsXY d = DirectionOf(press.key);
  const std::optional<std::int16_t> focus = FocusedSlot(form);
  const TwipsXY from =
      focus ? Anchor(form.doc.Gates(*focus)) : TwipsXY{form.keys.cursorX, form.keys.cursorY};
  float best = std::numeric_limits<float>::max();
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    const Gate& g = form.doc.Gates(i);
    if (!g.GetUsed() || i == focus || (Drawing(form) && !TakesLinks(g))) continue;
    const TwipsXY to = Anchor(g);
    const float along = (to.x - from.x) * d.x + (to.y - from.y) * d.y;
    const float across = std::abs((to.x - from.x) * d.y + (to.y - from.y) * d.x);
    if (along > 0 && along + 2 * across < best) {
      best = along + 2 * across;
      form.keys.focus = i;
    }
  }
}

// Carrying: the carried gate dropped with its anchor on the cursor, as a drag dropped
// there; carrying ends when the gate is gone or the power is on.
void Carry(Form& form) {
  const std::optional<std::int16_t> slot = PickedUp(form);
  if (!slot) {
    form.keys.carrying = false;
    return;
  }
  const Gate& g = form.doc.Gates(*slot);
  DragSource carried = SourceOf(form, *slot);
  carried.grabX = carried.grabY = Anchor(g).x - g.GetX();
  OnCanvasDrop(form, carried, form.keys.cursorX, form.keys.cursorY);
}

void MoveCursor(Form& form, KeyPress press, float step) {
  const TwipsXY d = DirectionOf(press.key);
  form.keys.cursorX = std::clamp(form.keys.cursorX + d.x * step, float{0}, kCanvasWidth);
  form.keys.cursorY = std::clamp(form.keys.cursorY + d.y * step, float{0}, kCanvasHeight);
  if (form.keys.carrying) Carry(form);
}

void Arrow(Form& form, KeyPress press) {
  if (form.keys.carrying) {
    MoveCursor(form, press, kStep);
  } else {
    MoveFocus(form, press);
  }
}

void CursorStep(Form& form, KeyPress press) { MoveCursor(form, press, kStep); }
void CursorFineStep(Form& form, KeyPress press) { MoveCursor(form, press, kFineStep); }

// 1 chooses the palette's first tool, ... 9 its ninth, 0 its tenth.
void ChooseToolByDigit(Form& form, KeyPress press) {
  ChooseTool(form, kPaletteOrder.at(static_cast<std::size_t>((press.digit + 9) % 10)));
}

// A press on the canvas at the cursor; a gate it places takes the focus.
void PlaceAtCursor(Form& form) {
  const std::optional<std::int16_t> free = form.doc.GetFreeGate();
  OnCanvasPress(form, form.keys.cursorX, form.keys.cursorY);
  if (free && form.doc.Gates(*free).GetUsed()) form.keys.focus = free;
}

// The first input place of slot that no link reaches; place 0 when none is free.
std::int16_t FirstFreePlace(const Form& form, std::int16_t slot) {
  const DriverTable drivers = FindDrivers(form.doc);
  const int places = FindKind(form.doc.Gates(slot).GetType())->inputs;
  for (std::int16_t place = 0; place < places; ++place) {
    const auto& driver = drivers[static_cast<std::size_t>(slot)][static_cast<std::size_t>(place)];
    if (driver.kind == Driver::Kind::NotLinked) return place;
  }
  return 0;
}

// A press on the input half of the focused gate that chooses its first free place.
void EndLinkAtFocus(Form& form) {
  const std::optional<std::int16_t> target = FocusedSlot(form);
  if (!target || !TakesLinks(form.doc.Gates(*target)) || form.doc.CurrentTool != kLinkTool ||
      form.doc.PowerOn)
    return;
  const float y = FirstFreePlace(form, *target) == 0 ? kHalfCell / 2 : kCellSize - kHalfCell / 2;
  if (const std::optional<CellPoint> p = PointOn(form, *target, {kHalfCell / 2, y})) {
    OnGatePress(form, *target, p->x, p->y);
  }
}

void EnterKey(Form& form, KeyPress) {
  if (form.keys.carrying) {
    form.keys.carrying = false;
  } else if (Drawing(form)) {
    EndLinkAtFocus(form);
  } else {
    PlaceAtCursor(form);
  }
}

void ToggleFocus(Form& form, KeyPress) {
  const std::optional<std::int16_t> slot = FocusedSlot(form);
  if (slot && form.doc.PowerOn && HasRole(form.doc.Gates(*slot), KindRole::Input)) {
    OnGatePress(form, *slot, 0, 0);
  }
}

void TurnFocus(Form& form, KeyPress) {
  const std::optional<std::int16_t> slot = FocusedSlot(form);
  if (slot && !IsNode(form.doc.Gates(*slot))) OnGateDoubleClick(form, *slot);
}

void DeleteFocus(Form& form, KeyPress) { OnTrashKey(form); }

void StartCarry(Form& form, KeyPress) {
  const std::optional<std::int16_t> slot = PickedUp(form);
  if (!slot || Drawing(form)) return;
  const TwipsXY anchor = Anchor(form.doc.Gates(*slot));
  form.keys.cursorX = anchor.x;
  form.keys.cursorY = anchor.y;
  form.keys.carrying = true;
}

// The link tool, then a press on the focused gate's output half.
void StartLinkAtFocus(Form& form, KeyPress) {
  const std::optional<std::int16_t> slot = FocusedSlot(form);
  if (!slot || IsNode(form.doc.Gates(*slot)) || Drawing(form) || form.doc.PowerOn) return;
  if (form.doc.CurrentTool != kLinkTool) OnLinkTool(form);
  const CellPoint p =
      PointOn(form, *slot, {kCellSize - kHalfCell / 2, kHalfCell}).value_or(CellPoint{0, 0});
  OnGatePress(form, *slot, p.x, p.y);
}

// A press on the canvas at the cursor while a link is drawn with the link tool.
void BendAtCursor(Form& form, KeyPress) {
  if (!Drawing(form) || form.doc.CurrentTool != kLinkTool) return;
  OnCanvasPress(form, form.keys.cursorX, form.keys.cursorY);
}

void Prop(Form& form, KeyPress) { OnProp(form); }

constexpr KeyCommand kKeyCommands[] = {
    {Key::None, Modifiers::None, TESSARA_PHRASE("Keyboard", "Tab, Shift+Tab"),
     TESSARA_PHRASE("Keyboard",
                    "Move between the palette, the canvas, the trash can, Power and prop"),
     nullptr, false},
    {Key::None, Modifiers::None, TESSARA_PHRASE("Keyboard", "Arrows on the palette"),
     TESSARA_PHRASE("Keyboard", "Choose the tool in that direction"), nullptr, false},
    {Key::Left, Modifiers::None, TESSARA_PHRASE("Keyboard", "Arrows"),
     TESSARA_PHRASE(
         "Keyboard",
         "Focus the nearest gate or bend in that direction; while a link is drawn, the nearest "
         "gate it can end at; while moving, carry the gate 5 pixels"),
     Arrow, true},
    {Key::Left, Modifiers::Shift, TESSARA_PHRASE("Keyboard", "Shift+Arrows"),
     TESSARA_PHRASE("Keyboard", "Move the cross-hair (and a gate being moved) 5 pixels"),
     CursorStep, true},
    {Key::Left, Modifiers::ControlShift, TESSARA_PHRASE("Keyboard", "Ctrl+Shift+Arrows"),
     TESSARA_PHRASE("Keyboard", "Move the cross-hair (and a gate being moved) 1 pixel"),
     CursorFineStep, true},
    {Key::Digit, Modifiers::None, TESSARA_PHRASE("Keyboard", "1 to 0"),
     TESSARA_PHRASE(
         "Keyboard",
         "Choose the tools in the palette's order: cross, link, AND, NAND, OR, NOR, NOT, XOR, "
         "input, output"),
     ChooseToolByDigit, false},
    {Key::Enter, Modifiers::None, TESSARA_PHRASE("Keyboard", "Enter"),
     TESSARA_PHRASE(
         "Keyboard",
         "Place the chosen tool's gate at the cross-hair; while a link is drawn, end it at the "
         "focused gate's first free input; while moving, put the gate down"),
     EnterKey, true},
    {Key::Space, Modifiers::None, TESSARA_PHRASE("Keyboard", "Space"),
     TESSARA_PHRASE("Keyboard", "Toggle the focused input while powered"), ToggleFocus, false},
    {Key::R, Modifiers::None, TESSARA_PHRASE("Keyboard", "R"),
     TESSARA_PHRASE("Keyboard", "Turn the focused gate a quarter"), TurnFocus, false},
    {Key::Delete, Modifiers::None, TESSARA_PHRASE("Keyboard", "Delete"),
     TESSARA_PHRASE("Keyboard",
                    "Delete the focused gate with its links, or the link through the focused bend"),
     DeleteFocus, false},
    {Key::M, Modifiers::None, TESSARA_PHRASE("Keyboard", "M"),
     TESSARA_PHRASE("Keyboard",
                    "Move the focused gate or bend: arrows carry it, Enter puts it down"),
     StartCarry, false},
    {Key::L, Modifiers::None, TESSARA_PHRASE("Keyboard", "L"),
     TESSARA_PHRASE("Keyboard", "Start a link at the focused gate's output, with the link tool"),
     StartLinkAtFocus, false},
    {Key::B, Modifiers::None, TESSARA_PHRASE("Keyboard", "B"),
     TESSARA_PHRASE("Keyboard", "Bend the link being drawn at the cross-hair"), BendAtCursor,
     false},
    {Key::P, Modifiers::None, TESSARA_PHRASE("Keyboard", "P"),
     TESSARA_PHRASE("Keyboard", "prop: advance every signal one step"), Prop, false},
    {Key::None, Modifiers::None,
     TESSARA_PHRASE("Keyboard", "Enter, Space or Delete on the trash can"),
     TESSARA_PHRASE("Keyboard", "Delete the gate or bend focused on the canvas"), nullptr, false},
};

bool IsArrow(Key key) {
  return key == Key::Left || key == Key::Up || key == Key::Right || key == Key::Down;
}

}  // namespace

std::span<const KeyCommand> KeyCommands() { return kKeyCommands; }

const KeyCommand* FindKeyCommand(KeyPress press) {
  for (const KeyCommand& command : kKeyCommands) {
    const bool key = command.key == press.key || (command.key == Key::Left && IsArrow(press.key));
    if (command.run && key && command.modifiers == press.modifiers) return &command;
  }
  return nullptr;
}

void OnCanvasKey(Form& form, KeyPress press) {
  const KeyCommand* command = FindKeyCommand(press);
  if (!command || (form.keys.carrying && !command->whileCarrying)) return;
  command->run(form, press);
  Refresh(form);
}

void OnTrashKey(Form& form) {
  const std::optional<std::int16_t> slot = PickedUp(form);
  if (!slot || form.keys.carrying) return;
  OnTrashDrop(form, SourceOf(form, *slot));
  form.keys.focus.reset();
}

}  // namespace tessara
