#include "core/settings_file.h"

#include <cstdint>
#include <cstring>
#include <memory_resource>
#include <unordered_map>

#include "core/profile_lines.h"
#include "core/text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace wv {

namespace {

// Hand-edited files often quote values; one matching outer pair is dropped.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::size_t LineEnd(std::string_view text, std::size_t from) {
  while (from < text.size() && !IsLineEnd(text[from])) ++from;
  return from;
}

// Only blanks stand between the "[" at `open` and the start of its line.
bool StartsLine(std::string_view text, std::size_t open) {
  while (open > 0 && IsBlank(text[open - 1])) --open;
  return open == 0 || IsLineEnd(text[open - 1]);
}

std::string_view WithoutMark(std::string_view content) {
  if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
  return content;
}

// Calls visit(name, body) for each header line in file order, `body` being
// where the lines below it start, until visit returns true. Large files are
// mostly other sections, so this jumps from "[" to "[" rather than walking
// every line.
template <typename Visit>
void ForEachHeader(std::string_view text, Visit visit) {
  std::size_t pos = 0;
  while (true) {
    const void* hit = std::memchr(text.data() + pos, '[', text.size() - pos);
    if (hit == nullptr) return;
    const auto open = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
    pos = LineEnd(text, open);
    // No later "[" of this line can open a header either.
    if (!StartsLine(text, open)) continue;
    const auto name = SectionName(text.substr(open, pos - open));
    if (name && visit(*name, pos)) return;
  }
}

// Where the body of the first section called `section` starts, or npos.
std::size_t FindSectionBody(std::string_view text, std::string_view section) {
  std::size_t body = std::string_view::npos;
  ForEachHeader(text, [&](std::string_view name, std::size_t at) {
    if (!EqualsIgnoringAsciiCase(name, section)) return false;
    body = at;
    return true;
  });
  return body;
}

// The value of `key` in the section body that starts at `pos` (npos: none).
std::optional<std::string> FindInBody(std::string_view text, std::size_t pos,
                                      std::string_view key) {
  if (pos == std::string_view::npos) return std::nullopt;
  while (pos < text.size()) {
    const std::size_t end = LineEnd(text, pos);
    const std::string_view line = TrimBlanks(text.substr(pos, end - pos));
    pos = end + 1;
    // Only the first section of a name counts.
    if (SectionName(line)) return std::nullopt;
    const std::size_t equals = KeyEquals(line, key);
    if (equals == std::string_view::npos) continue;
    return std::string(Unquote(TrimBlanks(line.substr(equals + 1))).substr(0, kMaxValueLength));
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key) {
  const std::string_view text = WithoutMark(content);
  return FindInBody(text, FindSectionBody(text, section), key);
}

namespace {

// UTF-16 code units, from the bytes after the byte-order mark; an odd last
// byte is dropped.
std::u16string Utf16Units(std::string_view bytes, bool bigEndian) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    units[i] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
  }
  return units;
}

#ifdef _WIN32
std::string NarrowText(const std::u16string& units) {
  if (units.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(units.data());
  const int count = static_cast<int>(units.size());
  std::string text(WideCharToMultiByte(CP_ACP, 0, wide, count, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, count, text.data(), static_cast<int>(text.size()), nullptr,
                      nullptr);
  return text;
}
#else
// A lone surrogate becomes U+FFFD, as the system's converters make it.
std::string NarrowText(const std::u16string& units) {
  std::string text;
  text.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t unit = units[i];
    const bool high = unit >= 0xD800 && unit < 0xDC00;
    if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
      AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (units[++i] - 0xDC00));
    } else {
      AppendUtf8(text, unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : unit);
    }
  }
  return text;
}
#endif

// Editors save as UTF-16 on request; the system's profile reader takes such
// a file by its byte-order mark, and so does this one.
void NarrowUtf16(std::string& content) {
  const bool little = content.starts_with("\xFF\xFE");
  if (!little && !content.starts_with("\xFE\xFF")) return;
  content = NarrowText(Utf16Units(std::string_view(content).substr(2), !little));
}

}  // namespace

FileRead ReadSettingsText(const std::filesystem::path& file) {
  FileRead read = ReadWholeFile(file);
  if (read.text) NarrowUtf16(*read.text);
  return read;
}

// Lower-cased bytes through FNV-1a. Folding more than the case bit would let
// crafted names collide by the thousand and make every lookup walk them all.
std::size_t SectionNameHash(std::string_view name) {
  std::uint64_t hash = 14695981039346656037u;
  for (char c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
  }
  return static_cast<std::size_t>(hash);
}

bool IsYes(std::string_view text) {
  return EqualsIgnoringAsciiCase(text, "YES");
}

namespace {

struct NameHash {
  std::size_t operator()(std::string_view name) const { return SectionNameHash(name); }
};
struct NameEquals {
  bool operator()(std::string_view a, std::string_view b) const {
    return EqualsIgnoringAsciiCase(a, b);
  }
};

}  // namespace

// One reading with the body of each section's first occurrence: the forty
// reads of a choice then skip the filler.
struct SettingsReader::Reading {
  FileRead read;
  std::pmr::monotonic_buffer_resource arena;  // its nodes go in one release
  std::pmr::unordered_map<std::string_view, std::size_t, NameHash, NameEquals> bodies{&arena};

  explicit Reading(const std::filesystem::path& file) : read(ReadSettingsText(file)) {
    if (!read.text) return;
    ForEachHeader(WithoutMark(*read.text), [this](std::string_view name, std::size_t body) {
      bodies.try_emplace(name, body);
      return false;
    });
  }
  Reading(const Reading&) = delete;
  Reading& operator=(const Reading&) = delete;

  std::optional<std::string> Find(std::string_view section, std::string_view key) const {
    if (!read.text) return std::nullopt;
    const auto it = bodies.find(section);
    if (it == bodies.end()) return std::nullopt;
    return FindInBody(WithoutMark(*read.text), it->second, key);
  }
};

const SettingsReader::Reading& SettingsReader::ActionReading() const {
  if (!action_.reading) action_.reading = std::make_shared<const Reading>(file_);
  return *action_.reading;
}

std::optional<std::string> SettingsReader::Find(std::string_view section,
                                                std::string_view key) const {
  if (file_.empty()) return std::nullopt;
  if (action_.open) return ActionReading().Find(section, key);
  const FileRead read = ReadSettingsText(file_);
  if (!read.text) return std::nullopt;
  return FindProfileValue(*read.text, section, key);
}

std::string SettingsReader::ReadText(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
  return Find(section, key).value_or(std::string(fallback));
}

ReadFailure SettingsReader::ReadProblem() const {
  if (file_.empty()) return {};
  if (action_.open) return ActionReading().read.failure;
  return ReadSettingsText(file_).failure;
}

bool SettingsReader::ReadYesNo(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
  return IsYes(ReadText(section, key, fallback));
}

SettingsReader::ActionScope::ActionScope(const SettingsReader& reader)
    : reader_(reader), outermost_(!reader.action_.open) {
  reader_.action_.open = true;
}

SettingsReader::ActionScope::~ActionScope() {
  if (outermost_) reader_.action_ = Action();
}

}  // namespace wv
