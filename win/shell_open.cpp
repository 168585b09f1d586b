#include "win/shell_open.h"

#include <objbase.h>
#include <shellapi.h>

#include "platform/windows/short_path.h"

namespace wv {

namespace {

// The program the shell starts inherits the current folder, and none starts
// in one longer than MAX_PATH: it gets the folder's short name instead.
std::wstring StartFolder() {
  std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
  folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
  return folder.size() < MAX_PATH - 1 ? std::wstring() : ShortPathWithinLimit(folder);
}

}  // namespace

bool ShellOpen(HWND owner, const std::wstring& address) {
  // The shell may hand the address to an extension, which needs COM on the
  // thread; the launcher keeps COM down otherwise.
  const bool comStarted =
      SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  const std::wstring folder = StartFolder();
  // Above 32 is success, as the function has always reported it.
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(owner, L"open", address.c_str(), nullptr,
                    folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL));
  if (comStarted) CoUninitialize();
  return result > 32;
}

}  // namespace wv
