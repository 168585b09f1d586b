#include "core/settings_keys.h"

#include <cassert>

#include "core/text.h"

namespace wv {

namespace {
std::string_view SectionOf(const SettingKey& key, std::string_view section) {
  return key.section.empty() ? section : key.section;
}
}  // namespace

std::optional<std::string> Find(const SettingsReader& reader, const SettingKey& key,
                                std::string_view section) {
  return reader.Find(SectionOf(key, section), key.key);
}

std::string Read(const SettingsReader& reader, const SettingKey& key, std::string_view section) {
  return reader.ReadText(SectionOf(key, section), key.key, key.fallback);
}

bool ReadSwitch(const SettingsReader& reader, const SettingKey& key, std::string_view section) {
  assert(key.kind == KeyKind::Switch);
  return IsYes(Read(reader, key, section));
}

AddonVisibility ReadAddonVisibility(const SettingsReader& reader) {
  const std::string value = Read(reader, key::kVisible, section::kAddon);
  if (IsYes(value)) return AddonVisibility::Offered;
  if (EqualsIgnoringAsciiCase(value, "NO")) return AddonVisibility::Withdrawn;
  return AddonVisibility::Unsaid;
}

}  // namespace wv
