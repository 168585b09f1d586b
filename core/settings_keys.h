#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_file.h"

namespace wv {

namespace section {
inline constexpr std::string_view kApplication = "Application";
inline constexpr std::string_view kTavrin = "Tavrin";
inline constexpr std::string_view kCustomMaps = "CustomMaps";
}  // namespace section

// One key of the settings file: where it is, what a missing one reads as and
// what a fresh file says. A Key<bool> reads as yes exactly when its text is
// "Yes" in any case; a Key<std::string> is taken byte for byte.
template <typename T>
struct Key {
  std::string_view section;
  std::string_view name;
  std::string_view fallback;
  std::string_view written = {};  // the value a fresh file has, where it has the key
};

// The maps that keep their keys in a section of their own, one section per map.
enum class MapFamily { Addon, ExtraMap, CustomMap };

template <MapFamily F>
struct MapSection {
  std::string_view name;
};
using AddonSection = MapSection<MapFamily::Addon>;
using ExtraMapSection = MapSection<MapFamily::ExtraMap>;
using CustomMapSection = MapSection<MapFamily::CustomMap>;

namespace section {
inline constexpr AddonSection kAddon{"Campaign_GreyTideRising"};
}  // namespace section

// A key of each map's own section, for the families that have it: it is read
// only through In(), which names the section.
template <typename T, MapFamily... Families>
struct MapKey {
  std::string_view name;
  std::string_view fallback;
  std::string_view written = {};

  static constexpr std::array<MapFamily, sizeof...(Families)> kFamilies = {Families...};

  template <MapFamily F>
  requires((F == Families) || ...) constexpr Key<T> In(MapSection<F> section) const {
    return {section.name, name, fallback, written};
  }
};

namespace key {
inline constexpr std::string_view kApp = section::kApplication;
inline constexpr Key<bool> kConsole{kApp, "Console", "Yes", "Yes"};
inline constexpr Key<bool> kSkipIntro{kApp, "Skip Intro", "Yes", "Yes"};
inline constexpr Key<bool> kCustomGame{kApp, "CustomGame", "Yes", "Yes"};
inline constexpr Key<bool> kExitAfterRun{kApp, "ExitAfterRun", "No", "No"};
inline constexpr Key<std::string> kRunParameters{kApp, "RunParametres", "", ""};
// One switch under two names: fresh files carry the second, older ones the first.
inline constexpr Key<bool> kUseRunParameters{kApp, "USERunParametres", "No", ""};
inline constexpr Key<bool> kUseParameters{kApp, "USEParametres", "No", "Yes"};
inline constexpr Key<std::string> kRunPrefix{kApp, "RunPrefix", "", ""};
inline constexpr Key<std::string> kRunPrefixParam{kApp, "RunPrefixParam", "", "1"};
inline constexpr Key<bool> kUsePrefix{kApp, "USEPrefix", "Yes", "No"};
inline constexpr Key<std::string> kMonitoringUrl{kApp, "MonitoringURL", "", ""};
inline constexpr Key<std::string> kVersion{kApp, "Version", "0", ""};  // written: the launcher's
inline constexpr Key<std::string> kLanguage{kApp, "Language", "", ""};
inline constexpr Key<bool> kRememberChoices{kApp, "RememberChoices", "No", ""};
inline constexpr Key<std::string> kForumUrl{kApp, "ForumURL", "https://forum.example.org/wreckvale",
                                            ""};
inline constexpr Key<std::string> kCommandFile{section::kTavrin, "CommandFile", "wreckvale.exe",
                                               "wreckvale.exe"};

using enum MapFamily;
inline constexpr MapKey<bool, Addon, ExtraMap> kVisible{"Visible", "No", "No"};
inline constexpr MapKey<bool, Addon, ExtraMap, CustomMap> kVersus{"Versus", "No", "No"};
inline constexpr MapKey<std::string, CustomMap> kMapName{"Map name", "", ""};
inline constexpr MapKey<std::string, CustomMap> kFileName{"File name", "ERROR_READ_FILE_NAME", ""};
// An add-on chapter's engine map, under the chapter's name.
constexpr Key<std::string> AddonChapterMap(std::string_view chapter) {
  return {section::kAddon.name, chapter, "", ""};
}
// An extra map's engine map in [CustomMaps], under the caption the player sees.
constexpr Key<std::string> ExtraMapId(std::string_view caption, std::string_view defaultId) {
  return {section::kCustomMaps, caption, defaultId, defaultId};
}
}  // namespace key

// A key as a fresh file writes it, whatever its type.
struct TemplateLine {
  std::string_view name;
  std::string_view written;
  template <typename T>
  constexpr TemplateLine(const Key<T>& key) : name(key.name), written(key.written) {}
};

// The [Application] keys of a fresh file, in its order; Version follows them.
inline constexpr std::array<TemplateLine, 10> kApplicationTemplate = {
    key::kConsole,       key::kSkipIntro,     key::kCustomGame, key::kExitAfterRun,
    key::kRunParameters, key::kUseParameters, key::kRunPrefix,  key::kRunPrefixParam,
    key::kUsePrefix,     key::kMonitoringUrl,
};

// The key's value, or its fallback.
bool Read(const SettingsReader& reader, const Key<bool>& key);
std::string Read(const SettingsReader& reader, const Key<std::string>& key);
// The text only where the file has the key.
template <typename T>
std::optional<std::string> Find(const SettingsReader& reader, const Key<T>& key) {
  return reader.Find(key.section, key.name);
}

// What the add-on's Visible says: offered on "Yes"; withdrawn only on an
// explicit "No", since an empty value keeps an add-on campaign already chosen.
enum class AddonVisibility { Offered, Withdrawn, Unsaid };
AddonVisibility ReadAddonVisibility(const SettingsReader& reader);

// Every key the launcher reads, each map's own keys once per section, in the
// order of a fresh file (USERunParametres, Language, RememberChoices and ForumURL, which it
// lacks, at the end). The [CustomMaps] keys carry the English captions.
struct DeclaredKey {
  std::string section;
  std::string name;
  std::string fallback;
  std::string written;
};
std::vector<DeclaredKey> DeclaredKeys();

}  // namespace wv
