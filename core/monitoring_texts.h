#pragma once

#include <string>

#include "core/string_set.h"

namespace wv {

// What the monitoring page says where it can show no browser, display text.
struct MonitoringTexts {
  std::string unavailable;      // ahead of every reason
  std::string moduleNotFound;   // after the module file's name
  std::string moduleForeign;    // after the path of a file that is no module
  std::string moduleNotLoaded;  // the engine was asked for before its module loaded
  std::string engineNotStarted;
};

MonitoringTexts MonitoringTextsOf(const StringSet& strings);
// For a page made outside the window.
MonitoringTexts EnglishMonitoringTexts();

// Why the web-view module gave no browser, as the page learns it.
struct BrowserFailure {
  enum class Kind { ModuleNotFound, ModuleForeign, ModuleNotLoaded, EngineNotStarted };
  Kind kind = Kind::EngineNotStarted;
  std::string file;    // the module file concerned, for the module's kinds
  std::string reason;  // the system's own words, UTF-8; empty where it gave none
};

// The page's one line: the system's reason where it gave one, else the
// launcher's own words for the kind.
std::string UnavailableLine(const MonitoringTexts& texts, const BrowserFailure& failure);

}  // namespace wv
