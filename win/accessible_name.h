#pragma once

#include <windows.h>

#include <string>

namespace wv {

// Gives a control the name (and, where `role` is not 0, the role) screen
// readers announce, where its window text is none or not the name: the
// system's own accessible object answers everything else.
void SetAccessibleName(HWND control, const std::wstring& name, long role = 0);
// What the control says beyond its name; for a control named by
// SetAccessibleName.
void SetAccessibleDescription(HWND control, const std::wstring& description);
// The control's default action for screen readers, named `action`: a click
// (BN_CLICKED to its parent, posted, as the action may open a menu).
void SetAccessibleAction(HWND control, const std::wstring& action);

}  // namespace wv
