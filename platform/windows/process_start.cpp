#include "platform/windows/process_start.h"

#include <windows.h>

#include <vector>

#include "core/command_text.h"
#include "core/whole_file.h"
#include "platform/windows/short_path.h"
#include "platform/windows/system_error.h"

namespace wv {

namespace {

// The log opened in place, emptied, and inheritable: never through a link
// (the reparse point itself is opened, and refused; under Wine, a file met
// at another path than its own), never a folder or
// device that took its name. One gone meanwhile is made anew only under its
// free name. INVALID_HANDLE_VALUE: the game does without.
HANDLE OpenLog(const std::filesystem::path& file) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_DELETE;
  HANDLE log = CreateFileW(file.c_str(), GENERIC_WRITE, kShare, &inherited, OPEN_EXISTING,
                           FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (log == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND) {
    log = CreateFileW(file.c_str(), GENERIC_WRITE, kShare, &inherited, CREATE_NEW,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  if (log == INVALID_HANDLE_VALUE) return log;
  BY_HANDLE_FILE_INFORMATION info{};
  constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
  if (GetFileType(log) == FILE_TYPE_DISK && GetFileInformationByHandle(log, &info) &&
      (info.dwFileAttributes & kNotAFile) == 0 && OpenedWhereNamed(log, file) &&
      SetEndOfFile(log)) {
    return log;
  }
  CloseHandle(log);
  return INVALID_HANDLE_VALUE;
}

}  // namespace

bool StartCommandText(const std::string& text, std::string* error) {
  return StartCommandTextWatched(text, {}, nullptr, error);
}

namespace {

// The command text holds the settings' bytes in the ANSI code page, as the
// game has always received them; the wide call takes the same text decoded.
std::wstring AnsiToWide(const std::string& bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  std::wstring wide(MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

// The current folder as the system names it.
std::wstring CurrentFolder() {
  std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
  folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
  return folder;
}

// Where the new process works: the current folder, by its short name where
// its own is too long for a program to start in.
std::wstring StartFolder() {
  const std::wstring folder = CurrentFolder();
  return folder.size() < MAX_PATH - 1 ? std::wstring() : ShortPathWithinLimit(folder);
}

}  // namespace

bool PathTooLongToStart(const std::string& program) {
  const std::wstring name = AnsiToWide(program);
  const DWORD full = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);  // with its NUL
  if (full > MAX_PATH) return true;
  return CurrentFolder().size() >= MAX_PATH - 1 && StartFolder().empty();
}

bool StartCommandTextWatched(const std::string& text, const std::filesystem::path& outputFile,
                             void** process, std::string* error) {
  // The system would end the command at a NUL byte and start something else
  // than what the launcher built.
  if (text.find('\0') != std::string::npos) {
    if (error) *error = "The command text holds a NUL byte";
    return false;
  }
  // CreateProcessW may write into the command line, so it gets its own copy.
  const std::wstring wide = AnsiToWide(text);
  std::vector<wchar_t> commandLine(wide.begin(), wide.end());
  commandLine.push_back(L'\0');

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  // Only the log's handle is inherited: the list names it alone.
  HANDLE output = outputFile.empty() ? INVALID_HANDLE_VALUE : OpenLog(outputFile);
  STARTUPINFOEXW extended{};
  extended.StartupInfo = startup;
  std::vector<char> attributes;
  DWORD flags = 0;
  if (output != INVALID_HANDLE_VALUE) {
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    attributes.resize(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    if (InitializeProcThreadAttributeList(list, 1, 0, &size) &&
        UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, &output,
                                  sizeof output, nullptr, nullptr)) {
      extended.lpAttributeList = list;
      extended.StartupInfo.dwFlags |= STARTF_USESTDHANDLES;
      extended.StartupInfo.hStdInput = nullptr;  // the game reads no input from the launcher
      extended.StartupInfo.hStdOutput = output;
      extended.StartupInfo.hStdError = output;
      extended.StartupInfo.cb = sizeof extended;
      flags = EXTENDED_STARTUPINFO_PRESENT;
    }
  }
  PROCESS_INFORMATION started{};
  // The game works in the launcher's current folder, the one the press
  // probed; inherited as the system holds it, wide, whatever its name, and
  // named short where it is longer than a program may start in.
  const std::wstring startFolder = StartFolder();
  const BOOL ok = CreateProcessW(
      nullptr, commandLine.data(), nullptr, nullptr, flags != 0 ? TRUE : FALSE, flags, nullptr,
      startFolder.empty() ? nullptr : startFolder.c_str(), &extended.StartupInfo, &started);
  const DWORD code = GetLastError();
  if (extended.lpAttributeList != nullptr) DeleteProcThreadAttributeList(extended.lpAttributeList);
  if (output != INVALID_HANDLE_VALUE) CloseHandle(output);
  if (!ok) {
    if (error) {
      const std::vector<std::string> words = SplitCommandText(text);
      *error = SystemErrorText(code, words.empty() ? std::string() : words.front());
    }
    SetLastError(code);  // formatting the text may have replaced it
    return false;
  }
  CloseHandle(started.hThread);
  if (process != nullptr) {
    *process = started.hProcess;
  } else {
    CloseHandle(started.hProcess);
  }
  return true;
}

}  // namespace wv
