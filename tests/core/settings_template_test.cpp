#include "core/settings_template.h"

#include <gtest/gtest.h>
#ifndef _WIN32  // file size limits exist on POSIX systems only
#include <sys/resource.h>
#endif

#include <csignal>
#include <optional>
#include <set>
#include <string>

#include "tests/support/launcher_files.h"

namespace wv {
namespace {

namespace fs = std::filesystem;

using test::kVersion;
const ExtraMapCaptions kCaptions{"Foundry", "Rockfall", "Town square"};

fs::path MakeReadOnly(const test::TempFolder& f) {
  fs::permissions(f.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  return f.Path();
}

// Every path under `folder`, to prove that an operation left nothing behind.
std::set<std::string> Listing(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    names.insert(fs::relative(entry.path(), folder).string());
  return names;
}

#ifndef _WIN32  // no per-process file size limit on Windows
// Writes past `bytes` fail while it lives, as on a full disk; works for root too.
struct FileSizeLimit {
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  rlimit saved_{};
  void (*oldHandler_)(int) = nullptr;
};
#endif

TEST(SettingsTemplateTest, DefaultTemplateByteForByte) {
  std::string expected =
      "[Application]\r\nConsole=Yes\r\nSkip Intro=Yes\r\nCustomGame=Yes\r\nExitAfterRun=No\r\n"
      "RunParametres=\r\nUSEParametres=Yes\r\nRunPrefix=\r\nRunPrefixParam=1\r\nUSEPrefix=No\r\n"
      "MonitoringURL=\r\nVersion=1.9.0.3\r\n"
      "[Tavrin]\r\nCommandFile=wreckvale.exe\r\n"
      "[Campaign_GreyTideRising]\r\nVisible=No\r\nVersus=No\r\n"
      "Old Quay=\r\nHarbour Arcades=\r\nCannery Market=\r\nThe Lights=\r\n"
      "[CustomMaps]\r\nFoundry=wrv_foundry\r\nRockfall=wrv_rockfall02\r\n"
      "Town square=wrv_town_square\r\n"
      "[MAP_TownSquare]\r\nVisible=No\r\nVersus=No\r\n"
      "[MAP_Foundry]\r\nVisible=No\r\nVersus=No\r\n"
      "[MAP_Rockfall]\r\nVisible=No\r\nVersus=No\r\n";
  // The sixteen custom map sections differ in their number only.
  for (int i = 1; i <= 16; ++i)
    expected += "[CustomMap" + std::to_string(i) + "]\r\nMap name=\r\nFile name=\r\nVersus=No\r\n";
  EXPECT_EQ(SettingsTemplate(kVersion, kCaptions), expected);
}

TEST(SettingsTemplateTest, CarriesVersionAndCaptionsAsGiven) {
  const struct {
    std::string version;
    ExtraMapCaptions captions;
  } cases[] = {
      {"Value Not Available", kCaptions},
      {"2.0.0.0", {"\xCB\xE8\xF2\xE5\xE9\xED\xFB\xE9", "\xCE\xE1\xE2\xE0\xEB", "Town  sq"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.version);
    const std::string text = SettingsTemplate(c.version, c.captions);
    EXPECT_EQ(FindProfileValue(text, "Application", "Version"), c.version);
    EXPECT_EQ(FindProfileValue(text, "CustomMaps", c.captions.foundry), "wrv_foundry");
    EXPECT_EQ(FindProfileValue(text, "CustomMaps", c.captions.rockfall), "wrv_rockfall02");
    EXPECT_EQ(FindProfileValue(text, "CustomMaps", c.captions.townSquare), "wrv_town_square");
    EXPECT_EQ(FindProfileValue(text, "Application", "USERunParametres"), std::nullopt);
  }
}

TEST(SettingsTemplateTest, WritesTemplateOnlyWhenNoFileIsThere) {
  test::TempFolder folder;
  EXPECT_EQ(WriteSettingsTemplate(folder.Path(), kVersion, kCaptions), TemplateOutcome::Written);
  EXPECT_EQ(folder.Read(kSettingsFileName), SettingsTemplate(kVersion, kCaptions));
  EXPECT_EQ(Listing(folder.Path()), std::set<std::string>{std::string(kSettingsFileName)});

  EXPECT_EQ(WriteSettingsTemplate(folder.Path(), "9.9", kCaptions), TemplateOutcome::Exists);
  EXPECT_EQ(folder.Read(kSettingsFileName), SettingsTemplate(kVersion, kCaptions));

  test::TempFolder other;
  other.Write(kSettingsFileName, "");
  EXPECT_EQ(WriteSettingsTemplate(other.Path(), kVersion, kCaptions), TemplateOutcome::Exists);
  EXPECT_EQ(other.Read(kSettingsFileName), "");
}

TEST(SettingsTemplateTest, FailedWriteLeavesNothingBehind) {
  const struct {
    const char* name;
    bool needsNonRoot, diskFull;
    fs::path (*prepare)(const test::TempFolder&);
  } cases[] = {
      {"read-only folder", true, false, MakeReadOnly},
      {"folder path runs through a file", false, false,
       [](const test::TempFolder& f) { return f.Write("plain", "x") / "work"; }},
      {"missing folder", false, false, [](const test::TempFolder& f) { return f / "absent"; }},
#ifndef _WIN32
      {"disk full", false, true, [](const test::TempFolder& f) { return f.Path(); }},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needsNonRoot && !test::PermissionsStopUs()) continue;
    test::TempFolder folder;
    const fs::path workDir = c.prepare(folder);
    const auto before = Listing(folder.Path());
    const TemplateOutcome outcome = [&] {
#ifndef _WIN32
      std::optional<FileSizeLimit> limit;
      if (c.diskFull) limit.emplace(100);
#endif
      return WriteSettingsTemplate(workDir, kVersion, kCaptions);
    }();
    EXPECT_EQ(outcome, TemplateOutcome::Failed);
    EXPECT_EQ(Listing(folder.Path()), before);
  }
}

const std::string kCurrent = test::CurrentSettings();
const std::string kOlder = "[Application]\r\nVersion=1.9.0.2\r\n";

TEST(SettingsTemplateTest, RefreshMovesOutdatedFileToBackup) {
  using enum RefreshOutcome;
  const struct {
    const char* name;
    bool oneFolder;  // reader and working folder name the same file
    std::optional<std::string> readerFile, workFile, oldBackup;
    RefreshOutcome expected;
  } cases[] = {
      {"current", true, {}, kCurrent, {}, Current},
      {"names in other case", true, {}, "[application]\nversion = 1.9.0.3 \n", {}, Current},
      {"older version", true, {}, kOlder, {}, BackedUp},
      {"longer version", true, {}, "[Application]\r\nVersion=1.9.0.3.1\r\n", {}, BackedUp},
      {"no Version line", true, {}, "[Application]\r\nConsole=Yes\r\n", {}, BackedUp},
      {"empty Version", true, {}, "[Application]\r\nVersion=\r\n", {}, BackedUp},
      {"older backup replaced", true, {}, kOlder, "previous", BackedUp},
      {"no file at all", true, {}, {}, {}, NoFile},
      {"reader current, work outdated", false, kCurrent, kOlder, {}, Current},
      {"reader outdated, no work file", false, kOlder, {}, {}, NoFile},
      {"no reader file, work current", false, {}, kCurrent, {}, BackedUp},
      {"reader outdated, work current", false, kOlder, kCurrent, {}, BackedUp},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempFolder work, exe;
    if (c.workFile) work.Write(kSettingsFileName, *c.workFile);
    if (c.oldBackup) work.Write(kSettingsBackupName, *c.oldBackup);
    if (c.readerFile) exe.Write(kSettingsFileName, *c.readerFile);
    const SettingsReader reader((c.oneFolder ? work : exe) / kSettingsFileName);

    EXPECT_EQ(RefreshOutdatedSettings(reader, work.Path(), kVersion), c.expected);

    const bool moved = c.expected == BackedUp;
    EXPECT_EQ(fs::exists(work / kSettingsFileName), c.workFile && !moved);
    const auto backup = moved ? c.workFile : c.oldBackup;
    EXPECT_EQ(fs::exists(work / kSettingsBackupName), backup.has_value());
    EXPECT_EQ(work.Read(kSettingsBackupName), backup.value_or(""));
    EXPECT_EQ(exe.Read(kSettingsFileName), c.readerFile.value_or(""));
  }
}

TEST(SettingsTemplateTest, RefreshKeepsFileItCannotMove) {
  const struct {
    const char* name;
    bool needsNonRoot;
    void (*block)(const test::TempFolder&);
  } cases[] = {
      {"backup name taken by a folder", false,
       [](const test::TempFolder& f) { fs::create_directory(f / kSettingsBackupName); }},
      {"read-only folder", true, [](const test::TempFolder& f) { MakeReadOnly(f); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needsNonRoot && !test::PermissionsStopUs()) continue;
    test::TempFolder work;
    const SettingsReader reader(work.Write(kSettingsFileName, kOlder));
    c.block(work);
    EXPECT_EQ(RefreshOutdatedSettings(reader, work.Path(), kVersion), RefreshOutcome::RenameFailed);
    EXPECT_EQ(work.Read(kSettingsFileName), kOlder);
  }
}

}  // namespace
}  // namespace wv
