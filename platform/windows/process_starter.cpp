#include "platform/process_starter.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "core/command_text.h"
#include "platform/windows/process_start.h"

namespace wv {

// The game's handle tells how it ended; holding it keeps nothing of the game
// tied to the launcher.
struct DetachedProcessStarter::Watch {
  HANDLE process = nullptr;
  ULONGLONG startedAt = 0;

  void Close() {
    if (process != nullptr) CloseHandle(process);
    process = nullptr;
  }
};

DetachedProcessStarter::DetachedProcessStarter() : watch_(std::make_unique<Watch>()) {}

DetachedProcessStarter::~DetachedProcessStarter() {
  watch_->Close();
}

// The text goes to the system unchanged, as the game has always received it.
std::optional<StartFailure> DetachedProcessStarter::Start(const std::string& commandText,
                                                          const std::string&) {
  watch_->Close();
  std::string reason;
  void* process = nullptr;
  const std::filesystem::path log = std::exchange(logFile_, {});
  if (StartCommandTextWatched(commandText, log, log.empty() ? nullptr : &process, &reason)) {
    watch_->process = static_cast<HANDLE>(process);
    watch_->startedAt = GetTickCount64();
    return std::nullopt;
  }
  const DWORD code = GetLastError();
  const std::vector<std::string> words = SplitCommandText(commandText);
  const std::string program = words.empty() ? std::string() : words.front();
  return StartFailure{program, reason, code == ERROR_BAD_EXE_FORMAT,
                      !program.empty() && PathTooLongToStart(program)};
}

GameOutcome DetachedProcessStarter::Outcome() {
  if (watch_->process == nullptr) return {GameOutcome::Kind::Outlasted};
  DWORD code = 0;
  if (WaitForSingleObject(watch_->process, 0) == WAIT_OBJECT_0 &&
      GetExitCodeProcess(watch_->process, &code)) {
    watch_->Close();
    return {GameOutcome::Kind::Exited, static_cast<int>(code)};
  }
  if (GetTickCount64() - watch_->startedAt < static_cast<ULONGLONG>(kEarlyEndWindow.count())) {
    return {GameOutcome::Kind::Pending};
  }
  watch_->Close();
  return {GameOutcome::Kind::Outlasted};
}

}  // namespace wv
