#include "core/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <dirent.h>
#include <signal.h>
#include <unistd.h>
#endif

namespace wv {
namespace {

#ifdef _WIN32
using Stat = struct _stat64;
// Paths are wide on Windows; the narrow form would lose characters outside
// the code page.
int OpenForReading(const std::filesystem::path& file) {
  return _wopen(file.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}
int OpenForWriting(const std::filesystem::path& file, bool onlyNew, FileAccess) {
  const int mode = onlyNew ? _O_EXCL : _O_TRUNC;
  return _wopen(file.c_str(), _O_WRONLY | _O_CREAT | _O_BINARY | _O_NOINHERIT | mode,
                _S_IREAD | _S_IWRITE);
}
int StatOf(int fd, Stat& info) {
  return _fstat64(fd, &info);
}
long long ReadSome(int fd, char* to, std::size_t bytes) {
  return _read(fd, to, static_cast<unsigned>(bytes));
}
long long WriteSome(int fd, const char* from, std::size_t bytes) {
  return _write(fd, from, static_cast<unsigned>(bytes));
}
int Close(int fd) {
  return _close(fd);
}
long long SeekTo(int fd, unsigned long long offset) {
  return _lseeki64(fd, static_cast<long long>(offset), SEEK_SET);
}
#else
using Stat = struct stat;
// Non-blocking, so that a FIFO of that name cannot hold the start up: it is
// refused once fstat has said what it is.
int OpenForReading(const std::filesystem::path& file) {
  return open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}
int OpenForWriting(const std::filesystem::path& file, bool onlyNew, FileAccess access) {
  const int mode = onlyNew ? O_EXCL | O_NOFOLLOW : O_TRUNC;
  return open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | mode,
              access == FileAccess::OwnerOnly ? 0600 : 0644);
}
int StatOf(int fd, Stat& info) {
  return fstat(fd, &info);
}
long long ReadSome(int fd, char* to, std::size_t bytes) {
  return read(fd, to, bytes);
}
long long WriteSome(int fd, const char* from, std::size_t bytes) {
  return write(fd, from, bytes);
}
int Close(int fd) {
  return close(fd);
}
long long SeekTo(int fd, unsigned long long offset) {
  return lseek(fd, static_cast<off_t>(offset), SEEK_SET);
}
#endif

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) Close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now, for the caller to see whether the close failed.
  bool Release() { return Close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

FileRead Refused(ReadFailure::Kind kind, std::string systemReason = {}) {
  return {std::nullopt, false, {kind, std::move(systemReason)}};
}

#ifdef _WIN32
struct FileSizeSignalIgnored {};
#else
// Past a file-size limit (ulimit -f) the system would end the launcher with
// SIGXFSZ; ignored meanwhile, the write fails as on a full disk.
class FileSizeSignalIgnored {
 public:
  FileSizeSignalIgnored() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &saved_);
  }
  ~FileSizeSignalIgnored() { sigaction(SIGXFSZ, &saved_, nullptr); }
  FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
  FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

 private:
  struct sigaction saved_ {};
};
#endif

bool WriteAll(const std::filesystem::path& file, std::string_view text, bool onlyNew,
              FileAccess access) {
  [[maybe_unused]] const FileSizeSignalIgnored quiet;
  Descriptor out(OpenForWriting(file, onlyNew, access));
  if (out.Get() < 0) return false;
  while (!text.empty()) {
    const long long wrote = WriteSome(out.Get(), text.data(), text.size());
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(wrote));
  }
  return out.Release();
}

}  // namespace

