#include "core/startup.h"

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "core/program_search.h"
#include "core/settings_lock.h"
#include "core/settings_template.h"
#include "tests/core/model_fixture.h"

namespace wv::test {
namespace {

using Strings = std::vector<std::string>;

TEST(Startup, FirstStartWritesTheTemplateAndReadsItsOptions) {
  EngineFolder dir;
  Started s = Start(dir);
  EXPECT_TRUE(s.messages.empty());
  EXPECT_FALSE(s.result.quit);
  EXPECT_EQ(dir.Read(kIni), SettingsTemplate(kVersion, {"Foundry", "Rockfall", "Town square"}));
  const Options& o = s.model.GetOptions();
  EXPECT_TRUE(o.console);
  EXPECT_TRUE(o.skipIntro);
  EXPECT_TRUE(o.customGame);
  EXPECT_FALSE(o.exitAfterRun);
  EXPECT_EQ(s.model.RunParamSuffix(), "") << "the template's USEParametres=Yes, nothing to add";
  EXPECT_EQ(s.model.GameExeName(), "wreckvale.exe");
  EXPECT_FALSE(s.model.TabVisible(Tab::Monitoring));
  EXPECT_FALSE(s.model.TabVisible(Tab::Settings));
  EXPECT_FALSE(s.model.Entry("greyTideRising").visible);
  EXPECT_EQ(ShownText(s.model, Control::VersionLabel), "1.9.0.3");
  EXPECT_EQ(ShownText(s.model, Control::Title), "Wreckvale Launcher");
  EXPECT_EQ(s.model.ActionMode(), ActionMode::CreateServer);
  EXPECT_EQ(ShownText(s.model, Control::ActionButton), "Create server ");

  // A second start leaves the file byte for byte.
  const std::string before = dir.Read(kIni);
  Start(dir);
  EXPECT_EQ(dir.Read(kIni), before);
}

TEST(Startup, FolderCheck) {
  const std::string otherEngine = CurrentSettings("", "[Tavrin]\r\nCommandFile=other.exe\r\n");
  const struct {
    std::vector<std::string> files;
    std::string settings, message;  // message empty: none
  } cases[] = {
      {{"qr7.exe"}, "", ""},
      {{"wreckvale.exe"}, "", ""},
      {{}, "", kNoEngineMessage},
      {{"other.exe"}, otherEngine, ""},
      {{"wreckvale.exe"},
       otherEngine,
       "You must run this launcher from folder with qr7.exe or other.exe"},
  };
  for (const auto& c : cases) {
    TempFolder dir;
    for (const std::string& f : c.files) dir.Write(f, "");
    if (!c.settings.empty()) dir.Write(kIni, c.settings);
    const Started s = Start(dir);
    EXPECT_EQ(s.messages, c.message.empty() ? Strings{} : Strings{c.message});
    EXPECT_EQ(s.result.quit, !c.message.empty());
    EXPECT_TRUE(std::filesystem::exists(dir / kIni))
        << "the template is written even when quitting";
  }
}

TEST(Startup, AFolderNamedLikeTheEngineDoesNotCount) {
  TempFolder dir;
  std::filesystem::create_directory(dir / "qr7.exe");
  EXPECT_TRUE(Start(dir).result.quit);
}

TEST(Startup, OptionsFollowTheYesNoRule) {
  const struct {
    std::string lines;
    bool console;
  } cases[] = {{"Console=yes\r\n", true}, {"Console=YES\r\n", true}, {"Console=Y\r\n", false},
               {"Console=1\r\n", false},  {"Console=\r\n", false},   {"", true}};
  for (const auto& c : cases) {
    EngineFolder dir;
    dir.Write(kIni, CurrentSettings(c.lines));
    EXPECT_EQ(Start(dir).model.GetOptions().console, c.console) << c.lines;
  }
}

TEST(Startup, ProgramWideValues) {
  EngineFolder dir;
  dir.Write(kIni,
            CurrentSettings("USERunParametres=Yes\r\nRunParametres=\r\nExitAfterRun=yes\r\n"
                            "Skip Intro=no\r\nCustomGame=No\r\nMonitoringURL=http://127.0.0.1/\r\n",
                            "[Campaign_GreyTideRising]\r\nVisible=Yes\r\n"));
  Started s = Start(dir);
  EXPECT_EQ(s.model.RunParamSuffix(), " ");
  EXPECT_TRUE(s.model.GetOptions().exitAfterRun);
  EXPECT_FALSE(s.model.GetOptions().skipIntro);
  EXPECT_FALSE(s.model.GetOptions().customGame);
  EXPECT_EQ(s.model.MonitoringUrl(), "http://127.0.0.1/");
  EXPECT_TRUE(s.model.TabVisible(Tab::Monitoring));
  EXPECT_TRUE(s.model.Entry("greyTideRising").visible);

  // One switch under two names: USERunParametres first, else USEParametres.
  const std::pair<const char*, const char*> switches[] = {
      {"RunParametres=-dev\r\n", ""},
      {"USEParametres=Yes\r\nRunParametres=-dev\r\n", " -dev"},
      {"USEParametres=Yes\r\nRunParametres=\r\n", ""},
      {"USERunParametres=Yes\r\nUSEParametres=Yes\r\nRunParametres=\r\n", " "},
      {"USEParametres=No\r\nRunParametres=-dev\r\n", ""},
      {"USERunParametres=No\r\nUSEParametres=Yes\r\nRunParametres=-dev\r\n", ""},
      {"USERunParametres=\r\nUSEParametres=Yes\r\nRunParametres=-dev\r\n", ""},
      {"USEParametres=No\r\nUSERunParametres=yes\r\nRunParametres=-dev\r\n", " -dev"},
  };
  for (const auto& [lines, suffix] : switches) {
    dir.Write(kIni, CurrentSettings(lines));
    EXPECT_EQ(Start(dir).model.RunParamSuffix(), suffix) << lines;
  }
  dir.Write(kIni, CurrentSettings("USERunParametres=YES\r\nRunParametres=-dev +x\r\n"));
  EXPECT_EQ(Start(dir).model.RunParamSuffix(), " -dev +x");
}

TEST(Startup, OutdatedFileIsKeptAsBackupAndReplaced) {
  for (std::string_view version :
       {"", "Version=\r\n", "Version=1.9.0.2\r\n", "version=1.9.0.3 x\r\n"}) {
    EngineFolder dir;
    const std::string old = "[Application]\r\nConsole=No\r\n" + std::string(version);
    dir.Write(kIni, old);
    Started s = Start(dir);
    EXPECT_TRUE(s.messages.empty());
    EXPECT_EQ(dir.Read(kSettingsBackupName), old);
    EXPECT_TRUE(s.model.GetOptions().console) << "options come from the fresh template";
  }
}

// The messages of a start, then whether the console option came out on.
std::string StartOutcome(const TempFolder& dir) {
  const Started s = Start(dir);
  std::string outcome;
  for (const std::string& m : s.messages) outcome += m + "\n";
  return outcome + (s.model.GetOptions().console ? "console" : "no console") +
         (s.result.quit ? ", quit" : "");
}

TEST(Startup, OutdatedFileThatCannotBeMovedStaysInUse) {
  EngineFolder dir;
  dir.Write(kIni, "[Application]\r\nVersion=0.1\r\nConsole=No\r\n");
  const std::string expected =
      "Can not remove old settings file (wreckvale_launcher.ini)\nno console";
#ifdef _WIN32
  // Open without leave to delete, the file cannot be renamed.
  const HANDLE hold = CreateFileW((dir / kIni).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(StartOutcome(dir), expected);
  CloseHandle(hold);
#else
  // A folder the starting user may not write in.
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_EQ(AsUnprivileged([&] { return StartOutcome(dir); }), expected);
#endif
}

TEST(Startup, ReadsBesideTheExecutableWritesInTheWorkingFolder) {
  TempFolder exeDir;
  EngineFolder workDir;
  exeDir.Write(kIni, CurrentSettings("Console=No\r\n"));
  Started s = Start(exeDir.Path(), workDir.Path());
  EXPECT_TRUE(std::filesystem::exists(workDir / kIni));
  EXPECT_FALSE(s.model.GetOptions().console) << "read from the executable's folder";
  EXPECT_EQ(exeDir.Read(kIni), CurrentSettings("Console=No\r\n"));

  // The refresh asks the file it would move, not the one beside the
  // executable: a current file is never moved, an outdated one always.
  exeDir.Write(kIni, "[Application]\r\nVersion=0.1\r\n");
  workDir.Write(kIni, CurrentSettings("Skip Intro=No\r\n"));
  EXPECT_TRUE(Start(exeDir.Path(), workDir.Path()).messages.empty());
  EXPECT_EQ(workDir.Read(kIni), CurrentSettings("Skip Intro=No\r\n"));
  EXPECT_FALSE(std::filesystem::exists(workDir / kSettingsBackupName));
  EXPECT_EQ(exeDir.Read(kIni), "[Application]\r\nVersion=0.1\r\n");
}

#ifndef _WIN32  // Windows names the launcher's folder itself
TEST(Startup, LauncherFolderIsTheOneItWasStartedFrom) {
  using std::filesystem::path;
  const auto onlyIn = [](std::string folder) {
    return [folder](const path& file) { return file.parent_path() == folder; };
  };
  const struct {
    const char* argv0;
    std::optional<path> start;
    std::optional<std::string_view> searchPath;
    std::optional<path> expected;
    std::string programIn = "/usr/games";
  } cases[] = {
      {"./wreckvale-launcher", "/home/p/wv", "/bin", "/home/p/wv/."},
      {"wv/link", "/home/p", "/bin", "/home/p/wv"},
      {"/opt/wv/wreckvale-launcher", std::nullopt, "/bin", "/opt/wv"},
      {"wreckvale-launcher", "/home/p", "/bin:/usr/games", "/usr/games"},
      {"wreckvale-launcher", "/home/p", "/bin::/usr/games", "/home/p/.", "/home/p/."},
      {"wreckvale-launcher", "/home/p", "games:/bin", "/home/p/games", "/home/p/games"},
      {"wreckvale-launcher", "/home/p", "/bin", std::nullopt},
      {"wreckvale-launcher", "/home/p", std::nullopt, std::nullopt},
      {"./wreckvale-launcher", std::nullopt, "/bin", std::nullopt},  // start folder removed
      {"", "/home/p", "/usr/games", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StartedFromFolder(c.argv0, c.start, c.searchPath, onlyIn(c.programIn)), c.expected)
        << c.argv0 << " on " << c.searchPath.value_or("no PATH");
  }
}
#endif

// Another launcher keeps the settings lock through the start: the start
// waits once in all, says the file was busy, and leaves it as it is.
TEST(Startup, HeldLockIsWaitedForOnceAndSaid) {
  using std::chrono::steady_clock;
  constexpr std::chrono::milliseconds kPatience(400);
  const std::string busy =
      "The settings file was busy, its refresh was skipped (wreckvale_launcher.ini)";
  for (const std::optional<std::string>& file :
       {std::optional<std::string>("[Application]\r\nVersion=0.1\r\nConsole=No\r\n"),
        std::optional<std::string>()}) {
    SCOPED_TRACE(file ? "outdated file" : "no file");
    EngineFolder dir;
    if (file) dir.Write(kIni, *file);
    const SettingsLock other(dir.Path(), std::chrono::milliseconds(0));
    ASSERT_TRUE(other.Held());
    LauncherModel model;
    Strings messages;
    const auto begin = steady_clock::now();
    model.Start(
        dir.Path(), dir.Path(), kVersion, [&](const std::string& m) { messages.push_back(m); },
        kPatience);
    const auto waited = steady_clock::now() - begin;
    EXPECT_EQ(messages, Strings{busy});
    EXPECT_GE(waited, kPatience);
    EXPECT_LT(waited, 2 * kPatience) << "waited more than once";
    EXPECT_EQ(std::filesystem::exists(dir / kIni), file.has_value());
    if (file) {
      EXPECT_EQ(dir.Read(kIni), *file);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / kIniBackup));
    EXPECT_EQ(model.GetOptions().console, !file) << "the file's options, or the defaults";
  }
}

TEST(Startup, TemplateThatCannotBeWrittenIsReported) {
  TempFolder exeDir;
  const Started s = Start(exeDir.Path(), exeDir / "no-such-folder");
  ASSERT_EQ(s.messages.size(), 2u);
  EXPECT_EQ(s.messages[1], "Can not create settings file!");
  EXPECT_TRUE(s.model.GetOptions().console) << "defaults apply";
}

}  // namespace
}  // namespace wv::test
