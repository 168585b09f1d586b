#include <vector>

#include "app/qt_platform.h"
#include "core/command_text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <QProcess>
#include <QStringList>

#include "ui/text_codec.h"
#endif

namespace wv {

namespace {

std::string ProgramOf(const std::string& commandText) {
  const std::vector<std::string> words = SplitCommandText(commandText);
  return words.empty() ? std::string() : words.front();
}

}  // namespace

#ifdef _WIN32

bool DetachedProcessStarter::Start(const std::string& commandText, const std::string& workDir,
                                   std::string& program) {
  std::string line = commandText;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     workDir.empty() ? nullptr : workDir.c_str(), &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
  }
  program = ProgramOf(commandText);
  return false;
}

#else

bool DetachedProcessStarter::Start(const std::string& commandText, const std::string& workDir,
                                   std::string& program) {
  const std::vector<std::string> words = SplitCommandText(commandText);
  if (!words.empty()) {
    QStringList arguments;
    for (std::size_t i = 1; i < words.size(); ++i) arguments << DisplayText(words[i]);
    if (QProcess::startDetached(DisplayText(words.front()), arguments, DisplayText(workDir))) {
      return true;
    }
  }
  program = ProgramOf(commandText);
  return false;
}

#endif

}  // namespace wv
