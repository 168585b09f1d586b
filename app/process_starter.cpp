#include <vector>

#include "app/qt_platform.h"
#include "core/command_text.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/windows/process_start.h"
#include "platform/windows/program_search.h"
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "core/program_search.h"
#endif

namespace wv {

namespace {

std::string ProgramOf(const std::string& commandText) {
  const std::vector<std::string> words = SplitCommandText(commandText);
  return words.empty() ? std::string() : words.front();
}

}  // namespace

#ifdef _WIN32

// The text goes to the system unchanged, as the game has always received it.
std::optional<StartFailure> DetachedProcessStarter::Start(const std::string& commandText,
                                                          const std::string&) {
  std::string reason;
  if (StartCommandText(commandText, &reason)) return std::nullopt;
  return StartFailure{ProgramOf(commandText), reason, GetLastError() == ERROR_BAD_EXE_FORMAT};
}

std::optional<std::string> FindProgramOnPath(std::string_view name) {
  return SearchProgram(name);
}

#else

namespace {

// The launcher starts the game and forgets it: a double fork leaves the game
// to init, in a session of its own, so that it outlives the launcher and
// never lingers as its zombie. The arguments go to exec as the bytes the
// command text holds, whatever their encoding.
//
// Between fork and exec only async-signal-safe calls: the launcher has
// threads. Everything else is prepared beforehand.
struct ExecPlan {
  std::vector<std::string> words;
  std::vector<char*> argv;
  sigset_t noSignals;
};

// The reason the start failed, from the child to the launcher through a
// close-on-exec pipe: a successful exec closes it empty.
[[noreturn]] void ReportAndExit(int pipe, int error) {
  while (write(pipe, &error, sizeof error) < 0 && errno == EINTR) {
  }
  _exit(127);
}

[[noreturn]] void RunGame(const ExecPlan& plan, const std::string& workDir, int pipe) {
  sigprocmask(SIG_SETMASK, &plan.noSignals, nullptr);
  // Nothing of the launcher's but the standard streams reaches the game.
#ifdef CLOSE_RANGE_CLOEXEC
  close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
#endif
  if (!workDir.empty() && chdir(workDir.c_str()) != 0) ReportAndExit(pipe, errno);
  execv(plan.argv[0], plan.argv.data());
  ReportAndExit(pipe, errno);
}

// 0 when the game runs, else the errno of the step that failed.
int StartDetached(ExecPlan& plan, const std::string& workDir) {
  int pipe[2];
  if (pipe2(pipe, O_CLOEXEC) != 0) return errno;
  const pid_t middle = fork();
  if (middle == 0) {
    close(pipe[0]);
    setsid();
    const pid_t game = fork();
    if (game == 0) RunGame(plan, workDir, pipe[1]);
    if (game < 0) ReportAndExit(pipe[1], errno);
    _exit(0);
  }
  const int forkError = middle < 0 ? errno : 0;
  close(pipe[1]);
  if (middle > 0) {
    while (waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
    }
  }
  int error = forkError;
  if (middle > 0) {
    ssize_t got;
    while ((got = read(pipe[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    if (got != static_cast<ssize_t>(sizeof error)) error = 0;
  }
  close(pipe[0]);
  return error;
}

}  // namespace

std::optional<StartFailure> DetachedProcessStarter::Start(const std::string& commandText,
                                                          const std::string& workDir) {
  ExecPlan plan;
  plan.words = SplitCommandText(commandText);
  // A NUL byte would silently cut an argument short; such a command is not run.
  bool runnable =
      !plan.words.empty() && !plan.words.front().empty() && workDir.find('\0') == std::string::npos;
  for (std::string& word : plan.words) {
    runnable = runnable && word.find('\0') == std::string::npos;
    plan.argv.push_back(word.data());
  }
  plan.argv.push_back(nullptr);
  sigemptyset(&plan.noSignals);
  const int error = runnable ? StartDetached(plan, workDir) : EINVAL;
  if (error == 0) return std::nullopt;
  return StartFailure{ProgramOf(commandText), std::strerror(error), error == ENOEXEC};
}

std::optional<std::string> FindProgramOnPath(std::string_view name) {
  const char* searchPath = std::getenv("PATH");
  std::error_code error;
  const std::filesystem::path start = std::filesystem::current_path(error);
  const auto found = FindOnSearchPath(
      name, searchPath ? std::optional<std::string_view>(searchPath) : std::nullopt,
      error ? std::nullopt : std::optional(start), IsExecutableFile);
  return found ? std::optional(found->native()) : std::nullopt;
}

bool IsExecutableFile(const std::filesystem::path& file) {
  struct stat info {};
  return ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(file.c_str(), X_OK) == 0;
}

#endif

}  // namespace wv
