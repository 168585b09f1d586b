#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace wv {

// Whole-file reads and writes through the system's own calls: the settings
// file is all the launcher ever reads or writes, and C++ streams would cost
// every start their locale set-up.

// Far above any settings file a player writes, far below what would exhaust
// memory when a link points at an endless device.
inline constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

// Why a file that is there was not read: the system's words, or a kind the
// launcher names itself in the player's language.
struct ReadFailure {
  enum class Kind { None, System, NotRegularFile, TooLarge };
  Kind kind = Kind::None;
  std::string systemReason;  // Kind::System
  explicit operator bool() const { return kind != Kind::None; }
};

struct FileRead {
  std::optional<std::string> text;  // nullopt when nothing was read
  bool absent = false;              // … because there is no file at all
  ReadFailure failure;              // … otherwise, why
};

// Reads a regular file whole. Anything else (a folder, a FIFO, a device) is
// refused without waiting on it, as is a file of more than `limit` bytes.
FileRead ReadWholeFile(const std::filesystem::path& file, std::size_t limit = kMaxFileBytes);

// The last `bytes` bytes of a regular file, all of a smaller one, read
// without reading the rest; a tail that cuts into the file starts at a
// UTF-8 character's first byte. nullopt when the file cannot be read.
std::optional<std::string> ReadFileTail(const std::filesystem::path& file, std::size_t bytes);

// Who may read a file the launcher makes (POSIX modes; Windows keeps its own).
enum class FileAccess {
  Everyone,   // 0644
  OwnerOnly,  // 0600: the game's output may echo its command line, password included
};

// Creates or truncates `file` and writes `text`; false when any step fails,
// the final flush and close included.
bool WriteWholeFile(const std::filesystem::path& file, std::string_view text);

// Like WriteWholeFile, but only into a file it creates itself: an existing
// file or a link of that name makes it fail.
bool WriteNewFile(const std::filesystem::path& file, std::string_view text,
                  FileAccess access = FileAccess::Everyone);

// What a name in a folder holds, as the system says through its own calls:
// std::filesystem's are code that the start-up would load for these alone.
enum class EntryKind { Missing, Folder, Other };

// Follows links; Missing also when the system cannot tell.
EntryKind KindAt(const std::filesystem::path& path);

// True when anything has that name, a dangling link included.
bool NameTaken(const std::filesystem::path& path);

// What holds a name itself, links not followed: a game folder may come from
// anyone, and a link, FIFO, device or folder planted under a name the
// launcher writes must never be written through or waited on.
enum class NameKind { Missing, RegularFile, Other };
NameKind KindOfName(const std::filesystem::path& path);
inline bool TakenByOther(const std::filesystem::path& path) {
  return KindOfName(path) == NameKind::Other;
}

#ifdef _WIN32
// Whether an open file (a HANDLE) is the one `path` names itself rather than
// one a link leads to. Wine shows a Unix symlink as the file it names, with
// no reparse point, and opens, renames and locks that file instead; only the
// path the system resolves the open file to tells them apart. True when the
// system cannot say.
bool OpenedWhereNamed(void* handle, const std::filesystem::path& path);
#endif

// Removes what `folder` holds under names that start with `prefix`, but no
// folder and no link to one.
void RemoveStartingWith(const std::filesystem::path& folder, std::string_view prefix);

// Renames `from` to `to`, replacing a file there in one step; false when the
// system refuses.
bool MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to);

// Renames `from` to `to` only while nothing has that name: false, and
// nothing moved, when something does or the system refuses.
bool MoveToFreeName(const std::filesystem::path& from, const std::filesystem::path& to);

// A fresh name beside `file` for the copy written before it replaces `file`:
// "." + its name + ".tmp-" + a random number.
std::filesystem::path TempFileFor(const std::filesystem::path& file);

// Writes `text` aside and renames it over `file`, so that readers see the old
// file or the new one, never half of one; false when a step fails, and then
// nothing is left behind. A name taken by anything but a regular file is
// left as it is (false).
bool ReplaceWholeFile(const std::filesystem::path& file, std::string_view text,
                      FileAccess access = FileAccess::Everyone);

}  // namespace wv
