#pragma once

#include <windows.h>

#include <string>

namespace wv {

// Opens an address with the program the system has for it.
void ShellOpen(HWND owner, const std::wstring& address);

}  // namespace wv
