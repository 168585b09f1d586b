#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/settings_file.h"

namespace wv {

namespace section {
inline constexpr std::string_view kApplication = "Application";
inline constexpr std::string_view kTavrin = "Tavrin";
inline constexpr std::string_view kCustomMaps = "CustomMaps";
}  // namespace section

// What a key holds: yes or no (yes exactly when its text is "Yes" in any
// case), or text taken byte for byte.
struct KeyValue {
  bool yesNo = false;
  bool yes = false;
  std::string_view text;
  constexpr KeyValue(bool value) : yesNo(true), yes(value) {}
  constexpr KeyValue(std::string_view value) : text(value) {}
  constexpr KeyValue(const char* value) : text(value) {}
  // As the file spells it.
  constexpr std::string_view Text() const { return yesNo ? (yes ? "Yes" : "No") : text; }
};

// How a fresh file has the key.
enum class InFreshFile {
  Written,        // with the value the row gives
  LauncherValue,  // with a value the launcher puts in at the time
  Missing,
};

// One key of the settings file in a section of fixed name.
struct KeyRow {
  std::string_view section;
  std::string_view name;
  KeyValue fallback;  // what a missing key reads as
  InFreshFile fresh = InFreshFile::Missing;
  KeyValue written = false;  // Written: the value a fresh file has
};

// A key of each map's own section, for the families of maps that have it.
enum class MapFamily { Addon, ExtraMap, CustomMap };

struct MapKeyRow {
  std::string_view name;
  KeyValue fallback;
  KeyValue written;
  std::array<bool, 3> families;  // by MapFamily
  constexpr bool In(MapFamily family) const { return families[static_cast<std::size_t>(family)]; }
};

namespace key {
inline constexpr std::string_view kApp = section::kApplication;
using enum InFreshFile;
// Every key of a fixed section. The fresh file writes the written ones in this
// order, a section's header before its first key; the missing ones follow
// the maps' keys in DeclaredKeys().
inline constexpr std::array kRows = std::to_array<KeyRow>({
    {kApp, "Console", true, Written, true},
    {kApp, "Skip Intro", true, Written, true},
    {kApp, "CustomGame", true, Written, true},
    {kApp, "ExitAfterRun", false, Written, false},
    {kApp, "RunParametres", "", Written, ""},
    {kApp, "USEParametres", false, Written, true},
    {kApp, "RunPrefix", "", Written, ""},
    {kApp, "RunPrefixParam", "", Written, "1"},
    {kApp, "USEPrefix", true, Written, false},
    {kApp, "MonitoringURL", "", Written, ""},
    {kApp, "Version", "0", LauncherValue},
    {section::kTavrin, "CommandFile", "wreckvale.exe", Written, "wreckvale.exe"},
    // One switch with USEParametres: fresh files carry that name, older ones this.
    {kApp, "USERunParametres", false},
    {kApp, "Language", ""},
    {kApp, "RememberChoices", false},
    {kApp, "ForumURL", "https://forum.example.org/wreckvale"},
});

// Each map's own keys, in the order of a section of the fresh file.
inline constexpr std::array kMapRows = std::to_array<MapKeyRow>({
    {"Visible", false, false, {true, true, false}},
    {"Map name", "", "", {false, false, true}},
    {"File name", "ERROR_READ_FILE_NAME", "", {false, false, true}},
    {"Versus", false, false, {true, true, true}},
});

constexpr bool SameKind(const KeyValue& a, const KeyValue& b) {
  return a.yesNo == b.yesNo;
}
static_assert(std::ranges::all_of(kRows, [](const KeyRow& row) {
  return row.fresh != Written || SameKind(row.fallback, row.written);
}));
static_assert(std::ranges::all_of(kMapRows, [](const MapKeyRow& row) {
  return SameKind(row.fallback, row.written);
}));
}  // namespace key

// What a missing key of type T reads as.
template <typename T>
using Fallback = std::conditional_t<std::is_same_v<T, bool>, bool, std::string_view>;

template <typename T>
constexpr Fallback<T> FallbackOf(const KeyValue& value) {
  if constexpr (std::is_same_v<T, bool>) {
    return value.yes;
  } else {
    return value.text;
  }
}

template <typename T>
constexpr bool HoldsA(const KeyValue& value) {
  return value.yesNo == std::is_same_v<T, bool>;
}

// One key to read: a Key<bool> reads as yes or no, a Key<std::string> as its
// bytes.
template <typename T>
struct Key {
  std::string_view section;
  std::string_view name;
  Fallback<T> fallback;
};

// The key of that row, of type T: no key is read that the rows lack.
template <typename T>
consteval Key<T> Declared(std::string_view section, std::string_view name) {
  for (const KeyRow& row : key::kRows) {
    if (row.section != section || row.name != name) continue;
    if (!HoldsA<T>(row.fallback)) throw "the row holds another type";
    return {row.section, row.name, FallbackOf<T>(row.fallback)};
  }
  throw "no such row";
}

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
  Fallback<T> fallback;

