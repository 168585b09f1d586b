// Hostile settings files and typed values: each gives a clear outcome and no
// value is lost, cut differently or split into more arguments on the way.
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/clipboard_summary.h"
#include "core/command_text.h"
#include "core/launch.h"
#include "core/program_search.h"
#include "core/settings_lock.h"
#include "core/settings_template.h"
#include "core/whole_file.h"
#include "tests/core/model_fixture.h"
#include "tests/support/stand_in_game.h"

namespace wv::test {
namespace {

using namespace std::literals;

constexpr std::size_t kMiB = std::size_t{1} << 20;

class BadInput : public ModelTest {
 protected:
  std::vector<std::string> Argv() const { return SplitCommandText(Command()); }

  // The argument after `token` and the one after that.
  std::pair<std::string, std::string> After(std::string_view token) const {
    const std::vector<std::string> argv = Argv();
    const auto it = std::find(argv.begin(), argv.end(), token);
    if (it == argv.end() || it + 1 == argv.end()) return {"<no " + std::string(token) + ">", ""};
    return {*(it + 1), it + 2 == argv.end() ? "" : *(it + 2)};
  }
};

std::string Repeat(std::string_view piece, std::size_t times) {
  std::string out;
  while (times-- > 0) out += piece;
  return out;
}

std::string Join(const std::vector<std::string>& lines, std::string_view end) {
  std::string text;
  for (const auto& line : lines) text.append(line).append(end);
  return text;
}

const std::vector<std::string> kRealLines = {
    "[Application]",   "Version=1.9.0.3",        "[MAP_Rockfall]",         "Visible=Yes",
    "Versus=Yes",      "[CustomMaps]",           "Rockfall=wrv_rock_edit", "[CustomMap2]",
    "Map name=Quarry", "File name=cm_quarry=v2",
};

// Every byte value once; "[" follows "Z", so no header hides in it.
std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
  return bytes;
}

std::string Sections(int count, std::string_view name) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += "[" + std::string(name) + std::to_string(i) + "]\r\nMap name=filler\r\n";
  return text;
}