FileRead ReadWholeFile(const std::filesystem::path& file, std::size_t limit) {
  Descriptor in(OpenForReading(file));
  if (in.Get() < 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) return {std::nullopt, true, {}};
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) return Refused(ReadFailure::Kind::NotRegularFile);
    return Refused(ReadFailure::Kind::System, std::strerror(error));
  }
  Stat info{};
  if (StatOf(in.Get(), info) != 0) return Refused(ReadFailure::Kind::System, std::strerror(errno));
  if ((info.st_mode & S_IFMT) != S_IFREG) return Refused(ReadFailure::Kind::NotRegularFile);
  if (static_cast<unsigned long long>(info.st_size) > limit)
    return Refused(ReadFailure::Kind::TooLarge);

  // The size is only a hint: the file may grow or shrink while it is read.
  std::string content(static_cast<std::size_t>(info.st_size), '\0');
  std::size_t have = 0;
  while (true) {
    if (have == content.size()) {
      if (have > limit) return Refused(ReadFailure::Kind::TooLarge);
      content.resize(have + 65536);
    }
    const long long got = ReadSome(in.Get(), content.data() + have, content.size() - have);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Refused(ReadFailure::Kind::System, std::strerror(errno));
    if (got == 0) break;
    have += static_cast<std::size_t>(got);
  }
  if (have > limit) return Refused(ReadFailure::Kind::TooLarge);
  content.resize(have);
  return {std::move(content), false, {}};
}

std::optional<std::string> ReadFileTail(const std::filesystem::path& file, std::size_t bytes) {
  Descriptor in(OpenForReading(file));
  Stat info{};
  if (in.Get() < 0 || StatOf(in.Get(), info) != 0 || (info.st_mode & S_IFMT) != S_IFREG) {
    return std::nullopt;
  }
  const auto size = static_cast<unsigned long long>(info.st_size);
  const unsigned long long from = size > bytes ? size - bytes : 0;
  if (from > 0 && SeekTo(in.Get(), from) < 0) return std::nullopt;
  // The file may still grow while it is read: no more than `bytes` are kept.
  std::string tail(bytes, '\0');
  std::size_t have = 0;
  while (have < tail.size()) {
    const long long got = ReadSome(in.Get(), tail.data() + have, tail.size() - have);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    have += static_cast<std::size_t>(got);
  }
  tail.resize(have);
  if (from > 0) {
    std::size_t first = 0;
    while (first < tail.size() && first < 3 &&
           (static_cast<unsigned char>(tail[first]) & 0xC0) == 0x80)
      ++first;
    tail.erase(0, first);
  }
  return tail;
}

bool WriteWholeFile(const std::filesystem::path& file, std::string_view text) {
  return WriteAll(file, text, false, FileAccess::Everyone);
}

bool WriteNewFile(const std::filesystem::path& file, std::string_view text, FileAccess access) {
  return WriteAll(file, text, true, access);
}

#ifdef _WIN32
EntryKind KindAt(const std::filesystem::path& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) return EntryKind::Missing;
  return std::filesystem::is_directory(status) ? EntryKind::Folder : EntryKind::Other;
}

bool NameTaken(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

namespace {

// The path the system resolves an open file or folder to; empty when it
// cannot say.
std::wstring FinalPath(HANDLE handle) {
  std::wstring path(MAX_PATH, L'\0');
  for (int round = 0; round < 2; ++round) {
    const DWORD length =
        GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), 0);
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length);
  }
  return {};
}

HANDLE OpenInPlace(const std::wstring& path) {
  constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  return CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShare, nullptr, OPEN_EXISTING,
                     FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

}  // namespace

