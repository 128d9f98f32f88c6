// The keyboard alone. Every key is a command that works through the handlers the mouse
// uses: placing and bending at the cursor (OnCanvasPress), links pressed on a
// gate's halves and toggles (OnGatePress), turns (OnGateDoubleClick), drops on
// the canvas and the trash can, the palette's buttons and prop; so each is an ordinary
// edit that undo takes back. The focus, the cursor and carrying are the form's `keys`
// (view/scene.h); a link being drawn, by keys or by the mouse, is the keys' linking
// mode, and a gate carried from M to Enter is one edit under way. Escape is a key of
// the window's own (its menu table) and cancels either (EditHistory::CancelLink).
//
// The key table (KeyCommands) is the one Help > Keyboard shows and the README prints.
#pragma once

#include <span>
#include <string_view>

#include "editor/form.h"

namespace tessara {

enum class Key { None, Left, Up, Right, Down, Enter, Space, Delete, Digit, R, M, L, B, P };
enum class Modifiers { None, Shift, ControlShift };

struct KeyPress {
  Key key = Key::None;
  Modifiers modifiers = Modifiers::None;
  int digit = 0;  // which digit, 0..9, for Key::Digit
};

// The context in which the table's texts are marked for translation.
inline constexpr const char* kKeyContext = "Keyboard";

// A row of the key table.
struct KeyCommand {
  Key key;  // Left stands for the four arrows, Digit for the ten digits; None for keys
            // the window handles itself, listed here only
  Modifiers modifiers;
  std::string_view keys;  // the keys as the table names them, marked in kKeyContext
  std::string_view what;  // what they do, likewise
  void (*run)(Form& form, KeyPress press);  // none for Key::None
  bool whileCarrying;                       // works while a gate is carried
};

// Every row, in the order the table lists them.
std::span<const KeyCommand> KeyCommands();

// The command that a key pressed on the canvas runs; nullptr when none takes it.
const KeyCommand* FindKeyCommand(KeyPress press);

// A key pressed on the canvas: runs its command, then refreshes. A key no command takes,
// or one that does not work while a gate is carried, changes nothing.
void OnCanvasKey(Form& form, KeyPress press);

// Enter, Space or Delete on the trash can: the focused gate or bend goes to the trash
// can as a drop there would take it (not while powered or carrying); then a refresh.
void OnTrashKey(Form& form);

}  // namespace tessara