TEST_F(BadInput, OddFilesAroundTheRealSectionsGiveTheSameChoicesAndLaunch) {
  const std::string crlf = Join(kRealLines, "\r\n");
  const struct {
    const char* name;
    std::string content;
  } cases[] = {
      {"CR LF", crlf},
      {"LF only", Join(kRealLines, "\n")},
      {"CR only", Join(kRealLines, "\r")},
      {"last line unended", crlf.substr(0, crlf.size() - 2)},
      {"byte-order mark", "\xEF\xBB\xBF" + crlf},
      {"byte-order mark, CR only", "\xEF\xBB\xBF" + Join(kRealLines, "\r")},
      {"binary junk ahead", "\x89PNG\r\n\x1A\n\0\0\xFF\xFE"s + AllBytes() + "\r\n" + crlf},
      {"NUL bytes in another section", "[Junk]\r\nK=\0\0\r\n\0[CustomMap2]\r\n"s + crlf},
      {"invalid UTF-8 ahead", "[Junk]\r\n\xC3\x28\xA0\xA1=\xF0\x28\x8C\xBC\xE2\x82\r\n" + crlf},
      {"Windows-1251 section ahead",
       "[\xD0\xE0\xE7\xED\xEE\xE5]\r\n\xCA\xEB\xFE\xF7=\xC4\xE0\r\n" + crlf},
      {"1 MiB comment line ahead", "; " + std::string(kMiB, 'x') + "\r\n" + crlf},
      {"1 MiB value ahead", "[Big]\r\nK=" + std::string(kMiB, '[') + "\r\n" + crlf},
      {"1 MiB of line ends ahead", Repeat("\r\n\n\r", kMiB / 4) + crlf},
      {"10 000 sections ahead", Sections(10000, "CustomMap2_") + crlf},
      {"10 000 repeats behind", crlf + Repeat("[CustomMap2]\r\nFile name=late\r\n", 10000)},
      {"header without ] ahead", "[CustomMap2\r\nMap name=Wrong\r\n" + crlf},
      {"header without ] behind", crlf + "[MAP_Foundry\r\nVisible=Yes\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    dir.Write(kIni, c.content);
    Choose({"coop", "customMaps"});
    EXPECT_EQ(Shown(Control::MapChoice), Caption("rockfall"));
    EXPECT_TRUE(Visible("infected")) << "[MAP_Rockfall] Versus";
    EXPECT_FALSE(Visible("foundry"));
    EXPECT_TRUE(Visible("customMap2"));
    EXPECT_EQ(Caption("customMap2"), "Quarry");
    EXPECT_EQ(After("+map").first, "wrv_rock_edit");
    Choose({"customMap2"});
    EXPECT_EQ(After("+map").first, "cm_quarry=v2");
    EXPECT_FALSE(Visible("infected")) << "[CustomMap2] has no Versus";
  }
}

TEST_F(BadInput, CustomMapNamesAndFilesArriveWhole) {
  const std::string longName(3000, 'n');
  const std::string longFile = Repeat("a b\\\"", 600);
  const struct {
    const char* name;
    std::string mapLine, fileLine;  // as written in the file
    // As the model keeps it, as the game receives it and as the box shows
    // it; unset: as written, and the box as the model.
    std::optional<std::string> caption = {}, argument = {}, shown = {};
  } cases[] = {
      {"inner quotes", "My \"best\" map", "maps/my \"best\" x"},
      {"quoted blanks", "  \"  padded  \"  ", "\" a  b \"", "  padded  ", " a  b "},
      {"backslashes", "C:\\maps\\", "dir\\ sub\\\\"},
      {"tab inside", "a\tb", "x\ty"},
      {"UTF-8",
       "\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0 \xE2\x84\x96"
       "1",
       "\xD0\xBA_1"},
      {"Windows-1251", "\xCA\xE0\xF0\xF2\xE0", "\xEA\xE0\xF0\xF2\xE0 1", {}, {}, "Карта"},
      {"option-like file", "Opt", "-insecure +sv_cheats 1"},
      {"equals signs", "a=b", "=c="},
      {"3000 characters", longName, longFile, longName.substr(0, kMaxValueLength),
       longFile.substr(0, kMaxValueLength)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteSettings("[CustomMap1]\r\nMap name=" + c.mapLine + "\r\nFile name=" + c.fileLine + "\r\n");
    Choose({"coop", "customMaps"});
    const std::string caption = c.caption.value_or(c.mapLine);
    EXPECT_EQ(Shown(Control::MapChoice), c.shown.value_or(caption));
    EXPECT_EQ(Caption("customMap1"), caption);
    const auto [argument, next] = After("+map");
    EXPECT_EQ(argument, c.argument.value_or(c.fileLine));
    EXPECT_EQ(next, "+team_desired");
  }
}

// A NUL byte would cut a value short at the start of the game, so the press
// names the setting that holds one instead of starting anything.
TEST_F(BadInput, SettingsValueWithANulByteIsNamed) {
  const std::string nul = "a\0b"s;
  const struct {
    std::string sections, applicationLines;
    std::string named;
    std::string exe = "qr7.exe";
  } cases[] = {
      {"[CustomMap1]\r\nMap name=M\r\nFile name=" + nul + "\r\n", "", "[CustomMap1] File name"},
      {"[MAP_Foundry]\r\nVisible=Yes\r\n[CustomMaps]\r\nFoundry=" + nul + "\r\n", "",
       "[CustomMaps] Foundry"},
      {"[CustomMap1]\r\nMap name=M\r\nFile name=m\r\n", "RunPrefix=" + nul + "\r\n",
       "[Application] RunPrefix"},
      {"[CustomMap1]\r\nMap name=M\r\nFile name=m\r\n",
       "RunPrefix=wrap\r\nRunPrefixParam=" + nul + "\r\n", "[Application] RunPrefixParam"},
      {"[CustomMap1]\r\nMap name=M\r\nFile name=m\r\n", "", "[Tavrin] CommandFile", nul},
      {"[CustomMap1]\r\nMap name=M\r\nFile name=m\r\n",
       "USEParametres=Yes\r\nRunParametres=" + nul + "\r\n", "[Application] RunParametres"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.named);
    RestartWith(c.applicationLines, c.sections + GameExeLines(c.exe));
    Choose({"coop", "customMaps"});
    const LaunchDecision d = Press({c.exe});
    EXPECT_EQ(d.kind, LaunchDecision::Kind::ShowMessage);
    EXPECT_EQ(d.message, "Invalid value in settings file (" + c.named + ")");
  }
}

TEST_F(BadInput, TypedValuesArriveAsExactlyOneArgument) {
  std::string mixed;
  const std::string_view alphabet[] = {"a", " ", "\"", "\\", "\t", "\n", "\xD0\xAF", "\xFF"};
  for (std::size_t i = 0; mixed.size() < 10000; ++i) mixed += alphabet[(i * 7 + i / 5) % 8];
  // clang-format off
  const std::string values[] = {
      "two words", " lead and trail ", "\"quoted\"", "a\\\"b", "back\\slash\\", "\\\\",
      "line\nbreak", "cr\r\nlf\r", "\t", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82",
      "\xCF\xF0\xE8\xE2\xE5\xF2", "+rcon_password x", mixed, std::string(10000, 'p'),
      "esc\x1B[31mred\x7F\x01\x1F", "<img src=/dev/zero><a href=x.html>x</a>",
  };
  // clang-format on
  for (const std::string& typed : values) {
    SCOPED_TRACE(typed.substr(0, 40));
    // Control characters (below 0x20, and 0x7F) never reach the engine.
    std::string v = typed;
    std::erase_if(v, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; });
    model.SwitchTab(Tab::CreateServer);
    model.FinishPasswordDialog(typed);
    EXPECT_EQ(model.ServerPassword(), v);
    EXPECT_EQ(After("+sv_password"),
              v.empty() ? std::make_pair("<no +sv_password>"s, ""s) : std::make_pair(v, "+map"s));

    // The password box keeps what it is given; the address box drops blanks
    // around what it holds, and a box of blanks alone holds no address.
    model.SwitchTab(Tab::JoinGame);
    model.JoinPasswordChanged(typed);
    model.JoinAddressChanged(typed);
    model.JoinPortChanged("1");
    EXPECT_EQ(model.JoinPassword(), v);
    const std::size_t first = v.find_first_not_of(' ');
    if (first == std::string::npos) {
      EXPECT_EQ(Press().message, "Enter the server address");
      continue;
    }
    const std::string trimmed = v.substr(first, v.find_last_not_of(' ') - first + 1);
    if (trimmed.find(' ') != std::string::npos) {
      EXPECT_EQ(Press().message, "The server address has a blank");
      continue;
    }
    EXPECT_EQ(After("+password"), std::make_pair(v, "+connect"s));
    EXPECT_EQ(After("+connect"), std::make_pair(trimmed + ":1", "+team_desired"s));
    // None of them is a port number.
    model.JoinPortChanged(typed);
    EXPECT_EQ(model.JoinPort(), v);
    EXPECT_EQ(Press().message, "The port must be 1 to 65535");
  }
}

TEST_F(BadInput, EmptyJoinBoxesGiveNoStrayArgument) {
  model.SwitchTab(Tab::JoinGame);
  model.JoinPasswordChanged("");
  model.JoinAddressChanged("h:1");
  const std::vector<std::string> argv = Argv();
  EXPECT_EQ(std::count(argv.begin(), argv.end(), "+password"), 0);
  EXPECT_EQ(After("+connect"), std::make_pair("h:1"s, "+team_desired"s));
  // An empty port would leave "+connect h:": the press asks for the port.
  model.JoinPortChanged("");
  EXPECT_EQ(Press().message, "Enter the port");
}

TEST_F(BadInput, GameFolderAndProgramNamesStayTheProgram) {
  const struct {
    const char* name;
    std::string folder;
    std::vector<std::string> start;  // the first words the game is started with
    std::string applicationLines = "", exe = "qr7.exe";
  } cases[] = {
      {"blanks", "/home/p/My Games/wv", {"/home/p/My Games/wv/qr7.exe", "-game"}},
      {"non-ASCII", "/home/\xD0\xAF/\xCA\xE0", {"/home/\xD0\xAF/\xCA\xE0/qr7.exe"}},
      {"blank at the end", "/home/p/wv ", {"/home/p/wv /qr7.exe", "-game"}},
      // Only POSIX names hold double quotes; the game starts in the folder.
      {"double quote", "/home/p/say\"hi\"", {"/home/p/say\"hi\"/qr7.exe", "-game"}},
      {"double quote and blank", "/home/p/say \"hi\"", {"./qr7.exe", "-game"}},
      {"prefix with blanks",
       "/g",
       {"/g/my wrap", "-v", "qr7.exe", "-game"},
       "RunPrefix=my wrap\r\nRunPrefixParam=-v\r\n"},
      {"prefix with a quote", "/g", {"/g/wr\"ap", "qr7.exe"}, "RunPrefix=wr\"ap\r\n"},
      {"game exe with a quote", "/g", {"/g/my\"game.exe", "-game"}, "", "my\"game.exe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RestartWith(c.applicationLines, GameExeLines(c.exe));
    const LaunchDecision d = Press({c.exe, "my wrap", "wr\"ap"}, c.folder);
    ASSERT_EQ(d.kind, LaunchDecision::Kind::StartGame);
    const std::vector<std::string> argv = SplitCommandText(d.command);
    ASSERT_GE(argv.size(), c.start.size()) << d.command;
    EXPECT_EQ(std::vector<std::string>(argv.begin(), argv.begin() + c.start.size()), c.start)
        << d.command;
  }
}

TEST_F(BadInput, ProgramNameNoCommandCanCarryStartsNothing) {
  RestartWith("RunPrefix=my \"wrap\"\r\nExitAfterRun=Yes\r\n");
  const LaunchDecision d = Press({"qr7.exe", "my \"wrap\""}, "/a \"b\"");
  EXPECT_EQ(d.kind, LaunchDecision::Kind::ShowMessage);
  EXPECT_EQ(d.message, "Can not start the game (/a \"b\"/my \"wrap\")");
  EXPECT_FALSE(d.closeWindow) << "a refused press leaves the window open";
}

// A settings file that is there but cannot be read is never moved aside nor
// replaced: the start says why and goes on with the defaults.
// The messages of a start, what options it read and what custom-maps mode
// then shows.
std::string StartOutcome(const std::filesystem::path& exeDir,
                         const std::filesystem::path& workDir) {
  Started s = Start(exeDir, workDir);
  std::string outcome;
  for (const std::string& m : s.messages) outcome += m + "\n";
  s.model.ChooseEntry("customMaps");
  return outcome + (s.model.GetOptions().console ? "defaults" : "file's options") +
         ", custom maps: " + ShownText(s.model, Control::MapChoice);
}

TEST(BadInputStartup, SettingsFileThatCannotBeRead) {
  namespace fs = std::filesystem;
  const std::string cannotRead = "Can not read settings file (wreckvale_launcher.ini: ";
  const struct {
    const char* name;
    void (*lay)(const EngineFolder&);
    std::string message;
    bool unprivileged = false;
  } cases[] = {
      {"a folder", [](const EngineFolder& d) { fs::create_directories(d / kIni / "keep"); },
       cannotRead + "not a regular file)\nCan not create settings file!\n"},
      {"larger than the cap",
       [](const EngineFolder& d) {
         d.Write(kIni, "[Application]\r\nConsole=No\r\n");
         fs::resize_file(d / kIni, kMaxFileBytes + 1);
       },
       cannotRead + "file too large)\n"},
#ifndef _WIN32
      {"a FIFO", [](const EngineFolder& d) { ::mkfifo((d / kIni).c_str(), 0644); },
       cannotRead + "not a regular file)\n"},
      {"a link to an endless device",
       [](const EngineFolder& d) { fs::create_symlink("/dev/zero", d / kIni); },
       cannotRead + "not a regular file)\n"},
      {"a link to nowhere",
       [](const EngineFolder& d) { fs::create_symlink(d / "nowhere", d / kIni); },
       "Can not write the file (wreckvale_launcher.ini: not a regular file)\n"},
      {"no read permission, in a folder open to all",
       [](const EngineFolder& d) {
         d.Write(kIni, "[Application]\r\nVersion=1.9.0.3\r\nConsole=No\r\n");
         fs::permissions(d / kIni, fs::perms::none);
         fs::permissions(d.Path(), fs::perms::all);
       },
       cannotRead + "Permission denied)\n", true},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EngineFolder dir;
    c.lay(dir);
    const auto before = fs::symlink_status(dir / kIni).type();
    const auto start = [&dir] { return StartOutcome(dir.Path(), dir.Path()); };
#ifndef _WIN32
    const std::string outcome = c.unprivileged ? AsUnprivileged(start) : start();
#else
    const std::string outcome = start();
#endif
    EXPECT_EQ(outcome, c.message + "defaults, custom maps: -");
    EXPECT_EQ(fs::symlink_status(dir / kIni).type(), before) << "left where it is";
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / kSettingsBackupName)));
  }
  // The launcher's own reasons speak the window's language.
  TempFolder exeDir;
  exeDir.Write(kIni, CurrentSettings("Language=RU\r\n"));
  EngineFolder workDir;
  fs::create_directories(workDir / kIni / "keep");
  EXPECT_EQ(Start(exeDir.Path(), workDir.Path()).messages.front(),
            "Не удалось прочитать файл настроек (wreckvale_launcher.ini: не обычный файл)");
}

