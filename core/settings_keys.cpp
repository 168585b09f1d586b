#include "core/settings_keys.h"

#include "core/catalogue.h"
#include "core/text.h"

namespace wv {

namespace {

std::string_view YesNoText(bool yes) {
  return KeyValue(yes).Text();
}

}  // namespace

bool Read(const SettingsReader& reader, const Key<bool>& key) {
  return IsYes(reader.ReadText(key.section, key.name, YesNoText(key.fallback)));
}

std::string Read(const SettingsReader& reader, const Key<std::string>& key) {
  return reader.ReadText(key.section, key.name, key.fallback);
}

AddonVisibility ReadAddonVisibility(const SettingsReader& reader) {
  // The text itself: Read() would give only yes or no.
  const Key<bool> visible = key::kVisible.In(section::kAddon);
  const std::string value =
      reader.ReadText(visible.section, visible.name, YesNoText(visible.fallback));
  if (IsYes(value)) return AddonVisibility::Offered;
  if (EqualsIgnoringAsciiCase(value, "NO")) return AddonVisibility::Withdrawn;
  return AddonVisibility::Unsaid;
}

std::vector<DeclaredKey> DeclaredKeys() {
  std::vector<DeclaredKey> keys;
  const auto add = [&keys](std::string_view section, std::string_view name,
                           std::string_view fallback, std::string_view written) {
    keys.push_back(
        {std::string(section), std::string(name), std::string(fallback), std::string(written)});
  };
  const auto addRows = [&add](bool inFreshFile) {
    for (const KeyRow& row : key::kRows) {
      if ((row.fresh != InFreshFile::Missing) != inFreshFile) continue;
      add(row.section, row.name, row.fallback.Text(),
          row.fresh == InFreshFile::Written ? row.written.Text() : "");
    }
  };
  const auto addMapRows = [&add](std::string_view section, MapFamily family) {
    for (const MapKeyRow& row : key::kMapRows) {
      if (row.In(family)) add(section, row.name, row.fallback.Text(), row.written.Text());
    }
  };
  addRows(true);
  addMapRows(section::kAddon.name, MapFamily::Addon);
  for (const AddonChapter& chapter : kAddonChapters) {
    const Key<std::string> map = key::AddonChapterMap(chapter.mapKey);
    add(map.section, map.name, map.fallback, map.fallback);
  }
  for (const ExtraMap& map : kExtraMaps) {
    const Key<std::string> id =
        key::ExtraMapId(kEnglishStrings[static_cast<std::size_t>(map.caption)], map.defaultId);
    add(id.section, id.name, id.fallback, id.fallback);
  }
  for (const ExtraMap& map : kExtraMaps) addMapRows(map.section.name, MapFamily::ExtraMap);
  for (const CustomMapSection& section : kCustomMapSections) {
    addMapRows(section.name, MapFamily::CustomMap);
  }
  addRows(false);
  return keys;
}

}  // namespace wv
