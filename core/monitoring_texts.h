#pragma once

#include <string>

#include "core/string_set.h"

namespace wv {

// What the monitoring page says where it can show no browser, display text.
// The page puts the reason the system gives, or else one of these, after
// `unavailable`.
struct MonitoringTexts {
  std::string unavailable;
  std::string moduleNotFound;   // after the module file's name
  std::string moduleForeign;    // after the path of a file that is no module
  std::string moduleNotLoaded;  // the engine was asked for before its module loaded
  std::string engineNotStarted;
};

MonitoringTexts MonitoringTextsOf(const StringSet& strings);
// For a page made outside the window.
MonitoringTexts EnglishMonitoringTexts();

}  // namespace wv
