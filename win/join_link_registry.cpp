#include "win/join_link_registry.h"

#include <windows.h>

#include <cwchar>
#include <string>

namespace wv {

namespace {

constexpr wchar_t kLinkKey[] = L"Software\\Classes\\wreckvale";
constexpr wchar_t kCommandKey[] = L"Software\\Classes\\wreckvale\\shell\\open\\command";

std::wstring OwnProgram() {
  std::wstring self(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
    if (length < self.size()) {
      self.resize(length);
      return self;
    }
    self.resize(self.size() * 2);
  }
}

// The quotes keep a folder with blanks one program, and the link one argument.
std::wstring OpenCommand() {
  return L"\"" + OwnProgram() + L"\" \"%1\"";
}

bool SetText(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
  return RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, text.c_str(),
                         static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

bool ClassesJoinLinkRegistry::OpensHere() {
  DWORD bytes = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, kCommandKey, nullptr, RRF_RT_REG_SZ, nullptr, nullptr,
                   &bytes) != ERROR_SUCCESS) {
    return false;
  }
  std::wstring command(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(command.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, kCommandKey, nullptr, RRF_RT_REG_SZ, nullptr, command.data(),
                   &bytes) != ERROR_SUCCESS) {
    return false;
  }
  command.resize(wcsnlen(command.c_str(), command.size()));
  return CompareStringOrdinal(command.c_str(), -1, OpenCommand().c_str(), -1, TRUE) == CSTR_EQUAL;
}

bool ClassesJoinLinkRegistry::Set(bool here) {
  if (here) {
    return SetText(kLinkKey, nullptr, L"URL:Wreckvale join link") &&
           SetText(kLinkKey, L"URL Protocol", L"") && SetText(kCommandKey, nullptr, OpenCommand());
  }
  // Another launcher's registration is that launcher's to take away.
  if (!OpensHere()) return true;
  return RegDeleteTreeW(HKEY_CURRENT_USER, kLinkKey) == ERROR_SUCCESS;
}

}  // namespace wv
