#include <vector>

#include "app/qt_platform.h"
#include "core/command_text.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/windows/process_start.h"
#include "platform/windows/program_search.h"
#else
#include <cerrno>
#include <cstring>

#include "platform/posix/process_start.h"
#include "platform/posix/program_search.h"
#endif

namespace wv {

namespace {

std::string ProgramOf(const std::vector<std::string>& words) {
  return words.empty() ? std::string() : words.front();
}

}  // namespace

#ifdef _WIN32

// The text goes to the system unchanged, as the game has always received it.
std::optional<StartFailure> DetachedProcessStarter::Start(const std::string& commandText,
                                                          const std::string&) {
  std::string reason;
  if (StartCommandText(commandText, &reason)) return std::nullopt;
  return StartFailure{ProgramOf(SplitCommandText(commandText)), reason,
                      GetLastError() == ERROR_BAD_EXE_FORMAT};
}

#else

// The arguments go to exec as the bytes the command text holds, whatever
// their encoding.
std::optional<StartFailure> DetachedProcessStarter::Start(const std::string& commandText,
                                                          const std::string& workDir) {
  const std::vector<std::string> words = SplitCommandText(commandText);
  const int error = StartDetached(words, workDir);
  if (error == 0) return std::nullopt;
  return StartFailure{ProgramOf(words), std::strerror(error), error == ENOEXEC};
}

#endif

std::optional<std::string> FindProgramOnPath(std::string_view name) {
  return SearchProgram(name);
}

}  // namespace wv
