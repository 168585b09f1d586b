#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/string_set.h"

namespace wv {

// What the monitoring page says where it can show no browser, display text.
struct MonitoringTexts {
  std::string unavailable;      // ahead of every reason
  std::string moduleNotFound;   // after the module file's name
  std::string moduleForeign;    // after the path of a file that is no module
  std::string moduleNotLoaded;  // the engine was asked for before its module loaded
  std::string engineNotStarted;
  std::string engineAsRoot;   // before the switch that lets the engine run as root
  std::string notLoaded;      // a page that did not load
  std::string noWebView;      // the system makes no web control, or it shows no page
  std::string openInBrowser;  // the button that opens the page elsewhere
};

MonitoringTexts MonitoringTextsOf(const StringSet& strings);
// For a page made outside the window.
MonitoringTexts EnglishMonitoringTexts();

// Why the web-view module gave no browser, as the page learns it.
struct BrowserFailure {
  enum class Kind {
    ModuleNotFound,
    ModuleForeign,
    ModuleNotLoaded,
    EngineNotStarted,
    NoWebView  // the Windows web control cannot be made or never answers
  };
  Kind kind = Kind::EngineNotStarted;
  std::string file;    // the module file concerned, for the module's kinds
  std::string reason;  // the system's own words, UTF-8; empty where it gave none
};

// The page's one line: the system's reason where it gave one, else the
// launcher's own words for the kind.
std::string UnavailableLine(const MonitoringTexts& texts, const BrowserFailure& failure);

// What the web engine would find in this process. It ends the whole process,
// with no word, when run as root with its sandbox on; the sandbox is off when
// the variable is set (to anything) or the flags hold --no-sandbox.
struct EngineEnvironment {
  bool root = false;
  std::optional<std::string> disableSandbox;  // QTWEBENGINE_DISABLE_SANDBOX, when set
  std::string chromiumFlags;                  // QTWEBENGINE_CHROMIUM_FLAGS
};

// Why the monitoring page cannot have its engine here; nullopt when the
// engine may start.
std::optional<std::string> EngineRefusal(const MonitoringTexts& texts,
                                         const EngineEnvironment& environment);

// The line for a page that did not load; the engine's reason (UTF-8) follows
// where there is one, then the page's address as WithPageAddress puts it.
std::string PageLoadFailure(const MonitoringTexts& texts, std::string_view reason,
                            std::string_view url = {});

// A line that says why the page shows nothing, with the page's address (UTF-8)
// on a line of its own, for the player to open it elsewhere.
std::string WithPageAddress(std::string line, std::string_view url);

}  // namespace wv
