#include "core/key_map.h"

#include <gtest/gtest.h>

namespace wv::test {
namespace {

// The README's keyboard table, key by key, in both windows.
TEST(KeyMap, KeysDoWhatTheFocusedControlTakes) {
  using enum FocusKind;
  using enum KeyCommand;
  constexpr KeyChord kTab{KeyboardKey::Tab}, kReturn{KeyboardKey::Return},
      kSpace{KeyboardKey::Space}, kF4{KeyboardKey::F4},
      kAltDown{KeyboardKey::Down, false, false, true};
  const struct {
    KeyChord chord;
    FocusKind focus;
    KeyCommand command;
  } cases[] = {
      // Wherever the focus is.
      {{KeyboardKey::Tab, true}, ChoiceBox, NextTab},
      {{KeyboardKey::Tab, true}, AddressBox, NextTab},
      {{KeyboardKey::PageDown, true}, PushButton, NextTab},
      {{KeyboardKey::Tab, true, true}, TabRow, PreviousTab},
      {{KeyboardKey::PageUp, true}, JoinBox, PreviousTab},
      {{KeyboardKey::Comma, true}, Other, CaptionMenu},
      {{KeyboardKey::Comma, true}, JoinBox, CaptionMenu},
      // Tab and Shift+Tab walk the focus: the toolkit's own.
      {kTab, ChoiceBox, None},
      {{KeyboardKey::Tab, false, true}, JoinBox, None},
      {{KeyboardKey::Tab, true, false, true}, Other, None},
      {{KeyboardKey::Comma, true, true}, Other, None},
      // Along the tab row; elsewhere the arrows are the control's own.
      {{KeyboardKey::Left}, TabRow, StepLeft},
      {{KeyboardKey::Right}, TabRow, StepRight},
      {{KeyboardKey::Right}, AddressBox, None},
      {{KeyboardKey::Left, true}, TabRow, None},
      // A choice box and the character button drop their menus.
      {kSpace, ChoiceBox, DropMenu},
      {kReturn, ChoiceBox, DropMenu},
      {kF4, ChoiceBox, DropMenu},
      {kAltDown, ChoiceBox, DropMenu},
      {kSpace, MenuButton, DropMenu},
      {kReturn, MenuButton, DropMenu},
      {kF4, MenuButton, DropMenu},
      {kAltDown, MenuButton, DropMenu},
      {{KeyboardKey::Down}, ChoiceBox, None},
      {{KeyboardKey::F4, false, false, true}, ChoiceBox, None},
      // A push button: Return presses it, Space is the button's own.
      {kReturn, PushButton, Press},
      {kSpace, PushButton, None},
      {{KeyboardKey::Return, false, true}, PushButton, None},
      // The join boxes press the action button; the address box drops its
      // servers joined.
      {kReturn, AddressBox, PressAction},
      {kReturn, JoinBox, PressAction},
      {kAltDown, AddressBox, DropRecent},
      {kAltDown, JoinBox, None},
      {kSpace, AddressBox, None},
      {kReturn, Other, None},
      {{KeyboardKey::Other, true}, Other, None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CommandFor(c.chord, c.focus), c.command)
        << static_cast<int>(c.chord.key) << " ctrl " << c.chord.control << " shift "
        << c.chord.shift << " alt " << c.chord.alt << " on " << static_cast<int>(c.focus);
  }
  // What a toolkit registers as window-wide shortcuts is what acts anywhere.
  for (const WindowKey& key : WindowWideKeys()) {
    EXPECT_EQ(CommandFor(key.chord, Other), key.command);
    EXPECT_EQ(CommandFor(key.chord, ChoiceBox), key.command);
  }
  EXPECT_EQ(WindowWideKeys().size(), 5u);
}

TEST(KeyMap, ControlsByTheKeysTheyTake) {
  using enum Control;
  const struct {
    Control control;
    FocusKind focus;
  } cases[] = {
      {ModeBox, FocusKind::ChoiceBox},
      {PasswordBox, FocusKind::ChoiceBox},
      {CharacterButton, FocusKind::MenuButton},
      {ClipboardButton, FocusKind::PushButton},
      {ActionButton, FocusKind::PushButton},
      {JoinAddress, FocusKind::AddressBox},
      {JoinPort, FocusKind::JoinBox},
      {JoinPassword, FocusKind::JoinBox},
      {ModeChoice, FocusKind::Other},
      {ConsoleOption, FocusKind::Other},
      {Count, FocusKind::Other},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FocusKindOf(c.control), c.focus) << ObjectName(c.control);
  }
}

}  // namespace
}  // namespace wv::test
