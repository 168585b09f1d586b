// The names the launcher writes in the game folder, taken by links planted
// from the Linux side (under Wine) or symbolic links (on Windows): nothing is
// written through them and nothing is made where they point. Wine 8 shows a
// Unix symlink as the file it names, not as a reparse point; only the path an
// open file resolves to gives it away.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/run_log.h"
#include "core/settings_lock.h"
#include "platform/process_starter.h"
#include "tests/support/temp_folder.h"
#include "tests/windows/launch_record.h"
#include "tests/windows/planted_link.h"

namespace wv::test {
namespace {

namespace fs = std::filesystem;

enum class Plant { Nothing, LinkToFile, LinkToNowhere };

// Starts the stand-in engine as the launcher starts the game, the log kept
// aside first; false when it did not run to its end.
bool StartLogged(const fs::path& game, const fs::path& records) {
  const fs::path log = game / std::string(kRunLogName);
  DetachedProcessStarter starter;
  if (KeepPreviousRunLog(log).made) starter.SendOutputTo(log);
  const fs::path record = records / "record";
  SetEnvironmentVariableA(kRecordVariable, record.string().c_str());
  const auto failure = starter.Start("\"" + (game / "qr7.exe").string() + "\"", game.string());
  SetEnvironmentVariableA(kRecordVariable, nullptr);
  return !failure && WaitForFile(record, std::chrono::seconds(30));
}

TEST(PlantedNames, NothingWrittenThroughALink) {
  const std::string log(kRunLogName), lock(kSettingsLockName);
  const struct {
    std::string name;
    Plant plant;
  } cases[] = {
      {log, Plant::Nothing},  // the stand-in's output does reach a log of its own
      {log, Plant::LinkToFile},  {log, Plant::LinkToNowhere},
      {lock, Plant::Nothing},  // made hidden: a leading dot hides nothing on Windows
      {lock, Plant::LinkToFile}, {lock, Plant::LinkToNowhere},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name + " planted as kind " + std::to_string(static_cast<int>(c.plant)));
    TempFolder game, elsewhere, records;
    const fs::path at = game / c.name;
    const fs::path victim = elsewhere.Write("victim", "untouched\n");
    const fs::path nowhere = elsewhere / "nowhere";
    fs::copy_file(ProgramFolder() + "\\qr7.exe", game / "qr7.exe");
    if (c.plant != Plant::Nothing &&
        !PlantLink(c.plant == Plant::LinkToFile ? victim : nowhere, at)) {
      GTEST_SKIP() << "no right to make a link here";
    }

    if (c.name == log) {
      EXPECT_TRUE(StartLogged(game.Path(), records.Path()));
      if (c.plant == Plant::Nothing) {
        EXPECT_EQ(game.Read(log), kStandInOutput);
      }
    } else {
      const SettingsLock held(game.Path(), std::chrono::milliseconds(0));
      EXPECT_EQ(held.Held(), c.plant == Plant::Nothing) << "a link holds no lock";
      if (c.plant == Plant::Nothing) {
        EXPECT_NE(GetFileAttributesW(at.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
      }
    }
    EXPECT_EQ(TempFolder::ReadFile(victim), "untouched\n");
    EXPECT_EQ(GetFileAttributesW(victim.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(GetFileAttributesW(nowhere.c_str()), INVALID_FILE_ATTRIBUTES) << "made through";
  }
}

}  // namespace
}  // namespace wv::test
