#include "core/profile_writer.h"

#include <cstddef>
#include <optional>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/profile_lines.h"
#include "core/settings_lock.h"
#include "core/text.h"
#include "core/whole_file.h"

namespace wv {

namespace {

// One line of the text: its bytes up to the line end, and where the next
// line starts (CR LF, LF and CR each end a line).
struct Line {
  std::size_t begin, end, next;
};

Line LineAt(std::string_view text, std::size_t begin) {
  std::size_t end = begin;
  while (end < text.size() && !IsLineEnd(text[end])) ++end;
  std::size_t next = end;
  if (next < text.size()) next += text.compare(next, 2, "\r\n") == 0 ? 2 : 1;
  return {begin, end, next};
}

// The line end the new lines take: the one after `line`, else the text's
// first, else the template's.
std::string_view LineEndOf(std::string_view text, const Line& line) {
  if (line.next > line.end) return text.substr(line.end, line.next - line.end);
  for (std::size_t at = 0; at < text.size(); at = LineAt(text, at).next) {
    const Line any = LineAt(text, at);
    if (any.next > any.end) return text.substr(any.end, any.next - any.end);
  }
  return "\r\n";
}

bool IsUtf16(std::string_view text) {
  return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
}

// A symlink or a file of more than one name would be parted from its other
// names by the rename; a file without write permission is the player's
// word that it stays as it is.
bool LinkOrReadOnly(const std::filesystem::path& file) {
#ifdef _WIN32
  std::error_code ec;
  const auto status = std::filesystem::symlink_status(file, ec);
  if (ec || !std::filesystem::exists(status)) return false;
  if (std::filesystem::is_symlink(status)) return true;
  // The C library's count of names is always 1 there; the system's own is not.
  const HANDLE handle =
      CreateFileW(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle != INVALID_HANDLE_VALUE) {
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(handle, &info) != 0;
    CloseHandle(handle);
    if (known && info.nNumberOfLinks > 1) return true;
  }
  return (status.permissions() & std::filesystem::perms::owner_write) ==
         std::filesystem::perms::none;
#else
  struct stat info {};
  if (lstat(file.c_str(), &info) != 0) return false;
  if (S_ISLNK(info.st_mode) || info.st_nlink > 1) return true;
  // access() says yes to root whatever the mode: a file without its owner's
  // write bit counts as read-only as well.
  return (info.st_mode & S_IWUSR) == 0 || access(file.c_str(), W_OK) != 0;
#endif
}

std::optional<ProfileWriteOutcome> RefusalOf(const std::filesystem::path& file,
                                             const FileRead& read) {
  if (LinkOrReadOnly(file)) return ProfileWriteOutcome::KeptAsIs;
  if (!read.text && !read.absent) return ProfileWriteOutcome::Failed;
  if (read.text && IsUtf16(*read.text)) return ProfileWriteOutcome::Utf16;
  return std::nullopt;
}

// ReplaceWholeFile with the permissions of the file it replaces, set before
// the text is written, so that a private file's text is never readable by
// others on the way.
bool ReplaceKeepingPermissions(const std::filesystem::path& file, std::string_view text) {
  std::error_code ec;
  const std::filesystem::file_status old = std::filesystem::status(file, ec);
  const std::filesystem::path temp = TempFileFor(file);
  bool done = WriteNewFile(temp, {});
  if (done && !ec && std::filesystem::exists(old)) {
    std::filesystem::permissions(temp, old.permissions(), std::filesystem::perm_options::replace,
                                 ec);
    done = !ec;
  }
  done = done && WriteWholeFile(temp, text) && MoveIntoPlace(temp, file);
  if (!done) std::filesystem::remove(temp, ec);
  return done;
}

}  // namespace

std::optional<ProfileWriteOutcome> ProfileWriteRefusal(const std::filesystem::path& file) {
  return RefusalOf(file, ReadWholeFile(file));
}

std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
  std::string result(text);
  const std::size_t start = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  std::optional<Line> header;
  std::optional<Line> last;  // the section's last line with more than blanks
  for (std::size_t at = start; at < text.size();) {
    const Line line = LineAt(text, at);
    at = line.next;
    const std::string_view bytes = text.substr(line.begin, line.end - line.begin);
    const std::optional<std::string_view> name = SectionName(bytes);
    if (header) {
      // Only the first section of a name is written, as only it is read.
      if (name) break;
      const std::string_view trimmed = TrimBlanks(bytes);
      if (trimmed.empty()) continue;
      last = line;
      const std::size_t equals = KeyEquals(bytes, key);
      if (equals == std::string_view::npos) continue;
      result.replace(line.begin + equals + 1, line.end - line.begin - equals - 1, value);
      return result;
    }
    if (name && EqualsIgnoringAsciiCase(*name, section)) header = last = line;
  }
  const std::string keyLine = std::string(key) + "=" + std::string(value);
  if (last) {
    const std::string_view end = LineEndOf(text, *header);
    if (last->next == last->end) {  // the text's last line, without a line end
      result.insert(last->next, std::string(end) + keyLine);
    } else {
      result.insert(last->next, keyLine + std::string(end));
    }
    return result;
  }
  const std::string_view end = text.empty() ? "\r\n" : LineEndOf(text, LineAt(text, start));
  if (!text.empty() && !IsLineEnd(text.back())) result += end;
  result += "[" + std::string(section) + "]" + std::string(end) + keyLine + std::string(end);
  return result;
}

ProfileWriteOutcome WriteProfileValues(const std::filesystem::path& file,
                                       std::initializer_list<ProfileValue> values,
                                       std::chrono::milliseconds patience) {
  return WriteProfileValues(file, std::span<const ProfileValue>(values.begin(), values.size()),
                            patience);
}

ProfileWriteOutcome WriteProfileValues(const std::filesystem::path& file,
                                       std::span<const ProfileValue> values,
                                       std::chrono::milliseconds patience) {
  const std::filesystem::path folder = file.parent_path();
  const SettingsLock lock(folder, patience);
  if (lock.Busy()) return ProfileWriteOutcome::Busy;
  const FileRead read = ReadWholeFile(file);
  if (const auto refusal = RefusalOf(file, read)) return *refusal;
  std::string text = read.text.value_or(std::string());
  for (const ProfileValue& v : values) text = WithProfileValue(text, v.section, v.key, v.value);
  return ReplaceKeepingPermissions(file, text) ? ProfileWriteOutcome::Written
                                               : ProfileWriteOutcome::Failed;
}

}  // namespace wv
