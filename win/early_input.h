#pragma once

#include <windows.h>

namespace wv {

// Input that reaches the top window before its controls exist, drawn as
// they are by the top window alone. A pointer merely passing is none: it is
// on the window as it opens.
enum class EarlyInput { None, Key, Click };
EarlyInput EarlyInputOf(const MSG& message);

// Once the controls exist: the message goes on to the control it was meant
// for, a key to the focus and a click to the control under it.
void RouteToControl(MSG& message, EarlyInput input);

}  // namespace wv
