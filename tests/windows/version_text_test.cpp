// The version text as a program reads it from its own version resource.
#include "platform/windows/version_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tests/support/temp_folder.h"
#include "tests/windows/launch_record.h"

namespace wv::test {
namespace {

using namespace std::chrono_literals;

TEST(VersionText, ReadFromTheProgramsOwnResource) {
  const struct {
    const char* probe;
    std::string_view expected;
  } cases[] = {
      {"version_probe.exe", WV_VERSION_TEXT},  // the launcher's resource: the project version
      {"version_probe_bare.exe", kVersionNotAvailable},
  };
  TempFolder folder;
  const std::string programs = ProgramFolder();
  for (const auto& c : cases) {
    const std::string answer = std::string(c.probe) + ".txt";
    const std::string out = (folder / answer).string();
    std::string error;
    ASSERT_TRUE(StartForTest("\"" + programs + "\\" + c.probe + "\" \"" + out + "\"", &error))
        << c.probe << ": " << error;
    EXPECT_EQ(WaitForFile(out, 30s) ? folder.Read(answer) : "(no answer)", c.expected) << c.probe;
  }
}

}  // namespace
}  // namespace wv::test
