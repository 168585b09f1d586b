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

}  // namespace wv
