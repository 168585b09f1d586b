#include "core/settings_template.h"

#include <gtest/gtest.h>

#include "core/settings_lock.h"
#include "core/whole_file.h"
#ifndef _WIN32  // file size limits exist on POSIX systems only
#include <sys/resource.h>
#endif

#include <csignal>
#ifndef _WIN32
#include <sys/stat.h>
#endif
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/startup.h"
#include "tests/support/english_text.h"
#include "tests/support/launcher_files.h"

namespace wv {
namespace {

namespace fs = std::filesystem;

using test::EnglishText;
using test::kVersion;
const ExtraMapCaptions kCaptions{"Foundry", "Rockfall", "Town square"};

// Read-only to everyone, so that a row run as an unprivileged user sees the
// folder as its owner would.
fs::path MakeReadOnly(const test::TempFolder& f) {
  using fs::perms;
  fs::permissions(f.Path(), perms::owner_read | perms::owner_exec | perms::group_read |
                                perms::group_exec | perms::others_read | perms::others_exec);
  return f.Path();
}

// Every path under `folder` but the lock file, which stays by design, to
// prove that an operation left nothing behind.
std::set<std::string> Listing(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    names.insert(fs::relative(entry.path(), folder).string());
  names.erase(std::string(kSettingsLockName));
  return names;
}

#ifndef _WIN32  // no per-process file size limit on Windows
// Writes past `bytes` fail while it lives, as on a full disk; works for root
// too. SIGXFSZ keeps the disposition it had: at its default, a write the
// launcher does not guard ends the process.
struct FileSizeLimit {
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }
  rlimit saved_{};
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
    EXPECT_EQ(FindProfileValue(text, "CustomMaps", c.captions[0]), "wrv_foundry");
    EXPECT_EQ(FindProfileValue(text, "CustomMaps", c.captions[1]), "wrv_rockfall02");
    EXPECT_EQ(FindProfileValue(text, "CustomMaps", c.captions[2]), "wrv_town_square");
    EXPECT_EQ(FindProfileValue(text, "Application", "USERunParametres"), std::nullopt);
  }
}

TEST(SettingsTemplateTest, WritesTemplateOnlyWhenNoFileIsThere) {
  test::TempFolder folder;
  // What a killed launcher left goes; a folder of that name is no such thing.
  const std::string temp = "." + std::string(kSettingsFileName) + ".tmp-";
  folder.Write(temp + "1", "half a templ");
  folder.Write("outside", "kept");
#ifndef _WIN32  // links need rights Windows gives few users
  fs::create_symlink(folder / "outside", folder / (temp + "2"));
#endif
  fs::create_directory(folder / (temp + "dir"));
  EXPECT_EQ(WriteSettingsTemplate(folder.Path(), kVersion, kCaptions), TemplateOutcome::Written);
  EXPECT_EQ(folder.Read(kSettingsFileName), SettingsTemplate(kVersion, kCaptions));
  EXPECT_EQ(Listing(folder.Path()),
            (std::set<std::string>{std::string(kSettingsFileName), temp + "dir", "outside"}));
  EXPECT_EQ(folder.Read("outside"), "kept");

  EXPECT_EQ(WriteSettingsTemplate(folder.Path(), "9.9", kCaptions), TemplateOutcome::Exists);
  EXPECT_EQ(folder.Read(kSettingsFileName), SettingsTemplate(kVersion, kCaptions));

  test::TempFolder other;
  other.Write(kSettingsFileName, "");
  other.Write(temp + "3", "");
  EXPECT_EQ(WriteSettingsTemplate(other.Path(), kVersion, kCaptions), TemplateOutcome::Exists);
  EXPECT_EQ(other.Read(kSettingsFileName), "");
  EXPECT_FALSE(fs::exists(other / (temp + "3")));
}

