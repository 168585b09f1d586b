#include "win/keys.h"

#include <array>
#include <utility>

namespace wv {

namespace {

// The comma's key is VK_OEM_COMMA whatever the layout puts on it.
constexpr std::array<std::pair<UINT, KeyboardKey>, 10> kVirtualKeys = {{
    {VK_TAB, KeyboardKey::Tab},
    {VK_RETURN, KeyboardKey::Return},
    {VK_SPACE, KeyboardKey::Space},
    {VK_LEFT, KeyboardKey::Left},
    {VK_RIGHT, KeyboardKey::Right},
    {VK_DOWN, KeyboardKey::Down},
    {VK_PRIOR, KeyboardKey::PageUp},
    {VK_NEXT, KeyboardKey::PageDown},
    {VK_F4, KeyboardKey::F4},
    {VK_OEM_COMMA, KeyboardKey::Comma},
}};

}  // namespace

KeyChord ChordOf(const MSG& message) {
  KeyChord chord{KeyboardKey::Other, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0,
                 message.message == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0};
  for (const auto& [virtualKey, key] : kVirtualKeys) {
    if (virtualKey == message.wParam) chord.key = key;
  }
  return chord;
}

}  // namespace wv
