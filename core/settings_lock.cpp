#include "core/settings_lock.h"

#include <thread>

#include "core/whole_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

// Opening an existing lock file and making a missing one are two steps;
// another launcher may make or remove it in between, which a few rounds
// outlast. A name that keeps vanishing and reappearing is someone's game.
constexpr int kOpenRounds = 4;

}  // namespace

#ifdef _WIN32

namespace {

bool IsOwnFile(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info{};
  constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
  return GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info) &&
         (info.dwFileAttributes & kNotAFile) == 0;
}

// The lock file opened in place, a link itself rather than what it names, or
// made anew (hidden: a leading dot hides nothing on Windows). Sets `blocked`
// when something else holds the name.
HANDLE OpenLockFile(const std::filesystem::path& file, bool& blocked) {
  constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  constexpr DWORD kInPlace = FILE_FLAG_OPEN_REPARSE_POINT;
  for (int round = 0; round < kOpenRounds; ++round) {
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, kShare, nullptr,
                                OPEN_EXISTING, kInPlace, nullptr);
    if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED) {
      handle = CreateFileW(file.c_str(), GENERIC_READ, kShare, nullptr, OPEN_EXISTING, kInPlace,
                           nullptr);
    }
    if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND) {
      handle = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, kShare, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_HIDDEN, nullptr);
      const DWORD error = GetLastError();
      if (handle == INVALID_HANDLE_VALUE &&
          (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)) {
        continue;
      }
    }
    if (handle == INVALID_HANDLE_VALUE) {
      blocked = TakenByOther(file);
      return nullptr;
    }
    if (IsOwnFile(handle) && OpenedWhereNamed(handle, file)) return handle;
    CloseHandle(handle);
    blocked = true;
    return nullptr;
  }
  blocked = true;
  return nullptr;
}

}  // namespace

SettingsLock::SettingsLock(const std::filesystem::path& folder,
                           std::chrono::milliseconds patience) {
  HANDLE handle = OpenLockFile(folder / kSettingsLockName, blocked_);
  if (handle == nullptr) return;
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

namespace {

// The lock file opened in place, never through a link nor waiting on a FIFO,
// or made anew under its free name. Sets `blocked` when something else
// holds the name. -1 when there is no lock file to take.
int OpenLockFile(const std::filesystem::path& file, bool& blocked) {
  constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
  for (int round = 0; round < kOpenRounds; ++round) {
    int fd = open(file.c_str(), O_RDWR | kFlags);
    if (fd < 0 && (errno == EACCES || errno == EROFS)) fd = open(file.c_str(), O_RDONLY | kFlags);
    if (fd < 0 && errno == ENOENT) {
      fd = open(file.c_str(), O_RDWR | O_CREAT | O_EXCL | kFlags, 0644);
      if (fd < 0 && errno == EEXIST) continue;
    }
    if (fd < 0) {
      blocked = TakenByOther(file);
      return -1;
    }
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) return fd;
    close(fd);
    blocked = true;
    return -1;
  }
  blocked = true;
  return -1;
}

}  // namespace

SettingsLock::SettingsLock(const std::filesystem::path& folder,
                           std::chrono::milliseconds patience) {
  fd_ = OpenLockFile(folder / kSettingsLockName, blocked_);
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
