#include "win/win_platform.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/startup.h"
#include "platform/windows/program_search.h"
#include "platform/windows/short_path.h"
#include "platform/windows/user_locale.h"
#include "win/common_controls.h"
#include "win/password_dialog.h"
#include "win/shell_open.h"
#include "win/text.h"

namespace wv {

void MessageBoxSink::Show(const std::string& title, const std::string& text) {
  UseCommonControls();
  // Foreground: some window managers leave the keyboard with the owner.
  MessageBoxW(owner_.window, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_SETFOREGROUND);
}

namespace {

// The hook has no parameter of its own: the captions ride on the box's
// owner while it opens.
constexpr wchar_t kAnswerCaptions[] = L"wv.answerCaptions";

struct AnswerCaptions {
  std::wstring yes, no;
};

LRESULT CALLBACK CaptionAnswers(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    HWND owner = GetWindow(box, GW_OWNER);
    if (owner != nullptr) {
      if (auto* captions = static_cast<AnswerCaptions*>(RemovePropW(owner, kAnswerCaptions))) {
        SetDlgItemTextW(box, IDYES, captions->yes.c_str());
        SetDlgItemTextW(box, IDNO, captions->no.c_str());
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

// Without an owner the buttons keep the system's captions.
bool MessageBoxQuestion::AskYesNo(const std::string& title, const std::string& question,
                                  const std::string& yes, const std::string& no) {
  AnswerCaptions captions{WithoutMnemonics(Wide(yes)), WithoutMnemonics(Wide(no))};
  HHOOK hook = nullptr;
  if (owner_.window != nullptr && SetPropW(owner_.window, kAnswerCaptions, &captions)) {
    hook = SetWindowsHookExW(WH_CBT, CaptionAnswers, nullptr, GetCurrentThreadId());
  }
  UseCommonControls();
  const int answer = MessageBoxW(owner_.window, Wide(question).c_str(), Wide(title).c_str(),
                                 MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1 | MB_SETFOREGROUND);
  if (hook != nullptr) UnhookWindowsHookEx(hook);
  if (owner_.window != nullptr) RemovePropW(owner_.window, kAnswerCaptions);
  return answer == IDYES;
}

std::string UserSystemLanguage::Locale() {
  return UserLocale();
}

bool ProcessWorkingFolder::Enter(const std::filesystem::path& folder) {
  return SetCurrentDirectoryW(folder.c_str()) != FALSE;
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

bool ShellUrlOpener::Open(const std::string& url) {
  return ShellOpen(nullptr, Wide(url));
}

// The shell takes the path as the system names it (an address made of its
// ANSI bytes would be read back as UTF-8), by its short name where it is
// longer than the shell takes.
bool ShellUrlOpener::OpenPath(const std::filesystem::path& path) {
  const std::wstring shortened =
      path.native().size() < MAX_PATH ? std::wstring() : ShortPathWithinLimit(path.native());
  return ShellOpen(nullptr, shortened.empty() ? path.native() : shortened);
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
    environment.folder = folder;
    environment.folderSpelled = TypedText(environment.currentFolder) == folder;
  }
  const std::filesystem::path path(folder.c_str());
  environment.fileExists = [path](std::string_view name) { return FileExistsIn(path, name); };
  environment.separator = '\\';
  environment.findOnPath = SearchProgram;
  environment.runsWindowsPrograms = true;
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
