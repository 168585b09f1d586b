#pragma once

#include <string>

namespace wv {

class LauncherModel;

// The one-line settings summary for the clipboard.
std::string ClipboardSummary(const LauncherModel& model);

}  // namespace wv
