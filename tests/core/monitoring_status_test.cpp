#include "core/monitoring_status.h"

#include <gtest/gtest.h>

namespace wv {
namespace {

StringSet Strings(bool russian) {
  StringSet strings;
  strings.Fill(russian ? kRussianStrings : kEnglishStrings);
  return strings;
}

// The engine ends the process as root unless its sandbox is switched off.
TEST(MonitoringStatus, EngineRefusedOnlyAsRootWithTheSandboxOn) {
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
    EXPECT_EQ(EngineRefusal(Strings(false), row.environment).value_or(""), row.expected)
        << row.name;
  }
  EXPECT_EQ(EngineRefusal(Strings(true), {true, std::nullopt, ""}),
            "от root движку нужна переменная QTWEBENGINE_DISABLE_SANDBOX=1");
}

TEST(MonitoringStatus, PageLoadFailureSaysWhy) {
  struct Row {
    bool russian;
    std::string reason, expected;
  };
  const Row rows[] = {
      {false, "Connection refused", "The monitoring page did not load: Connection refused"},
      {false, "", "The monitoring page did not load"},
      {true, "Connection refused", "Не удалось загрузить мониторинг: Connection refused"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(PageLoadFailure(Strings(row.russian), row.reason), row.expected) << row.reason;
  }
}

}  // namespace
}  // namespace wv