#ifndef _WIN32  // Windows cannot remove a process's working folder
// A working folder removed under the launcher, or before it started, throws
// nowhere: the start and the press say what went wrong.
TEST(BadInputStartup, RemovedWorkingFolder) {
  namespace fs = std::filesystem;
  const fs::path previous = fs::current_path();
  TempFolder base;
  const fs::path gone = base / "gone";
  fs::create_directory(gone);
  WriteStandIn(gone / "qr7.exe");
  fs::current_path(gone);
  fs::remove_all(gone);
  std::error_code error;
  [[maybe_unused]] const fs::path none = fs::current_path(error);
  ASSERT_TRUE(error) << "the working folder is still there";

  const std::string startMessages =
      std::string(kNoEngineMessage) + "\nCan not create settings file!\n";
  LauncherModel model;
  const std::pair<const char*, std::function<std::string()>> entryPoints[] = {
      {"start", [&] { return StartOutcome(gone, gone); }},
      {"start, folder unknown", [&] { return StartOutcome(gone, {}); }},
      {"refresh",
       [&] { return std::to_string(int(RefreshOutdatedSettings(gone, kVersion).outcome)); }},
      {"template", [&] { return std::to_string(int(WriteSettingsTemplate(gone, kVersion, {}))); }},
      {"lock", [&] { return std::to_string(SettingsLock(gone).Held()); }},
      {"read", [&] { return std::to_string(ReadWholeFile(gone / kIni).absent); }},
      {"choose",
       [&] {
         model.Start(gone, {}, kVersion, [](const std::string&) {});
         model.ChooseEntry("customMaps");
         model.SwitchTab(Tab::JoinGame);
         model.JoinAddressChanged("h:1");
         return ClipboardSummary(model);
       }},
      {"press",
       [&] {
         const LaunchEnvironment env{"", [](std::string_view) { return false; }, '/',
                                     error.message()};
         return DecideLaunch(model, env).message;
       }},
      {"launcher folder",
       [] { return StartedFromFolder("./x", std::nullopt, {}, {}).value_or("none").string(); }},
  };
  const std::string expected[] = {
      startMessages + "defaults, custom maps: -",
      startMessages + "defaults, custom maps: -",
      std::to_string(int(RefreshOutcome::NoFile)),
      std::to_string(int(TemplateOutcome::Failed)),
      "0",
      "1",
      "Game mode: Custom maps, Difficulty: Normal, Chapter: -, Slots: 14",
      "Can not start the game (qr7.exe: No such file or directory)",
      "none",
  };
  for (std::size_t i = 0; i < std::size(entryPoints); ++i) {
    const auto& [name, call] = entryPoints[i];
    std::string outcome;
    EXPECT_NO_THROW(outcome = call()) << name;
    EXPECT_EQ(outcome, expected[i]) << name;
  }
  fs::current_path(previous);
}
#endif

}  // namespace
}  // namespace wv::test