bool OpenedWhereNamed(void* handle, const std::filesystem::path& path) {
  std::wstring full(GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
  full.resize(
      GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  const std::size_t slash = full.find_last_of(L"\\/");
  if (full.empty() || slash == std::wstring::npos) return true;
  // The folder resolved as well: a game folder reached through a link is
  // still the player's own.
  HANDLE folder = OpenInPlace(full.substr(0, slash + 1));
  if (folder == INVALID_HANDLE_VALUE) return true;
  std::wstring expected = FinalPath(folder);
  CloseHandle(folder);
  const std::wstring resolved = FinalPath(static_cast<HANDLE>(handle));
  if (expected.empty() || resolved.empty()) return true;
  if (expected.back() != L'\\') expected += L'\\';
  expected += full.substr(slash + 1);
  return CompareStringOrdinal(expected.c_str(), static_cast<int>(expected.size()), resolved.c_str(),
                              static_cast<int>(resolved.size()), TRUE) == CSTR_EQUAL;
}

NameKind KindOfName(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? NameKind::Missing
                                                                          : NameKind::Other;
  }
  constexpr DWORD kNotAFile =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;
  if ((attributes & kNotAFile) != 0) return NameKind::Other;
  HANDLE file = OpenInPlace(path.wstring());
  if (file == INVALID_HANDLE_VALUE) return NameKind::RegularFile;
  const bool own = OpenedWhereNamed(file, path);
  CloseHandle(file);
  return own ? NameKind::RegularFile : NameKind::Other;
}

namespace {

// Under Wine a Unix symlink shows as the file it names, and deleting the
// name deletes that file instead of the link.
bool LinkInDisguise(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  constexpr DWORD kShown =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kShown) == 0 &&
         KindOfName(path) == NameKind::Other;
}

}  // namespace

void RemoveStartingWith(const std::filesystem::path& folder, std::string_view prefix) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::filesystem::path& path = it->path();
    if (path.filename().string().starts_with(prefix) && !it->is_directory(ec) &&
        !LinkInDisguise(path)) {
      std::filesystem::remove(path, ec);
    }
  }
}
#else
EntryKind KindAt(const std::filesystem::path& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return EntryKind::Missing;
  return S_ISDIR(info.st_mode) ? EntryKind::Folder : EntryKind::Other;
}

bool NameTaken(const std::filesystem::path& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

NameKind KindOfName(const std::filesystem::path& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0) {
    return errno == ENOENT || errno == ENOTDIR ? NameKind::Missing : NameKind::Other;
  }
  return S_ISREG(info.st_mode) ? NameKind::RegularFile : NameKind::Other;
}

void RemoveStartingWith(const std::filesystem::path& folder, std::string_view prefix) {
  DIR* const entries = opendir(folder.c_str());
  if (entries == nullptr) return;
  const int at = dirfd(entries);
  while (const dirent* entry = readdir(entries)) {
    if (!std::string_view(entry->d_name).starts_with(prefix)) continue;
    struct stat info {};
    const bool folderThere = fstatat(at, entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
    if (!folderThere) unlinkat(at, entry->d_name, 0);
  }
  closedir(entries);
}
#endif

bool MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
  // The C library's rename refuses to replace a file there.
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
  std::error_code ec;
  std::filesystem::rename(from, to, ec);
  return !ec;
#endif
}

bool MoveToFreeName(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
  // Without MOVEFILE_REPLACE_EXISTING the system refuses a taken name. Wine
  // would move the file a Unix symlink names rather than the link.
  return !LinkInDisguise(from) && MoveFileExW(from.c_str(), to.c_str(), 0) != 0;
#else
  // A hard link fails on a taken name in one step; file systems without
  // links get the same check through a rename that may not replace.
  if (link(from.c_str(), to.c_str()) == 0) {
    if (unlink(from.c_str()) == 0) return true;
    unlink(to.c_str());
    return false;
  }
  if (errno == EEXIST) return false;
  if (NameTaken(to)) return false;
  std::error_code ec;
  std::filesystem::rename(from, to, ec);
  return !ec;
#endif
}

std::filesystem::path TempFileFor(const std::filesystem::path& file) {
  std::random_device random;
  const std::uint64_t number = (std::uint64_t{random()} << 32) ^ random();
  return file.parent_path() / ("." + file.filename().string() + ".tmp-" + std::to_string(number));
}

bool ReplaceWholeFile(const std::filesystem::path& file, std::string_view text, FileAccess access) {
  if (TakenByOther(file)) return false;
  const std::filesystem::path temp = TempFileFor(file);
  if (WriteNewFile(temp, text, access) && MoveIntoPlace(temp, file)) return true;
  std::error_code ec;
  std::filesystem::remove(temp, ec);
  return false;
}

}  // namespace wv
