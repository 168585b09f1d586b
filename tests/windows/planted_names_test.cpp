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
#include "core/settings_file.h"
#include "core/settings_lock.h"
#include "core/settings_template.h"
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
  // A copy a killed launcher left of the settings file, removed under the lock.
  const std::string leftCopy = "." + std::string(kSettingsFileName) + ".tmp-42";
  const struct {
    std::string name;
    Plant plant;
  } cases[] = {
      {log, Plant::Nothing},          // the stand-in's output reaches a log of its own
      {log, Plant::LinkToFile},       // the file elsewhere keeps its bytes
      {log, Plant::LinkToNowhere},    // nothing made where it points
      {lock, Plant::Nothing},         // made hidden: a leading dot hides nothing on Windows
      {lock, Plant::LinkToFile},      // no lock, the file elsewhere neither locked nor hidden
      {lock, Plant::LinkToNowhere},   // nothing made where it points
      {leftCopy, Plant::Nothing},     // removed
      {leftCopy, Plant::LinkToFile},  // the file elsewhere never deleted through it
      // An outdated settings file is backed up: the file elsewhere stays in place.
      {std::string(kSettingsFileName), Plant::LinkToFile},
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
    } else if (c.name == kSettingsFileName) {
      RefreshOutdatedSettings(game.Path(), "9.9");
    } else if (c.name == leftCopy) {
      if (c.plant == Plant::Nothing) game.Write(leftCopy, "left by a killed launcher");
      EXPECT_EQ(WriteSettingsTemplate(game.Path(), "1.0", {}), TemplateOutcome::Written);
      if (c.plant == Plant::Nothing) {
        EXPECT_FALSE(fs::exists(at));
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
