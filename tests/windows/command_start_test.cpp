// Command texts started by the adapter and checked where they arrive: in a
// stand-in engine that records the command line the system handed over and
// the arguments its C runtime made of it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/command_text.h"
#include "core/launch.h"
#include "core/launcher_model.h"
#include "core/startup.h"
#include "platform/process_starter.h"
#include "platform/windows/process_start.h"
#include "platform/windows/program_search.h"
#include "tests/core/model_fixture.h"
#include "tests/windows/launch_record.h"
#include "tests/windows/visible_bytes.h"

namespace wv::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string Shown(const std::vector<std::string>& words) {
  std::string out;
  for (const std::string& word : words) out += "[" + VisibleBytes(word) + "] ";
  return out;
}

class CommandStart : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(game);
    fs::copy_file(ProgramFolder() + "\\qr7.exe", game / "qr7.exe");
    fs::copy_file(ProgramFolder() + "\\qr7.exe", game / "run prefix.exe");
  }

  // Starts the text through the adapter; the stand-in's command line and
  // argv, or an empty record after a reported failure.
  LaunchRecord StartAndRecord(const std::string& text) {
    const std::string file = (folder / ("record" + std::to_string(++starts_))).string();
    SetEnvironmentVariableA(kRecordVariable, file.c_str());
    std::string error;
    if (!StartForTest(text, &error)) {
      ADD_FAILURE() << "not started: " << error << " (" << VisibleBytes(text) << ")";
      return {};
    }
    if (!WaitForFile(file, 30s)) {
      ADD_FAILURE() << "the stand-in left no record";
      return {};
    }
    return ReadRecord(file);
  }

  // The raw text arrives byte for byte, and the runtime splits it as the
  // core's splitter does. Returns the runtime's argv.
  std::vector<std::string> ExpectArrivesIntact(const std::string& text) {
    LaunchRecord record = StartAndRecord(text);
    if (record.empty()) return {};
    EXPECT_EQ(VisibleBytes(record.front()), VisibleBytes(text));
    record.erase(record.begin());
    EXPECT_EQ(Shown(record), Shown(SplitCommandText(text))) << VisibleBytes(text);
    return record;
  }

  std::string Quoted(std::string_view program) const {
    return "\"" + (game / program).string() + "\"";
  }

  TempFolder folder;
  const fs::path game = folder / "Game Folder";  // a blank, as in most install paths
  int starts_ = 0;
};

// The command for the launcher's start in the game folder, pressed in
// `folder`, where every file exists.
std::string CommandIn(const fs::path& game, const fs::path& folder) {
  const LaunchEnvironment env{folder.string(), [](std::string_view) { return true; }, '\\'};
  return DecideLaunch(Start(game, game).model, env).command;
}

struct LaunchCase {
  const char* name;
  void (*choose)(LauncherModel&);                            // none: the defaults
  std::vector<std::pair<std::string, std::string>> follows;  // argument, the one right after it
  std::string settings = "";                                 // [Application] lines after Version
  const char* program = "qr7.exe";                           // started from the game folder
};

