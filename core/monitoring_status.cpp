#include "core/monitoring_status.h"

#include "core/text.h"

namespace wv {

namespace {

constexpr std::string_view kSandboxSwitch = "QTWEBENGINE_DISABLE_SANDBOX=1";

bool HoldsFlag(std::string_view flags, std::string_view flag) {
  constexpr std::string_view kBlanks = " \t\n";
  std::size_t at = 0;
  while ((at = flags.find_first_not_of(kBlanks, at)) != std::string_view::npos) {
    const std::size_t end = flags.find_first_of(kBlanks, at);
    if (flags.substr(at, end - at) == flag) return true;
    at = end;
  }
  return false;
}

}  // namespace

std::optional<std::string> EngineRefusal(const StringSet& strings,
                                         const EngineEnvironment& environment) {
  if (!environment.root || environment.disableSandbox ||
      HoldsFlag(environment.chromiumFlags, "--no-sandbox")) {
    return std::nullopt;
  }
  return DisplayUtf8(strings[Str::EngineAsRoot]) + " " + std::string(kSandboxSwitch);
}

std::string PageLoadFailure(const StringSet& strings, std::string_view reason) {
  std::string line = DisplayUtf8(strings[Str::MonitoringNotLoaded]);
  if (!reason.empty()) line += ": " + DisplayUtf8(reason);
  return line;
}

}  // namespace wv
