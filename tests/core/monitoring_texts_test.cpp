#include "core/monitoring_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace wv {
namespace {

StringSet Strings(bool russian) {
  StringSet strings;
  strings.Fill(russian ? kRussianStrings : kEnglishStrings);
  return strings;
}

// The monitoring page's one line: the system's reason where it gave one,
// else the launcher's words for what went wrong, after the module's file
// where one is concerned.
TEST(MonitoringTexts, UnavailableLineSaysWhy) {
  using Kind = BrowserFailure::Kind;
  const struct {
    const char* name;
    BrowserFailure failure;
    std::string line;  // after "Monitoring page unavailable: "
  } cases[] = {
      {"no module", {Kind::ModuleNotFound, "libwv_webview.so", ""}, "libwv_webview.so not found"},
      {"a stranger's library",
       {Kind::ModuleForeign, "/opt/x.so", ""},
       "/opt/x.so is not a web-view module of this launcher"},
      {"no library at all: the system's words",
       {Kind::ModuleForeign, "/opt/x.so", "bad ELF"},
       "bad ELF"},
      {"asked before the load",
       {Kind::ModuleNotLoaded, "", ""},
       "the web-view module is not loaded"},
      {"engine silent", {Kind::EngineNotStarted, "", ""}, "the web engine did not start"},
      {"engine says why", {Kind::EngineNotStarted, "", "no OpenGL"}, "no OpenGL"},
      {"no web control", {Kind::NoWebView, "", ""}, "this system offers no built-in web view"},
      {"the system's words in one bounded line",
       {Kind::EngineNotStarted, "", "GL:\r\n" + std::string(4000, 'e')},
       "GL:  " + std::string(114, 'e') + "\u2026"},
      {"a module's path of any length",
       {Kind::ModuleNotFound, "/" + std::string(4000, 'd'), ""},
       "/" + std::string(118, 'd') + "\u2026 not found"},
  };
  const MonitoringTexts english = EnglishMonitoringTexts();
  for (const auto& c : cases) {
    EXPECT_EQ(UnavailableLine(english, c.failure), "Monitoring page unavailable: " + c.line)
        << c.name;
  }
  EXPECT_EQ(UnavailableLine(MonitoringTextsOf(Strings(true)), {Kind::ModuleNotFound, "m.so", ""}),
            "Страница мониторинга недоступна: m.so не найден");
}

// The engine ends the process as root unless its sandbox is switched off.
TEST(MonitoringTexts, EngineRefusedOnlyAsRootWithTheSandboxOn) {
  const std::string refused = "run as root, the engine needs QTWEBENGINE_DISABLE_SANDBOX=1";
  struct Row {
    const char* name;
    EngineEnvironment environment;
    std::string expected;  // empty: the engine may start
  };
  const Row rows[] = {
      {"a user", {false, std::nullopt, ""}, ""},
      {"root", {true, std::nullopt, ""}, refused},
      {"root, switch set", {true, "1", ""}, ""},
      {"root, switch set empty", {true, "", ""}, ""},
      {"root, flag among others", {true, std::nullopt, "--foo\t--no-sandbox --bar"}, ""},
      {"root, flag as a part of another", {true, std::nullopt, "--no-sandboxes"}, refused},
      {"root, other flags", {true, std::nullopt, "--disable-gpu"}, refused},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(EngineRefusal(EnglishMonitoringTexts(), row.environment).value_or(""), row.expected)
        << row.name;
  }
  EXPECT_EQ(EngineRefusal(MonitoringTextsOf(Strings(true)), {true, std::nullopt, ""}),
            "от root движку нужна переменная QTWEBENGINE_DISABLE_SANDBOX=1");
}

TEST(MonitoringTexts, PageLoadFailureSaysWhy) {
  struct Row {
    bool russian;
    std::string reason, expected;
    std::string url = {};
  };
  const Row rows[] = {
      {false, "Connection refused", "The monitoring page did not load: Connection refused"},
      {false, "", "The monitoring page did not load"},
      {true, "Connection refused", "Не удалось загрузить мониторинг: Connection refused"},
      {false, "net::ERR\n" + std::string(300, 'r') + "\n",
       "The monitoring page did not load: net::ERR " + std::string(110, 'r') + "\u2026"},
      {false, "\r\n", "The monitoring page did not load"},
      {false, "net::ERR_CONNECTION_REFUSED",
       "The monitoring page did not load: net::ERR_CONNECTION_REFUSED\nhttp://stats.example/",
       "http://stats.example/"},
      {false, "", "The monitoring page did not load\nhttp://x/ y", "http://x/\ny"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(PageLoadFailure(MonitoringTextsOf(Strings(row.russian)), row.reason, row.url),
              row.expected)
        << row.reason;
  }
}

}  // namespace
}  // namespace wv
