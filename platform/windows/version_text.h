#pragma once

#include <string>
#include <string_view>

namespace wv {

inline constexpr std::string_view kVersionNotAvailable = "Value Not Available";

// The "FileVersion" string of the first translation in the version resource
// of the running executable; kVersionNotAvailable when the resource, the
// translation or the string is missing.
std::string LauncherVersionText();

}  // namespace wv
