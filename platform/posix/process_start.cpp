#include "platform/posix/process_start.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace wv {

namespace {

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

// Signals the launcher ignores (the web engine ignores SIGPIPE) would stay
// ignored across exec; the game starts with the system's defaults instead.
// Dispositions first, so that no signal let through meets a launcher handler.
void DefaultSignals(const sigset_t& noSignals) {
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  sigemptyset(&standard.sa_mask);
  for (int signal = 1; signal < NSIG; ++signal) {
    if (signal != SIGKILL && signal != SIGSTOP) sigaction(signal, &standard, nullptr);
  }
  sigprocmask(SIG_SETMASK, &noSignals, nullptr);
}

[[noreturn]] void RunGame(const ExecPlan& plan, const std::string& workDir, int pipe) {
  DefaultSignals(plan.noSignals);
  // Nothing of the launcher's but the standard streams reaches the game.
#ifdef CLOSE_RANGE_CLOEXEC
  close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
#endif
  if (!workDir.empty() && chdir(workDir.c_str()) != 0) ReportAndExit(pipe, errno);
  execv(plan.argv[0], plan.argv.data());
  ReportAndExit(pipe, errno);
}

// A double fork leaves the game to init; the middle process starts a new
// session first.
int ForkAndExec(const ExecPlan& plan, const std::string& workDir) {
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

int StartDetached(const std::vector<std::string>& words, const std::string& workDir) {
  ExecPlan plan{words, {}, {}};
  // A NUL byte would silently cut an argument short; such a command is not run.
  bool runnable =
      !plan.words.empty() && !plan.words.front().empty() && workDir.find('\0') == std::string::npos;
  for (std::string& word : plan.words) {
    runnable = runnable && word.find('\0') == std::string::npos;
    plan.argv.push_back(word.data());
  }
  plan.argv.push_back(nullptr);
  sigemptyset(&plan.noSignals);
  return runnable ? ForkAndExec(plan, workDir) : EINVAL;
}

}  // namespace wv
