#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace wv {

// The line rules of a settings file that the reader and the writer share, so
// that a value is written where it is read.

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// LF, CR LF and CR each end a line.
constexpr bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

// The name a header line opens, blanks around the line allowed; a "[" without
// "]" is no header, so a typo cannot silently move the keys below it into
// another section.
std::optional<std::string_view> SectionName(std::string_view line);

// Where the "=" of `line` stands when the line sets `key` (names in any
// case); npos for a comment, a line without "=" or another key's line.
std::size_t KeyEquals(std::string_view line, std::string_view key);

}  // namespace wv
