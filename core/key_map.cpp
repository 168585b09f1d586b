// Every key the launcher's window answers, for both windows.
#include "core/key_map.h"

#include <array>

namespace wv {

namespace {

enum class Modifiers { None, Control, ControlShift, Alt };

struct KeyBinding {
  KeyboardKey key;
  Modifiers modifiers;
  std::optional<FocusKind> focus;  // none: wherever the focus is
  KeyCommand command;
};

// Space on a push button is the button's own, and Alt+F4 the system's.
constexpr std::array<KeyBinding, 19> kKeys = {{
    {KeyboardKey::Tab, Modifiers::Control, std::nullopt, KeyCommand::NextTab},
    {KeyboardKey::Tab, Modifiers::ControlShift, std::nullopt, KeyCommand::PreviousTab},
    {KeyboardKey::PageDown, Modifiers::Control, std::nullopt, KeyCommand::NextTab},
    {KeyboardKey::PageUp, Modifiers::Control, std::nullopt, KeyCommand::PreviousTab},
    {KeyboardKey::Comma, Modifiers::Control, std::nullopt, KeyCommand::CaptionMenu},
    {KeyboardKey::Left, Modifiers::None, FocusKind::TabRow, KeyCommand::StepLeft},
    {KeyboardKey::Right, Modifiers::None, FocusKind::TabRow, KeyCommand::StepRight},
    {KeyboardKey::Space, Modifiers::None, FocusKind::ChoiceBox, KeyCommand::DropMenu},
    {KeyboardKey::Return, Modifiers::None, FocusKind::ChoiceBox, KeyCommand::DropMenu},
    {KeyboardKey::F4, Modifiers::None, FocusKind::ChoiceBox, KeyCommand::DropMenu},
    {KeyboardKey::Down, Modifiers::Alt, FocusKind::ChoiceBox, KeyCommand::DropMenu},
    {KeyboardKey::Space, Modifiers::None, FocusKind::MenuButton, KeyCommand::DropMenu},
    {KeyboardKey::Return, Modifiers::None, FocusKind::MenuButton, KeyCommand::DropMenu},
    {KeyboardKey::F4, Modifiers::None, FocusKind::MenuButton, KeyCommand::DropMenu},
    {KeyboardKey::Down, Modifiers::Alt, FocusKind::MenuButton, KeyCommand::DropMenu},
    {KeyboardKey::Return, Modifiers::None, FocusKind::PushButton, KeyCommand::Press},
    {KeyboardKey::Return, Modifiers::None, FocusKind::JoinBox, KeyCommand::PressAction},
    {KeyboardKey::Return, Modifiers::None, FocusKind::AddressBox, KeyCommand::PressAction},
    {KeyboardKey::Down, Modifiers::Alt, FocusKind::AddressBox, KeyCommand::DropRecent},
}};

bool Matches(Modifiers modifiers, const KeyChord& chord) {
  switch (modifiers) {
    case Modifiers::None:
      return !chord.control && !chord.shift && !chord.alt;
    case Modifiers::Control:
      return chord.control && !chord.shift && !chord.alt;
    case Modifiers::ControlShift:
      return chord.control && chord.shift && !chord.alt;
    case Modifiers::Alt:
      return chord.alt && !chord.control && !chord.shift;
  }
  return false;
}

KeyChord ChordOf(KeyboardKey key, Modifiers modifiers) {
  return {key, modifiers == Modifiers::Control || modifiers == Modifiers::ControlShift,
          modifiers == Modifiers::ControlShift, modifiers == Modifiers::Alt};
}

}  // namespace

FocusKind FocusKindOf(Control control) {
  switch (control) {
    case Control::CharacterButton:
      return FocusKind::MenuButton;
    case Control::ClipboardButton:
    case Control::ActionButton:
      return FocusKind::PushButton;
    case Control::JoinAddress:
      return FocusKind::AddressBox;
    case Control::JoinPort:
    case Control::JoinPassword:
      return FocusKind::JoinBox;
    default:
      return DroppedMenu(control).empty() ? FocusKind::Other : FocusKind::ChoiceBox;
  }
}

KeyCommand CommandFor(const KeyChord& chord, FocusKind focus) {
  for (const KeyBinding& row : kKeys) {
    if (row.key == chord.key && Matches(row.modifiers, chord) &&
        (!row.focus || *row.focus == focus)) {
      return row.command;
    }
  }
  return KeyCommand::None;
}

std::vector<WindowKey> WindowWideKeys() {
  std::vector<WindowKey> keys;
  for (const KeyBinding& row : kKeys) {
    if (!row.focus) keys.push_back({ChordOf(row.key, row.modifiers), row.command});
  }
  return keys;
}

}  // namespace wv
