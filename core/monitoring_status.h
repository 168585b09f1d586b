#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/string_set.h"

namespace wv {

// What the web engine would find in this process. It ends the whole process,
// with no word, when run as root with its sandbox on; the sandbox is off when
// the variable is set (to anything) or the flags hold --no-sandbox.
struct EngineEnvironment {
  bool root = false;
  std::optional<std::string> disableSandbox;  // QTWEBENGINE_DISABLE_SANDBOX, when set
  std::string chromiumFlags;                  // QTWEBENGINE_CHROMIUM_FLAGS
};

// Why the monitoring page cannot have its engine here, UTF-8 for display; nullopt
// when the engine may start.
std::optional<std::string> EngineRefusal(const StringSet& strings,
                                         const EngineEnvironment& environment);

// The line the monitoring tab shows for a page that did not load, UTF-8; the
// reason (the engine's own words, UTF-8) follows where there is one.
std::string PageLoadFailure(const StringSet& strings, std::string_view reason);

}  // namespace wv
