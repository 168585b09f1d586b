#include "win/shell_open.h"

#include <objbase.h>
#include <shellapi.h>

namespace wv {

bool ShellOpen(HWND owner, const std::wstring& address) {
  // The shell may hand the address to an extension, which needs COM on the
  // thread; the launcher keeps COM down otherwise.
  const bool comStarted =
      SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  // Above 32 is success, as the function has always reported it.
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(owner, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (comStarted) CoUninitialize();
  return result > 32;
}

}  // namespace wv
