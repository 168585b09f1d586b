#include "platform/posix/process_start.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
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
  int inputFd = -1;   // the game's standard input, where not negative
  int outputFd = -1;  // the game's standard output and errors, where not negative
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
  if (plan.inputFd >= 0) dup2(plan.inputFd, STDIN_FILENO);
  if (plan.outputFd >= 0) {
    dup2(plan.outputFd, STDOUT_FILENO);
    dup2(plan.outputFd, STDERR_FILENO);
  }
  // Nothing of the launcher's but the standard streams reaches the game.
#ifdef CLOSE_RANGE_CLOEXEC
  close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
#endif
  if (!workDir.empty() && chdir(workDir.c_str()) != 0) ReportAndExit(pipe, errno);
  execv(plan.argv[0], plan.argv.data());
  ReportAndExit(pipe, errno);
}

long long MonotonicMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// The middle process of a watched start: waits out the window for the game,
// reports its end if it comes, and ends. A launcher already gone leaves the
// report unread, which must not end the middle by SIGPIPE before it reaps.
[[noreturn]] void WatchGame(pid_t game, long long windowMs, int report) {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGPIPE, &ignore, nullptr);
  const long long end = MonotonicMs() + windowMs;
  const timespec step{0, 20 * 1000 * 1000};
  for (;;) {
    int status = 0;
    const pid_t got = waitpid(game, &status, WNOHANG);
    if (got == game) {
      while (write(report, &status, sizeof status) < 0 && errno == EINTR) {
      }
      _exit(0);
    }
    if ((got < 0 && errno != EINTR) || MonotonicMs() >= end) _exit(0);
    nanosleep(&step, nullptr);
  }
}

// A double fork leaves the game to init; the middle process starts a new
// session first. Watched, the middle stays up to the window's end.
int ForkAndExec(const ExecPlan& plan, const std::string& workDir, long long windowMs,
                EarlyWatch* watch) {
  int pipe[2];
  if (pipe2(pipe, O_CLOEXEC) != 0) return errno;
  int report[2] = {-1, -1};
  if (watch != nullptr && pipe2(report, O_CLOEXEC) != 0) {
    const int error = errno;
    close(pipe[0]);
    close(pipe[1]);
    return error;
  }
  const pid_t middle = fork();
  if (middle == 0) {
    close(pipe[0]);
    if (watch != nullptr) close(report[0]);
    setsid();
    const pid_t game = fork();
    if (game == 0) RunGame(plan, workDir, pipe[1]);
    if (game < 0) ReportAndExit(pipe[1], errno);
    if (watch == nullptr) _exit(0);
    // The launcher learns of the exec from the game's copy alone.
    close(pipe[1]);
    WatchGame(game, windowMs, report[1]);
  }
  const int forkError = middle < 0 ? errno : 0;
  close(pipe[1]);
  if (watch != nullptr) close(report[1]);
  if (middle > 0 && watch == nullptr) {
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
  if (watch != nullptr) {
    if (error == 0) {
      fcntl(report[0], F_SETFL, O_NONBLOCK);
      *watch = {middle, report[0]};
    } else {
      // A failed exec ends the game at once: the middle reports and ends.
      close(report[0]);
      if (middle > 0) {
        while (waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
        }
      }
    }
  }
  return error;
}

// The plan's argv points into its own words, so it is built in place.
bool Prepare(ExecPlan& plan, const std::string& workDir) {
  // A NUL byte would silently cut an argument short; such a command is not run.
  bool runnable =
      !plan.words.empty() && !plan.words.front().empty() && workDir.find('\0') == std::string::npos;
  for (std::string& word : plan.words) {
    runnable = runnable && word.find('\0') == std::string::npos;
    plan.argv.push_back(word.data());
  }
  plan.argv.push_back(nullptr);
  sigemptyset(&plan.noSignals);
  return runnable;
}

}  // namespace

int StartDetached(const std::vector<std::string>& words, const std::string& workDir, int inputFd,
                  int outputFd) {
  ExecPlan plan{words, {}, {}};
  plan.inputFd = inputFd;
  plan.outputFd = outputFd;
  return Prepare(plan, workDir) ? ForkAndExec(plan, workDir, 0, nullptr) : EINVAL;
}

int StartWatched(const std::vector<std::string>& words, const std::string& workDir, int outputFd,
                 std::chrono::milliseconds window, EarlyWatch& watch) {
  ExecPlan plan{words, {}, {}};
  plan.outputFd = outputFd;
  return Prepare(plan, workDir) ? ForkAndExec(plan, workDir, window.count(), &watch) : EINVAL;
}

int EarlyEnd(EarlyWatch& watch, int* waitStatus) {
  if (watch.pipe < 0) return 0;
  int status = 0;
  ssize_t got;
  while ((got = read(watch.pipe, &status, sizeof status)) < 0 && errno == EINTR) {
  }
  if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return -1;
  const bool ended = got == static_cast<ssize_t>(sizeof status);
  if (ended && waitStatus != nullptr) *waitStatus = status;
  close(watch.pipe);
  watch.pipe = -1;
  return ended ? 1 : 0;
}

void ReapEnding(int process) {
  while (waitpid(process, nullptr, 0) < 0 && errno == EINTR) {
  }
}

bool Reaped(int process) {
  pid_t got;
  while ((got = waitpid(process, nullptr, WNOHANG)) < 0 && errno == EINTR) {
  }
  return got != 0;  // ended and reaped, or not a child of ours at all
}

}  // namespace wv
