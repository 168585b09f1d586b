#pragma once

#include <string_view>

namespace wv {

class LauncherModel;

// Fills the model's string set for `code` ("LOCAL_EN", "LOCAL_RU", any case)
// and captions every language-dependent control and entry from it. Other
// codes leave the set as it is but caption again.
void ApplyLanguage(LauncherModel& model, std::string_view code);

}  // namespace wv
