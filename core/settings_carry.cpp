#include "core/settings_carry.h"

#include <optional>
#include <set>
#include <utility>

#include "core/language.h"
#include "core/profile_lines.h"
#include "core/settings_file.h"
#include "core/settings_keys.h"
#include "core/text.h"
#include "i18n/string_tables.h"

namespace wv {

namespace {

struct KnownKey {
  std::string section;
  std::string key;
};

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// The keys the renewed text itself sets: a translated template names the
// extra maps by other captions than the declarations.
void AddTemplateKeys(std::string_view text, std::vector<KnownKey>& keys) {
  std::string section;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = at;
    while (end < text.size() && !IsLineEnd(text[end])) ++end;
    const std::string_view line = TrimBlanks(text.substr(at, end - at));
    at = end + 1;
    if (const std::optional<std::string_view> name = SectionName(line)) {
      section = std::string(*name);
    } else if (const std::size_t equals = line.find('=');
               !section.empty() && equals != std::string_view::npos && !line.starts_with(';')) {
      keys.push_back({section, std::string(TrimBlanks(line.substr(0, equals)))});
    }
  }
}

// Read back by the profile reader, the written text gives `value` again.
std::string AsWritten(const std::string& value) {
  const bool quotes = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  if (quotes || TrimBlanks(value).size() != value.size()) return "\"" + value + "\"";
  return value;
}

}  // namespace

std::vector<CarriedValue> ValuesToCarry(std::string_view old, std::string_view renewed) {
  std::vector<KnownKey> known;
  AddTemplateKeys(renewed, known);
  for (const DeclaredKey& key : DeclaredKeys()) known.push_back({key.section, key.name});
  for (std::string_view section : kTranslationSections) {
    for (std::string_view name : kStrNames)
      known.push_back({std::string(section), std::string(name)});
  }
  std::vector<CarriedValue> carried;
  std::set<std::string> seen;  // names in any case are one key
  for (KnownKey& key : known) {
    if (!seen.insert(AsciiLower(key.section) + "\n" + AsciiLower(key.key)).second) continue;
    if (EqualsIgnoringAsciiCase(key.section, key::kVersion.section) &&
        EqualsIgnoringAsciiCase(key.key, key::kVersion.name)) {
      continue;
    }
    const std::optional<std::string> value = FindProfileValue(old, key.section, key.key);
    if (!value || *value == FindProfileValue(renewed, key.section, key.key)) continue;
    carried.push_back({std::move(key.section), std::move(key.key), AsWritten(*value)});
  }
  return carried;
}

}  // namespace wv
