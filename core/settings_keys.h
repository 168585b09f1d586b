#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings_file.h"

namespace wv {

namespace section {
inline constexpr std::string_view kApplication = "Application";
inline constexpr std::string_view kTavrin = "Tavrin";
inline constexpr std::string_view kAddon = "Campaign_GreyTideRising";
inline constexpr std::string_view kCustomMaps = "CustomMaps";
}  // namespace section

// A switch reads as yes exactly when its text is "Yes" in any case; text is
// taken byte for byte.
enum class KeyKind { Switch, Text };

// One key of the settings file: where it is, what a missing one reads as and
// what a fresh file says. A key of every map's own section leaves `section`
// empty; the section comes with the read.
struct SettingKey {
  std::string_view section;
  std::string_view key;
  std::string_view fallback;
  KeyKind kind;
  std::string_view written;  // the value a fresh file has, where it has the key
};

namespace key {
using enum KeyKind;
inline constexpr std::string_view kApp = section::kApplication;
inline constexpr SettingKey kConsole{kApp, "Console", "Yes", Switch, "Yes"};
inline constexpr SettingKey kSkipIntro{kApp, "Skip Intro", "Yes", Switch, "Yes"};
inline constexpr SettingKey kCustomGame{kApp, "CustomGame", "Yes", Switch, "Yes"};
inline constexpr SettingKey kExitAfterRun{kApp, "ExitAfterRun", "No", Switch, "No"};
inline constexpr SettingKey kRunParameters{kApp, "RunParametres", "", Text, ""};
// One switch under two names: fresh files carry the second, older ones the first.
inline constexpr SettingKey kUseRunParameters{kApp, "USERunParametres", "No", Switch, ""};
inline constexpr SettingKey kUseParameters{kApp, "USEParametres", "No", Switch, "Yes"};
inline constexpr SettingKey kRunPrefix{kApp, "RunPrefix", "", Text, ""};
inline constexpr SettingKey kRunPrefixParam{kApp, "RunPrefixParam", "", Text, "1"};
inline constexpr SettingKey kUsePrefix{kApp, "USEPrefix", "Yes", Switch, "No"};
inline constexpr SettingKey kMonitoringUrl{kApp, "MonitoringURL", "", Text, ""};
inline constexpr SettingKey kVersion{kApp, "Version", "0", Text, ""};  // written: the launcher's
inline constexpr SettingKey kLanguage{kApp, "Language", "", Text, ""};
inline constexpr SettingKey kCommandFile{section::kTavrin, "CommandFile", "wreckvale.exe", Text,
                                         "wreckvale.exe"};
// Keys of a map's own section: the add-on's, an extra map's, a custom map's.
inline constexpr SettingKey kVisible{{}, "Visible", "No", Switch, "No"};
inline constexpr SettingKey kVersus{{}, "Versus", "No", Switch, "No"};
inline constexpr SettingKey kMapName{{}, "Map name", "", Text, ""};
inline constexpr SettingKey kFileName{{}, "File name", "ERROR_READ_FILE_NAME", Text, ""};
}  // namespace key

// The [Application] keys of a fresh file, in its order; Version follows them.
inline constexpr std::array<const SettingKey*, 10> kApplicationTemplate = {
    &key::kConsole,       &key::kSkipIntro,     &key::kCustomGame, &key::kExitAfterRun,
    &key::kRunParameters, &key::kUseParameters, &key::kRunPrefix,  &key::kRunPrefixParam,
    &key::kUsePrefix,     &key::kMonitoringUrl,
};

// The key's value, or its fallback; `section` names the map's own section
// for the keys that have none.
std::string Read(const SettingsReader& reader, const SettingKey& key,
                 std::string_view section = {});
bool ReadSwitch(const SettingsReader& reader, const SettingKey& key, std::string_view section = {});
// The value only where the file has the key.
std::optional<std::string> Find(const SettingsReader& reader, const SettingKey& key,
                                std::string_view section = {});

// What the add-on's Visible says: offered on "Yes"; withdrawn only on an
// explicit "No", since an empty value keeps an add-on campaign already chosen.
enum class AddonVisibility { Offered, Withdrawn, Unsaid };
AddonVisibility ReadAddonVisibility(const SettingsReader& reader);

}  // namespace wv
