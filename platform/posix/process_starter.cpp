#include "platform/process_starter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "core/command_text.h"
#include "platform/posix/process_start.h"

namespace wv {

struct DetachedProcessStarter::Watch {
  EarlyWatch early;
  // Middle processes that have said their piece and are ending.
  std::vector<int> ending;

  void Sweep() { std::erase_if(ending, Reaped); }
  void Close() {
    if (early.pipe >= 0) close(early.pipe);
    if (early.middle > 0) ending.push_back(early.middle);
    early = {};
  }
};

namespace {

// The log opened in place, emptied: never through a link, never waiting on a
// FIFO, never a device or folder that took its name. One gone meanwhile is
// made anew only under its free name. -1: the game does without.
int OpenLog(const std::string& file) {
  constexpr int kFlags = O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK;
  int fd = open(file.c_str(), kFlags);
  if (fd < 0 && errno == ENOENT) fd = open(file.c_str(), kFlags | O_CREAT | O_EXCL, 0600);
  if (fd < 0) return -1;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ftruncate(fd, 0) != 0) {
    close(fd);
    return -1;
  }
  // The game writes as to any file; it should not meet EAGAIN.
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

}  // namespace

DetachedProcessStarter::DetachedProcessStarter() : watch_(std::make_unique<Watch>()) {}

DetachedProcessStarter::~DetachedProcessStarter() {
  watch_->Close();
}

// The arguments go to exec as the bytes the command text holds, whatever
// their encoding.
std::optional<StartFailure> DetachedProcessStarter::Start(const std::string& commandText,
                                                          const std::string& workDir) {
  const std::vector<std::string> words = SplitCommandText(commandText);
  watch_->Close();
  watch_->Sweep();
  int error = 0;
  if (logFile_.empty()) {
    error = StartDetached(words, workDir);
  } else {
    // Unwritable, the log is done without: the game still starts.
    const int output = OpenLog(logFile_);
    error = StartWatched(words, workDir, output, kEarlyEndWindow, watch_->early);
    if (output >= 0) close(output);
    logFile_.clear();
  }
  if (error == 0) return std::nullopt;
  return StartFailure{words.empty() ? std::string() : words.front(), std::strerror(error),
                      error == ENOEXEC};
}

GameOutcome DetachedProcessStarter::Outcome() {
  int status = 0;
  const int said = EarlyEnd(watch_->early, &status);
  if (said < 0) return {GameOutcome::Kind::Pending};
  if (watch_->early.middle > 0) ReapEnding(watch_->early.middle);
  watch_->early = {};
  watch_->Sweep();
  if (said == 0) return {GameOutcome::Kind::Outlasted};
  if (WIFSIGNALED(status)) return {GameOutcome::Kind::Signalled, WTERMSIG(status)};
  return {GameOutcome::Kind::Exited, WEXITSTATUS(status)};
}

}  // namespace wv