const LaunchCase kLaunchCases[] = {
    {"default selection",
     nullptr,
     {{"-novid", "+z_difficulty"},
      {"+map", "wrv_hospital01_apartment"},
      {"+team_desired", "Survivor Arno"}}},
    {"impossible difficulty",
     [](LauncherModel& m) { m.ChooseEntry("impossible"); },
     {{"+z_difficulty", "impossible"}, {"impossible", "+maxplayers"}}},
    {"server password with blanks, quotes and backslashes",
     [](LauncherModel& m) { m.FinishPasswordDialog(R"(my "big" pass\ C:\x\ \\"\)"); },
     {{"+sv_password", R"(my "big" pass\ C:\x\ \\"\)"}, {"+port", "27015"}}},
    {"server password in Windows-1251",
     [](LauncherModel& m) { m.FinishPasswordDialog("\xEF\xE0\xF0\xEE\xEB\xFC \xC0\xE1"); },
     {{"+sv_password", "\xEF\xE0\xF0\xEE\xEB\xFC \xC0\xE1"}}},
    // An address with a blank inside is refused before it gets here.
    {"join password with blanks, quotes and backslashes, address with quotes and backslashes",
     [](LauncherModel& m) {
       m.SwitchTab(Tab::JoinGame);
       m.JoinAddressChanged(R"(my"eu"\)");
       m.JoinPortChanged("27016");
       m.JoinPasswordChanged(R"(open \"sesame\" now)");
     },
     {{"-novid", "+password"},
      {"+password", R"(open \"sesame\" now)"},
      {"+connect", R"(my"eu"\:27016)"}}},
    {"run prefix",
     nullptr,
     {{"-verbose", "qr7.exe"}, {"qr7.exe", "-game"}},
     "USEPrefix=Yes\r\nRunPrefix=run prefix.exe\r\nRunPrefixParam=-verbose\r\n",
     "run prefix.exe"},
};

TEST_F(CommandStart, CoreCommandsArriveAsBuilt) {
  for (const LaunchCase& c : kLaunchCases) {
    SCOPED_TRACE(c.name);
    WriteCurrentSettings(game, c.settings);
    Started s = Start(game, game);
    EXPECT_TRUE(s.messages.empty());
    if (c.choose) c.choose(s.model);
    const LaunchEnvironment env{
        game.string(), [this](std::string_view name) { return FileExistsIn(game, name); }, '\\'};
    const LaunchDecision decision = DecideLaunch(s.model, env);
    ASSERT_EQ(decision.kind, LaunchDecision::Kind::StartGame) << decision.message;

    const std::vector<std::string> argv = ExpectArrivesIntact(decision.command);
    ASSERT_FALSE(argv.empty());
    EXPECT_EQ(argv[0], (game / c.program).string());
    // Each value the core quoted arrives as exactly one argument.
    for (const auto& [before, value] : c.follows) {
      const auto at = std::find(argv.begin(), argv.end(), before);
      ASSERT_LT(at + 1, argv.end()) << "nothing after " << before << ": " << Shown(argv);
      EXPECT_EQ(VisibleBytes(*(at + 1)), VisibleBytes(value)) << Shown(argv);
    }
  }
}

// At a drive root the system reports the folder with its backslash, so the
// command names the program after two of them; the system must still find it.
TEST_F(CommandStart, DriveRootFolder) {
  const fs::path root = game.root_name().string() + "\\";
  std::error_code ec;
  if (!fs::copy_file(game / "qr7.exe", root / "qr7.exe", ec)) {
    GTEST_SKIP() << "cannot write to " << root.string() << ": " << ec.message();
  }
  struct Remove {
    fs::path file;
    std::error_code ignored;
    ~Remove() { fs::remove(file, ignored); }
  } remove{root / "qr7.exe", {}};

  const std::string command = CommandIn(game, root);
  ASSERT_TRUE(command.starts_with("\"" + root.string() + "\\qr7.exe\" ")) << command;
  ExpectArrivesIntact(command);
}

// Texts the core never builds but the splitter must still read as the runtime
// does. "{}" stands for the quoted stand-in in the game folder.
const std::string_view kSplitTexts[] = {
    R"({} arg1 arg2 "arg three")",
    "{} arg=1 three\tfour",
    "{} four\rfour\nfour",
    R"({} arg"one" "second"arg)",
    R"({} arg1 "unclosed)",
    R"({} arg1 ")",
    R"({} o\ne t\\wo)",
    R"({} \"one \\"two" end)",
    R"({} "one\" still" "two\\" end)",
    R"({} "ab\"c" "\\" d)",
    R"({} a\\\"b c d)",
    R"({} a\\\\"b c" d e)",
    R"({} a "" b)",
    "{} a b c  ",
    R"({} process "a\"b\\" c\" d)",
    "{}",
    "{}\targ1 arg2",
    "qr7.exe a b",  // a bare program name, found beside this test program
};

TEST_F(CommandStart, SplitterReadsTextsAsTheRuntime) {
  for (std::string_view text : kSplitTexts) {
    std::string full(text);
    if (full.starts_with("{}")) full.replace(0, 2, Quoted("qr7.exe"));
    ExpectArrivesIntact(full);
  }
}

// Random mixes of the characters that matter to the splitting rules.
TEST_F(CommandStart, SplitterMatchesTheRuntimeOnRandomArguments) {
  std::mt19937 random(20240611);
  const std::string_view alphabet = "ab \t\"\\";
  for (int i = 0; i < 100; ++i) {
    std::string text = Quoted("qr7.exe") + " ";
    const std::size_t length = text.size() + 1 + random() % 14;
    while (text.size() < length) {
      const char c = alphabet[random() % alphabet.size()];
      if (c == '"' && text.back() == '"') continue;  // a named difference below
      text += c;
    }
    ExpectArrivesIntact(text);
  }
}

// Texts on which the splitter and the C runtime part ways; the core never
// builds them. The splitter's answer is the documented one; the runtime's is
// shown.
TEST_F(CommandStart, SplitterDifferencesFollowTheProjectRules) {
  const std::string program = (game / "qr7.exe").string();
  const struct {
    const char* name;
    std::string text;
    std::vector<std::string> projectResult;
  } cases[] = {
      // The shell ends a quoted program name at its closing quote; the C
      // runtime goes on to the next blank.
      {"text right after a quoted program name",
       Quoted("qr7.exe") + "arg1 arg2",
       {program, "arg1", "arg2"}},
      // Runtimes disagree on "" inside quotes; the core never writes it.
      {"two quotes inside a quoted argument",
       Quoted("qr7.exe") + " \"a\"\"b\" c",
       {program, "ab", "c"}},
  };
  for (const auto& c : cases) {
    LaunchRecord record = StartAndRecord(c.text);
    if (record.empty()) continue;
    EXPECT_EQ(VisibleBytes(record.front()), VisibleBytes(c.text)) << c.name;
    EXPECT_EQ(Shown(SplitCommandText(c.text)), Shown(c.projectResult)) << c.name;
    record.erase(record.begin());
    std::printf("[ DIFFERS  ] %s: runtime %s, project %s\n", c.name, Shown(record).c_str(),
                Shown(c.projectResult).c_str());
  }
}

