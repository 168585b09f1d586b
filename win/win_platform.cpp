#include "win/win_platform.h"

#include <shellapi.h>

#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/startup.h"
#include "platform/windows/program_search.h"
#include "win/password_dialog.h"
#include "win/text.h"

namespace wv {

void MessageBoxSink::Show(const std::string& title, const std::string& text) {
  MessageBoxW(owner_.window, Wide(text).c_str(), Wide(title).c_str(), MB_OK);
}

std::optional<std::string> PasswordDialogInput::Ask(const PasswordDialogTexts& texts,
                                                    int maxLength) {
  std::optional<std::wstring> typed = AskPassword(owner_.window, texts, maxLength);
  if (!typed) return std::nullopt;
  return TypedBytes(*typed);
}

void SystemClipboard::SetText(const std::string& text) {
  const std::wstring wide = Wide(text);
  if (!OpenClipboard(owner_.window)) return;
  EmptyClipboard();
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

void ShellUrlOpener::Open(const std::string& url) {
  ShellExecuteW(nullptr, L"open", Wide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

LaunchEnvironment CurrentFolderProbe::Probe() {
  LaunchEnvironment environment;
  const DWORD length = GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(length, L'\0');
  if (length == 0 || GetCurrentDirectoryW(length, folder.data()) == 0) {
    environment.folderProblem = std::system_category().message(static_cast<int>(GetLastError()));
  } else {
    folder.resize(folder.find(L'\0'));
    if (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
    environment.currentFolder = TypedBytes(folder);
  }
  const std::filesystem::path path(folder.c_str());
  environment.fileExists = [path](std::string_view name) { return FileExistsIn(path, name); };
  environment.separator = '\\';
  environment.findOnPath = SearchProgram;
  return environment;
}

StartFolders DefaultStartFolders() {
  std::wstring self(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
    if (length < self.size()) {
      self.resize(length);
      break;
    }
    self.resize(self.size() * 2);
  }
  std::error_code error;
  return {std::filesystem::path(self).parent_path(), std::filesystem::current_path(error)};
}

}  // namespace wv
