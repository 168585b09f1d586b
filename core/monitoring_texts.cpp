#include "core/monitoring_texts.h"

#include <utility>

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

MonitoringTexts MonitoringTextsOf(const StringSet& strings) {
  return {
      .unavailable = DisplayUtf8(strings[Str::MonitoringUnavailable]),
      .moduleNotFound = DisplayUtf8(strings[Str::ModuleNotFound]),
      .moduleForeign = DisplayUtf8(strings.Join(Str::ModuleForeign1, Str::ModuleForeign2)),
      .moduleNotLoaded = DisplayUtf8(strings.Join(Str::ModuleNotLoaded1, Str::ModuleNotLoaded2)),
      .engineNotStarted = DisplayUtf8(strings[Str::EngineNotStarted]),
      .engineAsRoot = DisplayUtf8(strings[Str::EngineAsRoot]),
      .notLoaded = DisplayUtf8(strings[Str::MonitoringNotLoaded]),
      .noWebView = DisplayUtf8(strings.Join(Str::NoWebView1, Str::NoWebView2)),
      .openInBrowser = DisplayUtf8(strings[Str::OpenInBrowser]),
  };
}

MonitoringTexts EnglishMonitoringTexts() {
  StringSet english;
  english.Fill(kEnglishStrings);
  return MonitoringTextsOf(english);
}

std::string UnavailableLine(const MonitoringTexts& texts, const BrowserFailure& failure) {
  std::string why = QuotedLine(failure.reason);
  if (why.empty()) {
    switch (failure.kind) {
      case BrowserFailure::Kind::ModuleNotFound:
        why = QuotedLine(failure.file) + ' ' + texts.moduleNotFound;
        break;
      case BrowserFailure::Kind::ModuleForeign:
        why = QuotedLine(failure.file) + ' ' + texts.moduleForeign;
        break;
      case BrowserFailure::Kind::ModuleNotLoaded:
        why = texts.moduleNotLoaded;
        break;
      case BrowserFailure::Kind::EngineNotStarted:
        why = texts.engineNotStarted;
        break;
      case BrowserFailure::Kind::NoWebView:
        why = texts.noWebView;
        break;
    }
  }
  return texts.unavailable + ": " + why;
}

std::optional<std::string> EngineRefusal(const MonitoringTexts& texts,
                                         const EngineEnvironment& environment) {
  if (!environment.root || environment.disableSandbox ||
      HoldsFlag(environment.chromiumFlags, "--no-sandbox")) {
    return std::nullopt;
  }
  return texts.engineAsRoot + " " + std::string(kSandboxSwitch);
}

std::string PageLoadFailure(const MonitoringTexts& texts, std::string_view reason,
                            std::string_view url) {
  std::string line = texts.notLoaded;
  const std::string why = QuotedLine(reason);
  if (!why.empty()) line += ": " + why;
  return WithPageAddress(std::move(line), url);
}

std::string WithPageAddress(std::string line, std::string_view url) {
  const std::string address = QuotedLine(url);
  if (!address.empty()) line += "\n" + address;
  return line;
}

}  // namespace wv
