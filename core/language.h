#pragma once

#include <string_view>

namespace wv {

// The code a [Application] Language value selects: the value itself when it
// is one of the codes LauncherModel::ChangeLanguage knows, "LOCAL_EN"
// otherwise (missing, empty, unknown).
std::string_view LanguageCode(std::string_view value);

}  // namespace wv
