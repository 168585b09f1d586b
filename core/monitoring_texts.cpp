#include "core/monitoring_texts.h"

#include "core/text.h"

namespace wv {

MonitoringTexts MonitoringTextsOf(const StringSet& strings) {
  return {
      .unavailable = DisplayUtf8(strings[Str::MonitoringUnavailable]),
      .moduleNotFound = DisplayUtf8(strings[Str::ModuleNotFound]),
      .moduleForeign = DisplayUtf8(strings.Join(Str::ModuleForeign1, Str::ModuleForeign2)),
      .moduleNotLoaded = DisplayUtf8(strings.Join(Str::ModuleNotLoaded1, Str::ModuleNotLoaded2)),
      .engineNotStarted = DisplayUtf8(strings[Str::EngineNotStarted]),
  };
}

MonitoringTexts EnglishMonitoringTexts() {
  StringSet english;
  english.Fill(kEnglishStrings);
  return MonitoringTextsOf(english);
}

std::string UnavailableLine(const MonitoringTexts& texts, const BrowserFailure& failure) {
  std::string why = failure.reason;
  if (why.empty()) {
    switch (failure.kind) {
      case BrowserFailure::Kind::ModuleNotFound:
        why = failure.file + ' ' + texts.moduleNotFound;
        break;
      case BrowserFailure::Kind::ModuleForeign:
        why = failure.file + ' ' + texts.moduleForeign;
        break;
      case BrowserFailure::Kind::ModuleNotLoaded:
        why = texts.moduleNotLoaded;
        break;
      case BrowserFailure::Kind::EngineNotStarted:
        why = texts.engineNotStarted;
        break;
    }
  }
  return texts.unavailable + ": " + why;
}

}  // namespace wv
