#include "core/settings_file.h"

#include <cstring>
#include <memory_resource>
#include <unordered_map>

#include "core/text.h"
#include "core/whole_file.h"

namespace wv {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// LF, CR LF and CR each end a line; as empty lines mean nothing, a line is
// simply a run of bytes that holds neither.
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

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

// The name a header line opens; a "[" without "]" is no header, so a typo
// cannot silently move the keys below it into another section.
std::optional<std::string_view> SectionName(std::string_view line) {
  if (!line.starts_with('[')) return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
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
    const auto name = SectionName(Trim(text.substr(open, pos - open)));
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
    const std::string_view line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    // Only the first section of a name counts.
    if (SectionName(line)) return std::nullopt;
    if (line.starts_with(';')) continue;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    if (!EqualsIgnoringAsciiCase(Trim(line.substr(0, equals)), key)) continue;
    return std::string(Unquote(Trim(line.substr(equals + 1))).substr(0, kMaxValueLength));
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key) {
  const std::string_view text = WithoutMark(content);
  return FindInBody(text, FindSectionBody(text, section), key);
}

bool IsYes(std::string_view text) {
  return EqualsIgnoringAsciiCase(text, "YES");
}

namespace {

// Section names compare in ASCII upper case.
struct NameHash {
  std::size_t operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037u;
    for (char c : name) hash = (hash ^ static_cast<unsigned char>(c & ~0x20)) * 1099511628211u;
    return hash;
  }
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
  std::optional<std::string> content;
  std::pmr::monotonic_buffer_resource arena;  // its nodes go in one release
  std::pmr::unordered_map<std::string_view, std::size_t, NameHash, NameEquals> bodies{&arena};

  explicit Reading(const std::filesystem::path& file) : content(ReadWholeFile(file)) {
    if (!content) return;
    ForEachHeader(WithoutMark(*content), [this](std::string_view name, std::size_t body) {
      bodies.try_emplace(name, body);
      return false;
    });
  }
  Reading(const Reading&) = delete;
  Reading& operator=(const Reading&) = delete;

  std::optional<std::string> Find(std::string_view section, std::string_view key) const {
    if (!content) return std::nullopt;
    const auto it = bodies.find(section);
    if (it == bodies.end()) return std::nullopt;
    return FindInBody(WithoutMark(*content), it->second, key);
  }
};

std::string SettingsReader::ReadText(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
  if (file_.empty()) return std::string(fallback);
  if (action_.open) {
    if (!action_.reading) action_.reading = std::make_shared<const Reading>(file_);
    return action_.reading->Find(section, key).value_or(std::string(fallback));
  }
  const auto content = ReadWholeFile(file_);
  if (!content) return std::string(fallback);
  return FindProfileValue(*content, section, key).value_or(std::string(fallback));
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
