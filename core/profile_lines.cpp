#include "core/profile_lines.h"

#include "core/text.h"

namespace wv {

std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(line);
  if (!line.starts_with('[')) return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(1, close - 1));
}

std::size_t KeyEquals(std::string_view line, std::string_view key) {
  if (TrimBlanks(line).starts_with(';')) return std::string_view::npos;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos ||
      !EqualsIgnoringAsciiCase(TrimBlanks(line.substr(0, equals)), key)) {
    return std::string_view::npos;
  }
  return equals;
}

}  // namespace wv
