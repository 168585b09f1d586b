#include "core/settings_keys.h"

#include "core/catalogue.h"
#include "core/text.h"

namespace wv {

bool Read(const SettingsReader& reader, const Key<bool>& key) {
  return IsYes(reader.ReadText(key.section, key.name, key.fallback));
}

std::string Read(const SettingsReader& reader, const Key<std::string>& key) {
  return reader.ReadText(key.section, key.name, key.fallback);
}

AddonVisibility ReadAddonVisibility(const SettingsReader& reader) {
  // The text itself: Read() would give only yes or no.
  const Key<bool> visible = key::kVisible.In(section::kAddon);
  const std::string value = reader.ReadText(visible.section, visible.name, visible.fallback);
  if (IsYes(value)) return AddonVisibility::Offered;
  if (EqualsIgnoringAsciiCase(value, "NO")) return AddonVisibility::Withdrawn;
  return AddonVisibility::Unsaid;
}

std::vector<DeclaredKey> DeclaredKeys() {
  std::vector<DeclaredKey> keys;
  const auto add = [&keys](const auto& key) {
    keys.push_back({std::string(key.section), std::string(key.name), std::string(key.fallback),
                    std::string(key.written)});
  };
  add(key::kConsole);
  add(key::kSkipIntro);
  add(key::kCustomGame);
  add(key::kExitAfterRun);
  add(key::kRunParameters);
  add(key::kUseParameters);
  add(key::kRunPrefix);
  add(key::kRunPrefixParam);
  add(key::kUsePrefix);
  add(key::kMonitoringUrl);
  add(key::kVersion);
  add(key::kCommandFile);
  add(key::kVisible.In(section::kAddon));
  add(key::kVersus.In(section::kAddon));
  for (const AddonChapter& chapter : kAddonChapters) add(key::AddonChapterMap(chapter.mapKey));
  for (const ExtraMap& map : kExtraMaps) {
    add(key::ExtraMapId(kEnglishStrings[static_cast<std::size_t>(map.caption)], map.defaultId));
  }
  for (const ExtraMap& map : kExtraMaps) {
    add(key::kVisible.In(map.section));
    add(key::kVersus.In(map.section));
  }
  for (const CustomMapSection& section : kCustomMapSections) {
    add(key::kMapName.In(section));
    add(key::kFileName.In(section));
    add(key::kVersus.In(section));
  }
  add(key::kUseRunParameters);
  add(key::kLanguage);
  add(key::kRememberChoices);
  add(key::kForumUrl);
  return keys;
}

}  // namespace wv
