#include "core/settings_file.h"

#include <fstream>

#include "core/text.h"

namespace wv {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

// Takes the next line off `rest`; LF, CR LF and CR each end a line.
std::string_view TakeLine(std::string_view& rest) {
  const auto end = rest.find_first_of("\r\n");
  const std::string_view line = rest.substr(0, end);
  if (end == std::string_view::npos) {
    rest = {};
  } else {
    const bool crLf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
    rest.remove_prefix(end + (crLf ? 2 : 1));
  }
  return line;
}

// The name a header line opens; a "[" without "]" is no header, so a typo
// cannot silently move the keys below it into another section.
std::optional<std::string_view> SectionName(std::string_view line) {
  if (!line.starts_with('[')) return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

// nullopt when the file cannot be opened or read: the caller falls back to
// its default.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in.is_open()) return std::nullopt;
  std::string content;
  char buffer[4096];
  while (in) {
    in.read(buffer, sizeof buffer);
    content.append(buffer, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return content;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key) {
  if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
  bool inSection = false;
  while (!content.empty()) {
    const std::string_view line = Trim(TakeLine(content));
    if (const auto name = SectionName(line)) {
      // Only the first section of a name counts.
      if (inSection) return std::nullopt;
      inSection = EqualsIgnoringAsciiCase(*name, section);
      continue;
    }
    if (!inSection || line.starts_with(';')) continue;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    if (!EqualsIgnoringAsciiCase(Trim(line.substr(0, equals)), key)) continue;
    return std::string(Unquote(Trim(line.substr(equals + 1))).substr(0, kMaxValueLength));
  }
  return std::nullopt;
}

bool IsYes(std::string_view text) {
  return AsciiUpper(text) == "YES";
}

std::string SettingsReader::ReadText(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
  if (file_.empty()) return std::string(fallback);
  const auto content = ReadWholeFile(file_);
  if (!content) return std::string(fallback);
  return FindProfileValue(*content, section, key).value_or(std::string(fallback));
}

bool SettingsReader::ReadYesNo(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
  return IsYes(ReadText(section, key, fallback));
}

}  // namespace wv
