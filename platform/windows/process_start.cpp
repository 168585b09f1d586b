#include "platform/windows/process_start.h"

#include <windows.h>

#include <vector>

#include "platform/windows/system_error.h"

namespace wv {

bool StartCommandText(const std::string& text, std::string* error) {
  // The system would end the command at a NUL byte and start something else
  // than what the launcher built.
  if (text.find('\0') != std::string::npos) {
    if (error) *error = "The command text holds a NUL byte";
    return false;
  }
  // CreateProcessA may write into the command line, so it gets its own copy.
  std::vector<char> commandLine(text.begin(), text.end());
  commandLine.push_back('\0');

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    const DWORD code = GetLastError();
    if (error) *error = SystemErrorText(code);
    SetLastError(code);  // formatting the text may have replaced it
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace wv
