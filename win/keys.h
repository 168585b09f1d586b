#pragma once

#include <windows.h>

namespace wv {

// What holds the keyboard focus, as far as the window's keys care.
enum class FocusKind { Other, TabRow, ChoiceBox, MenuButton, PushButton, JoinBox, AddressBox };

// What a key does in the window, before the dialog manager walks the focus.
enum class KeyCommand {
  None,
  NextTab,      // Ctrl+Tab, Ctrl+PgDown, anywhere
  PreviousTab,  // Ctrl+Shift+Tab, Ctrl+PgUp, anywhere
  StepLeft,     // along the tab row
  StepRight,
  DropMenu,     // of the focused choice box or the character button
  Press,        // the focused button, by Return
  PressAction,  // Return in a join box
  DropRecent,   // the address box's servers joined
  CaptionMenu,  // Ctrl+comma, anywhere
};

struct KeyPress {
  UINT key;
  bool control, shift, alt;
};

KeyCommand CommandFor(const KeyPress& press, FocusKind focus);

}  // namespace wv