// The temporary template is only ever a file of its own: a file or a link
// already at its name is neither written nor followed.
TEST(SettingsTemplateTest, NewFileIsNeverAnExistingOne) {
  test::TempFolder folder;
  const fs::path target = folder.Write("target", "kept");
  std::vector<const char*> names = {"target"};
#ifndef _WIN32  // links need rights Windows gives few users
  fs::create_symlink(target, folder / "link");
  fs::create_symlink(folder / "nowhere", folder / "dangling");
  names.insert(names.end(), {"link", "dangling"});
#endif
  for (const char* name : names) {
    EXPECT_FALSE(WriteNewFile(folder / name, "new")) << name;
  }
  EXPECT_EQ(folder.Read("target"), "kept");
  EXPECT_FALSE(fs::exists(folder / "nowhere"));
  EXPECT_TRUE(WriteNewFile(folder / "fresh", "new"));
  EXPECT_EQ(folder.Read("fresh"), "new");
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
#ifdef _WIN32
    if (c.needsNonRoot && !test::PermissionsStopUs()) continue;
#endif
    test::TempFolder folder;
    const fs::path workDir = c.prepare(folder);
    const auto before = Listing(folder.Path());
    const auto write = [&] {
      const std::string outcome =
          std::to_string(static_cast<int>(WriteSettingsTemplate(workDir, kVersion, kCaptions)));
#ifndef _WIN32
      // The write leaves SIGXFSZ as it found it.
      return outcome + (std::signal(SIGXFSZ, SIG_DFL) == SIG_DFL ? "" : ", SIGXFSZ changed");
#else
      return outcome;
#endif
    };
    const std::string failed = std::to_string(static_cast<int>(TemplateOutcome::Failed));
#ifndef _WIN32
    // In a child of its own: the limit must not end the test run.
    // Root writes into a read-only folder: such a row runs as a user.
    EXPECT_EQ(c.diskFull       ? test::InChildProcess([&] {
                const FileSizeLimit limit(100);
                return write();
              })
              : c.needsNonRoot ? test::AsUnprivileged(write)
                               : write(),
              failed);
#else
    EXPECT_EQ(write(), failed);
#endif
    EXPECT_EQ(Listing(folder.Path()), before);
  }
}

const std::string kCurrent = test::CurrentSettings();
const std::string kOlder = "[Application]\r\nVersion=1.9.0.2\r\n";

TEST(SettingsTemplateTest, RefreshMovesOutdatedFileToAFreeBackupName) {
  using enum RefreshOutcome;
  const std::string bak(kSettingsBackupName);
  const struct {
    const char* name;
    std::optional<std::string> workFile;
    std::vector<std::string> oldBackups;  // .bak, .bak.1, …
    RefreshOutcome expected;
  } cases[] = {
      {"current", kCurrent, {}, Current},
      {"names in other case", "[application]\nversion = 1.9.0.3 \n", {}, Current},
      {"current, saved as UTF-16", test::Utf16Le(kCurrent), {}, Current},
      {"older version", kOlder, {}, BackedUp},
      {"older, saved as UTF-16", test::Utf16Le(kOlder), {}, BackedUp},
      {"longer version", "[Application]\r\nVersion=1.9.0.3.1\r\n", {}, BackedUp},
      {"no Version line", "[Application]\r\nConsole=Yes\r\n", {}, BackedUp},
      {"empty Version", "[Application]\r\nVersion=\r\n", {}, BackedUp},
      {"older backup kept", kOlder, {"previous"}, BackedUp},
      {"two older backups kept", kOlder, {"first", "second"}, BackedUp},
      {"no file at all", {}, {}, NoFile},
      {"no file, old backups", {}, {"previous"}, NoFile},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempFolder work;
    if (c.workFile) work.Write(kSettingsFileName, *c.workFile);
    std::vector<std::string> names;
    for (const std::string& old : c.oldBackups) {
      names.push_back(names.empty() ? bak : bak + "." + std::to_string(names.size()));
      work.Write(names.back(), old);
    }
    const fs::path freeName = FreeBackupName(work.Path());
    EXPECT_EQ(freeName.filename(), names.empty() ? bak : bak + "." + std::to_string(names.size()));

    EXPECT_EQ(RefreshOutdatedSettings(work.Path(), kVersion).outcome, c.expected);

    const bool moved = c.expected == BackedUp;
    EXPECT_EQ(fs::exists(work / kSettingsFileName), c.workFile && !moved);
    EXPECT_EQ(fs::exists(freeName), moved);
    if (moved) {
      EXPECT_EQ(work.Read(freeName.filename().string()), *c.workFile);
    }
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(work.Read(names[i]), c.oldBackups[i]);
  }
}

