#include "core/settings_lock.h"

#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace wv {

namespace {

enum class Try { Locked, Taken, Unsupported };

// Polled rather than waited on, so that a stuck holder cannot hold the start.
// Sets `held` or `busy`; a file system without locks sets neither.
template <typename TryLock>
void LockWithin(std::chrono::milliseconds patience, TryLock tryLock, bool& held, bool& busy) {
  const auto end = std::chrono::steady_clock::now() + patience;
  for (Try t = tryLock(); t != Try::Unsupported; t = tryLock()) {
    if (t == Try::Locked) {
      held = true;
      return;
    }
    if (std::chrono::steady_clock::now() >= end) {
      busy = true;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace

#ifdef _WIN32

SettingsLock::SettingsLock(const std::filesystem::path& folder,
                           std::chrono::milliseconds patience) {
  const std::filesystem::path file = folder / kSettingsLockName;
  constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, kShare, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
  if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED) {
    handle = CreateFileW(file.c_str(), GENERIC_READ, kShare, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  if (handle == INVALID_HANDLE_VALUE) return;
  handle_ = handle;
  const auto tryLock = [handle] {
    OVERLAPPED at{};
    if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
      return Try::Locked;
    }
    return GetLastError() == ERROR_LOCK_VIOLATION ? Try::Taken : Try::Unsupported;
  };
  LockWithin(patience, tryLock, held_, busy_);
}

SettingsLock::~SettingsLock() {
  if (handle_ == nullptr) return;
  if (held_) {
    OVERLAPPED at{};
    UnlockFileEx(handle_, 0, 1, 0, &at);
  }
  CloseHandle(handle_);
}

#else

SettingsLock::SettingsLock(const std::filesystem::path& folder,
                           std::chrono::milliseconds patience) {
  const std::filesystem::path file = folder / kSettingsLockName;
  constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
  fd_ = open(file.c_str(), O_RDWR | O_CREAT | kFlags, 0644);
  if (fd_ < 0 && (errno == EACCES || errno == EROFS)) fd_ = open(file.c_str(), O_RDONLY | kFlags);
  if (fd_ < 0) return;
  const auto tryLock = [this] {
    if (flock(fd_, LOCK_EX | LOCK_NB) == 0) return Try::Locked;
    return errno == EWOULDBLOCK || errno == EINTR ? Try::Taken : Try::Unsupported;
  };
  LockWithin(patience, tryLock, held_, busy_);
}

// Closing the file releases the lock.
SettingsLock::~SettingsLock() {
  if (fd_ >= 0) close(fd_);
}

#endif

}  // namespace wv
