#pragma once

#include <chrono>
#include <filesystem>
#include <string_view>

namespace wv {

inline constexpr std::string_view kSettingsLockName = ".wreckvale_launcher.ini.lock";
// How long one start waits in all for a launcher that holds the lock.
inline constexpr std::chrono::milliseconds kLockPatience = std::chrono::seconds(10);

// An exclusive lock on the lock file beside the settings file, so that
// launchers started together refresh and write the settings file one at a
// time. The lock file stays: removing it would let a waiting launcher lock a
// file no one else sees. A lock file the player may not write (another
// user's) is locked through a read-only descriptor: the lock needs no more.
// The lock file is made only under a free name and opened only as a regular
// file of its own, never through a link and never waiting on a FIFO.
class SettingsLock {
 public:
  // Waits up to `patience` for a launcher that holds the lock.
  explicit SettingsLock(const std::filesystem::path& folder,
                        std::chrono::milliseconds patience = kLockPatience);
  ~SettingsLock();
  SettingsLock(const SettingsLock&) = delete;
  SettingsLock& operator=(const SettingsLock&) = delete;

  bool Held() const { return held_; }
  // Another launcher kept the lock past the patience, or something other
  // than a regular file holds the lock's name: nothing that needs the lock
  // may be written. Neither held nor busy: the folder takes no lock file (it
  // cannot be written, say), and there is nothing to wait for.
  bool Busy() const { return busy_ || blocked_; }
  // Busy because a link, folder, FIFO or device holds the lock's name.
  bool Blocked() const { return blocked_; }

 private:
#ifdef _WIN32
  void* handle_ = nullptr;
#else
  int fd_ = -1;
#endif
  bool held_ = false;
  bool busy_ = false;
  bool blocked_ = false;
};

}  // namespace wv