TEST(SettingsTemplateTest, RefreshKeepsFileItCannotMoveOrRead) {
  using enum RefreshOutcome;
  const struct {
    const char* name;
    bool needsNonRoot;
    void (*block)(const test::TempFolder&);
    RefreshOutcome expected;
    std::string reason = "";
    bool unprivileged = false;  // refreshed by a user whom permission bits stop
  } cases[] = {
      {"backup names taken by a folder and a file", false,
       [](const test::TempFolder& f) {
         fs::create_directories(f / kSettingsBackupName / "x");
         f.Write(std::string(kSettingsBackupName) + ".1", "older still");
       },
       BackedUp},
      {"read-only folder", true, [](const test::TempFolder& f) { MakeReadOnly(f); }, RenameFailed},
      {"settings name is a folder", false,
       [](const test::TempFolder& f) {
         fs::remove(f / kSettingsFileName);
         fs::create_directory(f / kSettingsFileName);
       },
       Unreadable, "not a regular file"},
      {"settings file larger than the cap", false,
       [](const test::TempFolder& f) { fs::resize_file(f / kSettingsFileName, kMaxFileBytes + 1); },
       Unreadable, "file too large"},
#ifndef _WIN32
      {"settings name is a FIFO", false,
       [](const test::TempFolder& f) {
         fs::remove(f / kSettingsFileName);
         ::mkfifo((f / kSettingsFileName).c_str(), 0644);
       },
       Unreadable, "not a regular file"},
      {"settings name links to an endless device", false,
       [](const test::TempFolder& f) {
         fs::remove(f / kSettingsFileName);
         fs::create_symlink("/dev/zero", f / kSettingsFileName);
       },
       Unreadable, "not a regular file"},
      {"no read permission, in a folder open to all", false,
       [](const test::TempFolder& f) {
         fs::permissions(f / kSettingsFileName, fs::perms::none);
         fs::permissions(f.Path(), fs::perms::all);
       },
       Unreadable, "Permission denied", true},
#endif
  };
  const auto describe = [](RefreshOutcome outcome, const std::string& reason) {
    return std::to_string(static_cast<int>(outcome)) + ": " + reason;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
#ifdef _WIN32
    if (c.needsNonRoot && !test::PermissionsStopUs()) continue;
#endif
    test::TempFolder work;
    work.Write(kSettingsFileName, kOlder);
    c.block(work);
    const auto before = Listing(work.Path());
    const auto refresh = [&] {
      const OutdatedFileRefresh r = RefreshOutdatedSettings(work.Path(), kVersion);
      return describe(r.outcome, EnglishText(r.failure));
    };
#ifndef _WIN32
    EXPECT_EQ(c.unprivileged || c.needsNonRoot ? test::AsUnprivileged(refresh) : refresh(),
              describe(c.expected, c.reason));
#else
    EXPECT_EQ(refresh(), describe(c.expected, c.reason));
#endif
    fs::permissions(work.Path(), fs::perms::owner_all, fs::perm_options::add);
    if (c.expected == BackedUp) {
      EXPECT_EQ(work.Read(std::string(kSettingsBackupName) + ".2"), kOlder);
    } else {
      EXPECT_EQ(Listing(work.Path()), before) << "nothing moved";
    }
  }
}

// A lock file of another user, which the player may read but not write,
// still keeps launchers apart.
TEST(SettingsTemplateTest, LockFileThePlayerCannotWriteStillLocks) {
  for (const bool heldElsewhere : {false, true}) {
    SCOPED_TRACE(heldElsewhere ? "held by another launcher" : "free");
    test::TempFolder work;
    const fs::path file = work.Write(std::string(kSettingsLockName), "");
    std::optional<SettingsLock> other;
    if (heldElsewhere) other.emplace(work.Path(), std::chrono::milliseconds(0));
    const auto lock = [&work] {
      const SettingsLock lock(work.Path(), std::chrono::milliseconds(50));
      return std::string(lock.Held() ? "held" : lock.Busy() ? "busy" : "no lock");
    };
    const std::string expected = heldElsewhere ? "busy" : "held";
#ifndef _WIN32
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
    EXPECT_EQ(test::AsUnprivileged(lock), expected);
#else
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(lock(), expected);
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
#endif
  }
}

}  // namespace
}  // namespace wv
