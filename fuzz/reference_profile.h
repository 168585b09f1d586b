#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/settings_file.h"
#include "core/text.h"

namespace wv::fuzz {

// The reading rules written the plain way, line after line: the fast reader
// must give the same answer for every text.
inline std::optional<std::string> ReferenceProfileValue(std::string_view content,
                                                        std::string_view section,
                                                        std::string_view key) {
  const auto trim = [](std::string_view t) {
    const auto first = t.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::string_view();
    return t.substr(first, t.find_last_not_of(" \t") - first + 1);
  };
  if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
  bool inSection = false;
  while (!content.empty()) {
    const auto end = content.find_first_of("\r\n");
    const std::string_view line = trim(content.substr(0, end));
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    if (line.starts_with('[') && line.find(']') != std::string_view::npos) {
      if (inSection) return std::nullopt;
      inSection = EqualsIgnoringAsciiCase(trim(line.substr(1, line.find(']') - 1)), section);
      continue;
    }
    if (!inSection || line.starts_with(';')) continue;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    if (!EqualsIgnoringAsciiCase(trim(line.substr(0, equals)), key)) continue;
    std::string_view value = trim(line.substr(equals + 1));
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
      value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, kMaxValueLength));
  }
  return std::nullopt;
}

}  // namespace wv::fuzz