  template <MapFamily F>
  requires((F == Families) || ...) constexpr Key<T> In(MapSection<F> section) const {
    return {section.name, name, fallback};
  }
};

// The map key of that row, of type T, for exactly the families the row names.
template <typename T, MapFamily... Families>
consteval MapKey<T, Families...> DeclaredMapKey(std::string_view name) {
  for (const MapKeyRow& row : key::kMapRows) {
    if (row.name != name) continue;
    if (!HoldsA<T>(row.fallback)) throw "the row holds another type";
    std::array<bool, 3> families{};
    ((families[static_cast<std::size_t>(Families)] = true), ...);
    if (families != row.families) throw "the row names other families";
    return {row.name, FallbackOf<T>(row.fallback)};
  }
  throw "no such row";
}

namespace key {
using enum MapFamily;
inline constexpr auto kConsole = Declared<bool>(kApp, "Console");
inline constexpr auto kSkipIntro = Declared<bool>(kApp, "Skip Intro");
inline constexpr auto kCustomGame = Declared<bool>(kApp, "CustomGame");
inline constexpr auto kExitAfterRun = Declared<bool>(kApp, "ExitAfterRun");
inline constexpr auto kRunParameters = Declared<std::string>(kApp, "RunParametres");
inline constexpr auto kUseRunParameters = Declared<bool>(kApp, "USERunParametres");
inline constexpr auto kUseParameters = Declared<bool>(kApp, "USEParametres");
inline constexpr auto kRunPrefix = Declared<std::string>(kApp, "RunPrefix");
inline constexpr auto kRunPrefixParam = Declared<std::string>(kApp, "RunPrefixParam");
inline constexpr auto kUsePrefix = Declared<bool>(kApp, "USEPrefix");
inline constexpr auto kMonitoringUrl = Declared<std::string>(kApp, "MonitoringURL");
inline constexpr auto kVersion = Declared<std::string>(kApp, "Version");
inline constexpr auto kLanguage = Declared<std::string>(kApp, "Language");
inline constexpr auto kRememberChoices = Declared<bool>(kApp, "RememberChoices");
inline constexpr auto kForumUrl = Declared<std::string>(kApp, "ForumURL");
inline constexpr auto kCommandFile = Declared<std::string>(section::kTavrin, "CommandFile");

inline constexpr auto kVisible = DeclaredMapKey<bool, Addon, ExtraMap>("Visible");
inline constexpr auto kVersus = DeclaredMapKey<bool, Addon, ExtraMap, CustomMap>("Versus");
inline constexpr auto kMapName = DeclaredMapKey<std::string, CustomMap>("Map name");
inline constexpr auto kFileName = DeclaredMapKey<std::string, CustomMap>("File name");
// An add-on chapter's engine map, under the chapter's name.
constexpr Key<std::string> AddonChapterMap(std::string_view chapter) {
  return {section::kAddon.name, chapter, ""};
}
// An extra map's engine map in [CustomMaps], under the caption the player
// sees; a fresh file writes the default.
constexpr Key<std::string> ExtraMapId(std::string_view caption, std::string_view defaultId) {
  return {section::kCustomMaps, caption, defaultId};
}
}  // namespace key

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

// Every key the launcher reads, each map's own keys once per section: the
// rows a fresh file has, the maps' keys, then the rows it lacks. The
// [CustomMaps] keys carry the English captions.
struct DeclaredKey {
  std::string section;
  std::string name;
  std::string fallback;
  std::string written;
};
std::vector<DeclaredKey> DeclaredKeys();

}  // namespace wv