// A bare run prefix the game folder lacks is where the system's search finds
// it; the command names that path, and the wrapper gets the game after it. A
// folder the ANSI code page cannot spell is named in the refusal instead.
TEST_F(CommandStart, RunPrefixFoundOnTheSearchPath) {
  EXPECT_EQ(SearchProgram("wv_no_such_program_4711"), std::nullopt);
  const struct {
    const wchar_t* folder;
    bool spelled;
  } cases[] = {
      {L"Tools", true},
      {L"Tools_\u65e5\u672c", false},
  };
  for (const auto& c : cases) {
    const fs::path tools = folder.Path() / c.folder;
    fs::create_directories(tools);
    fs::copy_file(game / "qr7.exe", tools / "wv prefix.exe", fs::copy_options::overwrite_existing);
    std::wstring path(32767, L'\0');
    path.resize(GetEnvironmentVariableW(L"PATH", path.data(), static_cast<DWORD>(path.size())));
    SetEnvironmentVariableW(L"PATH", (tools.wstring() + L";" + path).c_str());
    const auto found = SearchProgram("wv prefix");
    WriteCurrentSettings(game, "USEPrefix=Yes\r\nRunPrefix=wv prefix\r\nRunPrefixParam=\r\n");
    LaunchEnvironment env{game.string(),
                          [this](std::string_view name) { return FileExistsIn(game, name); }, '\\'};
    env.findOnPath = SearchProgram;
    const LaunchDecision decision = DecideLaunch(Start(game, game).model, env);
    SetEnvironmentVariableW(L"PATH", path.c_str());
    ASSERT_NE(found, std::nullopt);
    EXPECT_EQ(found->spelled, c.spelled) << found->path;
    if (!c.spelled) {
      EXPECT_EQ(decision.kind, LaunchDecision::Kind::ShowMessage);
      EXPECT_EQ(decision.message, "Can not start the game (" + found->path +
                                      ": its path has letters the ANSI code page lacks)");
      continue;
    }
    EXPECT_TRUE(fs::equivalent(found->path, tools / "wv prefix.exe")) << found->path;
    ASSERT_EQ(decision.kind, LaunchDecision::Kind::StartGame) << decision.message;
    const std::vector<std::string> argv = ExpectArrivesIntact(decision.command);
    ASSERT_GE(argv.size(), 2u);
    EXPECT_EQ(argv[0], found->path);
    EXPECT_EQ(argv[1], "qr7.exe");
  }
}

TEST_F(CommandStart, FailedStartIsReported) {
  WriteCurrentSettings(game, "RunPrefix=absent prefix.exe\r\n");
  std::ofstream(game / "not a program.exe") << "text, not a program\r\n";
  const std::string texts[] = {
      Quoted("not a program.exe") + " -console",  // the system names it in its text
      Quoted("missing.exe") + " -game wreckvale",
      CommandIn(game, game),  // a run prefix that names no program
      "wv_no_such_program_4711 -console",
      "",
      Quoted("qr7.exe") + std::string(1, '\0') + " -console",  // would start a shorter text
  };
  for (const std::string& text : texts) {
    std::string error;
    EXPECT_FALSE(StartCommandText(text, &error)) << VisibleBytes(text);
    EXPECT_FALSE(error.empty()) << VisibleBytes(text);
    EXPECT_EQ(error.find("%1"), std::string::npos) << error;
    EXPECT_FALSE(StartCommandText(text, nullptr)) << VisibleBytes(text);
  }
}

// Watched, a game that ends in its first seconds comes back with its exit
// code; the stand-in ends with 2 when it has nowhere to record. Its output
// file is made afresh.
TEST_F(CommandStart, WatchedStartTellsAnEarlyEnd) {
  char saved[MAX_PATH] = "";
  const bool had = GetEnvironmentVariableA(kRecordVariable, saved, MAX_PATH) > 0;
  SetEnvironmentVariableA(kRecordVariable, nullptr);
  const fs::path log = game / "wreckvale_last_run.log";
  WriteFileWhole(log.string(), "the run before");
  DetachedProcessStarter starter;
  starter.SendOutputTo(log.string());
  const auto failure = starter.Start(Quoted("qr7.exe"), game.string());
  GameOutcome outcome{GameOutcome::Kind::Pending};
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  while (!failure && (outcome = starter.Outcome()).kind == GameOutcome::Kind::Pending &&
         std::chrono::steady_clock::now() < end) {
    Sleep(20);
  }
  if (had) SetEnvironmentVariableA(kRecordVariable, saved);
  ASSERT_EQ(failure, std::nullopt);
  EXPECT_EQ(outcome.kind, GameOutcome::Kind::Exited);
  EXPECT_EQ(outcome.number, 2);
  EXPECT_EQ(fs::file_size(log), 0U);
}

}  // namespace
}  // namespace wv::test
