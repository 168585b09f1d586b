#pragma once

#include <optional>
#include <vector>

#include "core/view_state.h"

namespace wv {

// The keys the window answers, whatever a toolkit calls them. Comma is the
// key that carries it, whatever the keyboard layout puts on it.
enum class KeyboardKey {
  Other,
  Tab,
  Return,
  Space,
  Left,
  Right,
  Down,
  PageUp,
  PageDown,
  F4,
  Comma
};

struct KeyChord {
  KeyboardKey key = KeyboardKey::Other;
  bool control = false, shift = false, alt = false;
};

// What holds the keyboard focus, as far as the window's keys care.
enum class FocusKind { Other, TabRow, ChoiceBox, MenuButton, PushButton, JoinBox, AddressBox };
// The tab row is none of the controls: its window asks for TabRow itself.
FocusKind FocusKindOf(Control control);

// What a key does in the window, ahead of the toolkit's own keys: Tab
// walking the focus, Space pressing a button and the menus' own keys stay
// the toolkit's.
enum class KeyCommand {
  None,
  NextTab,      // round the end
  PreviousTab,  // round the start
  StepLeft,     // along the tab row; the focus stays there
  StepRight,
  DropMenu,     // of the focused choice box or the character button
  Press,        // the focused button
  PressAction,  // the action button, from a join box
  DropRecent,   // the address box's servers joined
  CaptionMenu,  // the caption bar's menu, below the bar
};

KeyCommand CommandFor(const KeyChord& chord, FocusKind focus);

// The chords that act wherever the focus is. A toolkit whose shortcuts match
// across keyboard layouts registers these as its shortcuts.
struct WindowKey {
  KeyChord chord;
  KeyCommand command;
};
std::vector<WindowKey> WindowWideKeys();

}  // namespace wv
