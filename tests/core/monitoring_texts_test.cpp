#include "core/monitoring_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace wv {
namespace {

// The monitoring page's one line: the system's reason where it gave one,
// else the launcher's words for what went wrong, after the module's file
// where one is concerned.
TEST(MonitoringTexts, UnavailableLineSaysWhy) {
  using Kind = BrowserFailure::Kind;
  const struct {
    const char* name;
    BrowserFailure failure;
    std::string line;
  } cases[] = {
      {"no module",
       {Kind::ModuleNotFound, "libwv_webview.so", ""},
       "Monitoring page unavailable: libwv_webview.so not found"},
      {"a stranger's library",
       {Kind::ModuleForeign, "/opt/x.so", ""},
       "Monitoring page unavailable: /opt/x.so is not a web-view module of this launcher"},
      {"no library at all: the system's words",
       {Kind::ModuleForeign, "/opt/x.so", "bad ELF"},
       "Monitoring page unavailable: bad ELF"},
      {"asked before the load",
       {Kind::ModuleNotLoaded, "", ""},
       "Monitoring page unavailable: the web-view module is not loaded"},
      {"engine silent",
       {Kind::EngineNotStarted, "", ""},
       "Monitoring page unavailable: the web engine did not start"},
      {"engine says why",
       {Kind::EngineNotStarted, "", "no OpenGL"},
       "Monitoring page unavailable: no OpenGL"},
  };
  const MonitoringTexts english = EnglishMonitoringTexts();
  for (const auto& c : cases) EXPECT_EQ(UnavailableLine(english, c.failure), c.line) << c.name;

  StringSet russian;
  russian.Fill(kRussianStrings);
  EXPECT_EQ(UnavailableLine(MonitoringTextsOf(russian), {Kind::ModuleNotFound, "m.so", ""}),
            "Страница мониторинга недоступна: m.so не найден");
}

}  // namespace
}  // namespace wv
