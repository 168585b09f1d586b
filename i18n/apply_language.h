#pragma once

#include <string_view>

namespace wv {

class LauncherModel;
class SettingsReader;

// Fills the model's string set for `code`, in any case, and captions every
// language-dependent control and entry from it: "LOCAL_EN" and "LOCAL_RU"
// the built-in sets; "EN", "RU" and "**" the built-in English, Russian and
// English again, each with the texts that the settings' sections
// [Language_EN], [Language_RU] and [Language_Custom] give by entry name.
// Other codes leave the set as it is but caption again.
void ApplyLanguage(LauncherModel& model, std::string_view code, const SettingsReader& translations);
void ApplyLanguage(LauncherModel& model, std::string_view code);

// The code a [Application] Language value selects: the value itself when it
// is one of the codes above, "LOCAL_EN" otherwise (missing, empty, unknown).
std::string_view LanguageCode(std::string_view value);

}  // namespace wv
