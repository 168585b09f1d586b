#include "win/keys.h"

#include <array>

namespace wv {

namespace {

enum class Modifiers { None, Control, ControlShift, Alt };

struct KeyRow {
  UINT key;
  Modifiers modifiers;
  bool anyFocus;
  FocusKind focus;
  KeyCommand command;
};

// Space on a button is the button's own, and Alt+F4 the system's; everything
// else the window does with keys is here.
constexpr std::array<KeyRow, 19> kKeys = {{
    {VK_TAB, Modifiers::Control, true, FocusKind::Other, KeyCommand::NextTab},
    {VK_TAB, Modifiers::ControlShift, true, FocusKind::Other, KeyCommand::PreviousTab},
    {VK_NEXT, Modifiers::Control, true, FocusKind::Other, KeyCommand::NextTab},
    {VK_PRIOR, Modifiers::Control, true, FocusKind::Other, KeyCommand::PreviousTab},
    {VK_LEFT, Modifiers::None, false, FocusKind::TabRow, KeyCommand::StepLeft},
    {VK_RIGHT, Modifiers::None, false, FocusKind::TabRow, KeyCommand::StepRight},
    {VK_SPACE, Modifiers::None, false, FocusKind::ChoiceBox, KeyCommand::DropMenu},
    {VK_RETURN, Modifiers::None, false, FocusKind::ChoiceBox, KeyCommand::DropMenu},
    {VK_F4, Modifiers::None, false, FocusKind::ChoiceBox, KeyCommand::DropMenu},
    {VK_DOWN, Modifiers::Alt, false, FocusKind::ChoiceBox, KeyCommand::DropMenu},
    {VK_SPACE, Modifiers::None, false, FocusKind::MenuButton, KeyCommand::DropMenu},
    {VK_RETURN, Modifiers::None, false, FocusKind::MenuButton, KeyCommand::DropMenu},
    {VK_F4, Modifiers::None, false, FocusKind::MenuButton, KeyCommand::DropMenu},
    {VK_DOWN, Modifiers::Alt, false, FocusKind::MenuButton, KeyCommand::DropMenu},
    {VK_RETURN, Modifiers::None, false, FocusKind::PushButton, KeyCommand::Press},
    {VK_RETURN, Modifiers::None, false, FocusKind::JoinBox, KeyCommand::PressAction},
    {VK_RETURN, Modifiers::None, false, FocusKind::AddressBox, KeyCommand::PressAction},
    {VK_DOWN, Modifiers::Alt, false, FocusKind::AddressBox, KeyCommand::DropRecent},
    // The comma's key, whatever the layout puts on it.
    {VK_OEM_COMMA, Modifiers::Control, true, FocusKind::Other, KeyCommand::CaptionMenu},
}};

bool Matches(Modifiers modifiers, const KeyPress& press) {
  switch (modifiers) {
    case Modifiers::None:
      return !press.control && !press.shift && !press.alt;
    case Modifiers::Control:
      return press.control && !press.shift && !press.alt;
    case Modifiers::ControlShift:
      return press.control && press.shift && !press.alt;
    case Modifiers::Alt:
      return press.alt && !press.control && !press.shift;
  }
  return false;
}

}  // namespace

KeyCommand CommandFor(const KeyPress& press, FocusKind focus) {
  for (const KeyRow& row : kKeys) {
    if (row.key == press.key && Matches(row.modifiers, press) &&
        (row.anyFocus || row.focus == focus)) {
      return row.command;
    }
  }
  return KeyCommand::None;
}

}  // namespace wv
