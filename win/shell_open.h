#pragma once

#include <windows.h>

#include <string>

namespace wv {

// Opens an address with the program the system has for it; false when the
// system has none or it did not start.
bool ShellOpen(HWND owner, const std::wstring& address);

}  // namespace wv
