#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/launcher_controller.h"
#include "core/recent_file.h"
#include "core/run_log.h"
#include "core/settings_lock.h"
#include "core/startup.h"
#include "core/whole_file.h"
#include "tests/core/model_fixture.h"

namespace wv::test {
namespace {

std::string ReadWholeTextFile(const std::filesystem::path& file) {
  return ReadWholeFile(file).text.value_or("<unread>");
}

// The ports a test leaves unset, as a system that lacks them.
struct Lacking {
  bool watch = false, questions = false, language = false, workingFolder = false;
};

// Ports that record what the controller asks of the system.
struct FakePorts : ProcessStarter,
                   MessageSink,
                   TextInput,
                   ClipboardSink,
                   UrlOpener,
                   QuitRequester,
                   TimeSource,
                   GameFolderProbe,
                   GameWatch,
                   YesNoQuestion,
                   SystemLanguage,
                   WorkingFolder {
  explicit FakePorts(std::filesystem::path folder) : folder(std::move(folder)) {}

  std::optional<StartFailure> Start(const std::string& command, const std::string&) override {
    starts.push_back(command);
    if (!failures.empty()) {
      std::optional<StartFailure> failure = failures.front();
      failures.pop_front();
      return failure;
    }
    if (startSucceeds) return std::nullopt;
    return StartFailure{"qr7.exe", "Permission denied"};
  }
  void Show(const std::string& title, const std::string& text) override {
    titles.push_back(title);
    messages.push_back(text);
  }
  std::optional<std::string> Ask(const PasswordDialogTexts& texts, int) override {
    asked.push_back(texts.title);
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void SetText(const std::string& text) override { clipboard.push_back(text); }
  bool Open(const std::string& url) override {
    opened.push_back(url);
    return opens;
  }
  void RequestQuit() override { ++quits; }
  Clock::time_point Now() override { return now; }
  LaunchEnvironment Probe() override {
    LaunchEnvironment env;
    env.currentFolder = spelledAs.empty() ? folder.string() : spelledAs;
    if (!spelledAs.empty()) env.folder = folder;
    env.runsWindowsPrograms = runsWindowsPrograms;
    env.fileExists = [this](std::string_view name) { return FileExistsIn(folder, name); };
    env.findOnPath = [this](std::string_view name) -> std::optional<FoundProgram> {
      const auto found = onPath.find(std::string(name));
      if (found == onPath.end()) return std::nullopt;
      return found->second;
    };
    return env;
  }
  void SendOutputTo(const std::filesystem::path& file) override { logs.push_back(file.string()); }
  GameOutcome Outcome() override { return outcome; }
  bool AskYesNo(const std::string& title, const std::string& question, const std::string& yes,
                const std::string& no) override {
    titles.push_back(title);
    questions.push_back(question + " [" + yes + "] [" + no + "]");
    return answerYes;
  }
  std::string Locale() override { return locale; }
  bool Enter(const std::filesystem::path& to) override {
    entered.push_back(to);
    if (enterSucceeds) folder = to;
    return enterSucceeds;
  }
  Platform Get(Lacking lacking = {}) {
    Platform platform{this, this, this, this, this, this, this, this};
    if (!lacking.watch) platform.watch = this;
    if (!lacking.questions) platform.questions = this;
    if (!lacking.language) platform.language = this;
    if (!lacking.workingFolder) platform.workingFolder = this;
    return platform;
  }

  std::filesystem::path folder;
  std::string spelledAs;  // the folder in the command line's code page, when it differs
  bool runsWindowsPrograms = false;
  bool startSucceeds = true;
  std::deque<std::optional<StartFailure>>
      failures;                               // the next starts' answers, before startSucceeds
  std::map<std::string, std::string> onPath;  // bare name: the program found
  bool answerYes = false;
  bool opens = true;  // the desktop's opener takes what it gets
  std::string locale;
  bool enterSucceeds = true;
  std::vector<std::filesystem::path> entered;
  std::vector<std::string> starts, titles, messages, asked, clipboard, opened, questions;
  std::deque<std::optional<std::string>> answers;
  std::vector<std::string> logs;
  GameOutcome outcome{GameOutcome::Kind::Pending};
  int quits = 0;
  Clock::time_point now{std::chrono::hours(1)};
};

class Controller : public ::testing::Test {
 protected:
  // Starts the launcher in the folder, with these settings lines if any.
  ViewState Open(std::string_view applicationLines = {}, std::string_view sections = {}) {
    if (!applicationLines.empty() || !sections.empty()) {
      dir.Write(kIni, CurrentSettings(applicationLines, sections));
    }
    return controller.Start({dir.Path(), dir.Path()}, kVersion);
  }

  EngineFolder dir;
  FakePorts ports{dir.Path()};
  LauncherController controller{ports.Get()};
};

// A launcher of its own in the same folder, for one row of a table; its
// ports can be set before it starts.
struct Fresh {
  explicit Fresh(const EngineFolder& folder, Lacking lacking = {})
      : dir(folder), ports(folder.Path()), one(ports.Get(lacking)) {}
  ViewState Start(std::string_view applicationLines = {}, std::string_view sections = {}) {
    dir.Write(kIni, CurrentSettings(applicationLines, sections));
    return one.Start({dir.Path(), dir.Path()}, kVersion);
  }
  const EngineFolder& dir;
  FakePorts ports;
  LauncherController one;
};

std::vector<std::string> NoneOr(const std::string& text) {
  return text.empty() ? std::vector<std::string>{} : std::vector{text};
}

// Types `keys` one by one into the join boxes, from the address box on, going
// where each edit sends the focus as the windows do: the port box's text is
// selected, so the next key replaces it.
void TypeIntoJoinBoxes(LauncherController& controller, std::string_view keys) {
  enum class Box { Address, Port, Password } box = Box::Address;
  ViewState view = controller.Current();
  bool selected = false;
  for (const char key : keys) {
    const std::string k(1, key);
    switch (box) {
      case Box::Address:
        view = controller.OnJoinAddressEdited(view.joinAddress + k);
        break;
      case Box::Port:
        view = controller.OnJoinPortEdited(std::exchange(selected, false) ? k : view.joinPort + k);
        break;
      case Box::Password:
        view = controller.OnJoinPasswordEdited(view.joinPassword + k);
        break;
    }
    if (view.focus == FocusRequest::JoinPortSelected) box = Box::Port, selected = true;
    if (view.focus == FocusRequest::JoinPassword) box = Box::Password;
  }
}

TEST_F(Controller, StartShowsTheCreateTabAndFocusesTheFirstBox) {
  const ViewState view = Open();
  EXPECT_EQ(view.currentTab, Tab::CreateServer);
  EXPECT_EQ(view.focus, FocusRequest::FirstChoiceBox);
  EXPECT_EQ(FocusTargetOf(view.focus)->control, TabOrder().front());
  EXPECT_EQ(TabOrder().front(), Control::ModeBox);
  EXPECT_EQ(view[Control::ActionButton].text, "Create server ");
  EXPECT_EQ(view[Control::ModeBox].accessibleName, "Game mode: CO-OP");
  EXPECT_FALSE(view.TabOf(Tab::Settings).visible);
  EXPECT_EQ(ports.quits, 0);
  EXPECT_FALSE(controller.QuitRequested());
}

TEST_F(Controller, StartWithoutTheEngineSaysSoAndQuits) {
  std::filesystem::remove(dir.Path() / "qr7.exe");
  Open();
  EXPECT_EQ(ports.messages, std::vector<std::string>{kNoEngineMessage});
  EXPECT_EQ(ports.titles, std::vector<std::string>{"Wreckvale Launcher"});
  EXPECT_EQ(ports.quits, 1);
  EXPECT_TRUE(controller.QuitRequested());
}

// One press in each situation: what it starts, says, opens and whether the
// window closes after it.
TEST_F(Controller, PressStartsRefusesOrOpens) {
  const std::string folder = dir.Path().string();
  const std::string usual =
      "-game wreckvale -console -novid +z_difficulty normal +maxplayers 14 +port 27015 "
      "+map wrv_hospital01_apartment +team_desired \"Survivor ";
  const std::string denied = "Can not start the game (qr7.exe: Permission denied)";
  const std::string_view exitAfterRun = "ExitAfterRun=Yes\r\n";
  const std::string join = "-game wreckvale -console -novid ";
  const std::string arno = "+team_desired \"Survivor Arno\"";
  const std::string cannotOpen = "Nothing here could open it; open it by hand:\n";
  const struct Case {
    const char* name;
    std::string_view settings = "";
    std::vector<std::string_view> picks = {};
    Tab tab = Tab::CreateServer;
    bool startSucceeds = true;
    bool starts = true;
    std::string message = {};
    bool opensForum = false, reloads = false, closes = false;
    std::string arguments = {};  // of a start, after the executable
    bool hides = false;          // closes once the game's first seconds are over
    std::string typed = {};      // into the join boxes, key by key
    std::string pasted = {};     // into the address box, then the port box
    std::string pastedPort = {};
    std::string remembered = {};                    // the recent-servers file afterwards
    std::string forumUrl = std::string(kForumUrl);  // what the forum press hands on
    bool openerFails = false;                       // no desktop opener takes it
    bool unwatched = false;                         // the system watches no game
    std::string link = {};  // from the desktop or a page, after what was typed
  } cases[] = {
      // clang-format off
      {.name = "start", .arguments = usual + "Arno\""},
      {.name = "start: options off, impossible, port 27017",
       .settings = "Console=No\r\nSkip Intro=No\r\nCustomGame=No\r\n",
       .picks = {"impossible", "port27017"},
       .arguments = "+z_difficulty impossible  +maxplayers 14 +port 27017 "
                    "+map wrv_hospital01_apartment +team_desired \"Survivor Arno\""},
      {.name = "start: run parameters at the very end",
       .settings = "USERunParametres=Yes\r\nRunParametres=-dev\r\n", .picks = {"matthis"},
       .arguments = usual + "Matthis\" -dev"},
      {.name = "start, exit after run", .settings = exitAfterRun, .arguments = usual + "Arno\"",
       .hides = true},
      {.name = "unwatched start, exit after run: closed at once, no log",
       .settings = exitAfterRun, .closes = true, .arguments = usual + "Arno\"",
       .unwatched = true},
      {.name = "failed start", .startSucceeds = false, .message = denied},
      {.name = "refused: no map", .picks = {"customMaps"}, .starts = false,
       .message = kNoMapMessage},
      {.name = "refused, exit after run", .settings = exitAfterRun, .picks = {"customMaps"},
       .starts = false, .message = kNoMapMessage},
      {.name = "failed start, exit after run", .settings = exitAfterRun, .startSucceeds = false,
       .message = denied},
      {.name = "join without address", .tab = Tab::JoinGame, .starts = false,
       .message = "Enter the server address"},
      {.name = "join typed with its password", .tab = Tab::JoinGame,
       .arguments = join + "+password hunter2 +connect 10.0.0.5:27017 " + arno,
       .typed = "connect 10.0.0.5:27017; password hunter2",
       .remembered = "server 10.0.0.5:27017\n"},
      {.name = "join typed, password with equals", .tab = Tab::JoinGame,
       .arguments = join + "+password x +connect h:1 " + arno, .typed = "h:1; password=x",
       .remembered = "server h:1\n"},
      {.name = "join pasted over two lines", .tab = Tab::JoinGame,
       .arguments = join + "+password hunter2 +connect 10.0.0.5:27017 " + arno,
       .pasted = "10.0.0.5:27017\r\npassword hunter2", .remembered = "server 10.0.0.5:27017\n"},
      {.name = "join pasted, password first", .tab = Tab::JoinGame,
       .arguments = join + "+password x +connect h:27016 " + arno,
       .pasted = "password x; connect h:27016", .remembered = "server h:27016\n"},
      {.name = "join pasted, password after a blank", .tab = Tab::JoinGame,
       .arguments = join + "+password x +connect h:27016 " + arno, .pasted = "h:27016 password x",
       .remembered = "server h:27016\n"},
      {.name = "join pasted into the port box", .tab = Tab::JoinGame,
       .arguments = join + "+password x +connect h:27016 " + arno, .pasted = "h",
       .pastedPort = "27016; password\tx", .remembered = "server h:27016\n"},
      {.name = "join port between blanks", .tab = Tab::JoinGame,
       .arguments = join + "+connect 1.2.3.4:27015 " + arno, .pasted = "1.2.3.4",
       .pastedPort = " 27015 ", .remembered = "server 1.2.3.4:27015\n"},
      {.name = "join tab after connect", .tab = Tab::JoinGame,
       .arguments = join + "+connect 10.0.0.5:27017 " + arno, .pasted = "connect\t10.0.0.5:27017",
       .remembered = "server 10.0.0.5:27017\n"},
      {.name = "join bare v6 address", .tab = Tab::JoinGame,
       .arguments = join + "+connect ::1:27019:27015 " + arno, .pasted = "::1:27019",
       .remembered = "server ::1:27019:27015\n"},
      {.name = "join address with a blank", .tab = Tab::JoinGame, .starts = false,
       .message = "The server address has a blank", .pasted = "1.2.3.4 27016"},
      {.name = "join typed, more after the port", .tab = Tab::JoinGame, .starts = false,
       .message = "The port must be 1 to 65535", .typed = "1.2.3.4:27015 +exec x.cfg"},
      {.name = "join, port out of range", .tab = Tab::JoinGame, .starts = false,
       .message = "The port must be 1 to 65535", .pasted = "h:65536"},
      {.name = "join link", .arguments = join + "+connect 10.0.0.5:27017 " + arno,
       .remembered = "server 10.0.0.5:27017\n", .link = "wreckvale://join/10.0.0.5:27017"},
      {.name = "join link without a port", .arguments = join + "+connect h:27016 " + arno, .pasted = "x:27016",
       .remembered = "server h:27016\n", .link = "wreckvale://join/h"},
      {.name = "join link over a typed password, carrying one",
       .tab = Tab::JoinGame, .arguments = join + "+connect g:2 " + arno,
       .typed = "h:1; password=x", .remembered = "server g:2\n",
       .link = "wreckvale://join/g:2?password=hunter2"},
      {.name = "join link refused: the create tab stays",
       .message = "The link is not a join link this launcher can use",
       .arguments = usual + "Arno\"", .link = "http://join/10.0.0.5:27017"},
      {.name = "join link refused: the boxes stay", .tab = Tab::JoinGame,
       .message = "The link is not a join link this launcher can use",
       .arguments = join + "+connect h:1 " + arno, .pasted = "h:1",
       .remembered = "server h:1\n", .link = "wreckvale://join/g:1:2"},
      {.name = "forum, exit after run", .settings = exitAfterRun, .tab = Tab::About,
       .starts = false, .opensForum = true},
      {.name = "forum of the settings", .settings = "ForumURL=https://example.org/f?a=1\r\n",
       .tab = Tab::About, .starts = false, .opensForum = true,
       .forumUrl = "https://example.org/f?a=1"},
      {.name = "forum of the settings: no web address",
       .settings = "ForumURL=file:///etc/passwd\r\n", .tab = Tab::About, .starts = false,
       .message = cannotOpen + "file:///etc/passwd"},
      {.name = "forum: no opener", .tab = Tab::About, .starts = false,
       .message = cannotOpen + std::string(kForumUrl), .opensForum = true, .openerFails = true},
      {.name = "monitoring reloads", .settings = "MonitoringURL=http://example.org/\r\n",
       .tab = Tab::Monitoring, .starts = false, .reloads = true},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh run(dir, {.watch = c.unwatched});
    const FakePorts& fresh = run.ports;
    run.ports.startSucceeds = c.startSucceeds;
    run.ports.opens = !c.openerFails;
    run.Start(c.settings);
    for (std::string_view pick : c.picks) run.one.OnMenuEntryChosen(pick);
    run.one.OnTabChosen(c.tab, TabChange::Other);
    std::filesystem::remove(dir.Path() / kRecentFileName);
    TypeIntoJoinBoxes(run.one, c.typed);
    if (!c.pasted.empty()) run.one.OnJoinAddressEdited(c.pasted);
    if (!c.link.empty()) {
      const ViewState linked = run.one.OnJoinLink(c.link);
      const bool taken = c.message.empty();
      EXPECT_EQ(linked.currentTab, taken ? Tab::JoinGame : c.tab);
      EXPECT_EQ(linked.focus, taken ? FocusRequest::JoinPassword : FocusRequest::None);
      EXPECT_EQ(fresh.starts.size(), 0U) << "a link never starts a game";
    }
    if (!c.pastedPort.empty()) run.one.OnJoinPortEdited(c.pastedPort);
    const std::string preview = run.one.ActionPreview();
    std::filesystem::remove(dir.Path() / kRunLogName);
    const ViewState view = run.one.OnActionPressed();
    EXPECT_EQ(ReadWholeFile(dir.Path() / kRecentFileName).text.value_or(""), c.remembered);
    EXPECT_EQ(fresh.starts.size(), c.starts ? 1U : 0U);
    if (c.starts) {
      // The preview shows the command with the password masked.
      std::string masked = fresh.starts[0];
      if (const std::size_t at = masked.find("+password "); at != std::string::npos) {
        const std::size_t value = at + std::string_view("+password ").size();
        masked.replace(value, masked.find(' ', value) - value, kPasswordMask);
      }
      EXPECT_EQ(preview, masked);
      EXPECT_TRUE(fresh.starts[0].starts_with("\"" + folder + "/qr7.exe\" "));
      if (!c.arguments.empty()) {
        EXPECT_EQ(fresh.starts[0], "\"" + folder + "/qr7.exe\" " + c.arguments);
      }
    }
    EXPECT_EQ(fresh.messages, NoneOr(c.message));
    for (const std::string& title : fresh.titles) EXPECT_EQ(title, "Wreckvale Launcher");
    if (c.tab == Tab::About) {
      EXPECT_EQ(preview, "Open the forum in the browser");
    } else if (!c.message.empty() && !c.starts) {
      EXPECT_EQ(preview, c.message);
    }
    EXPECT_EQ(fresh.opened, c.opensForum ? std::vector{c.forumUrl} : std::vector<std::string>{});
    EXPECT_EQ(view.browser, c.reloads ? BrowserRequest::Reload : BrowserRequest::None);
    EXPECT_EQ(view.closeWindow, c.closes);
    EXPECT_EQ(view.windowHidden, c.hides);
    EXPECT_EQ(fresh.logs.size(), c.starts && !c.unwatched ? 1U : 0U) << "each start gets its log";
    EXPECT_EQ(std::filesystem::exists(dir.Path() / kRunLogName), c.starts && !c.unwatched);
    EXPECT_EQ(view.watchGameAfter.has_value(), c.starts && c.startSucceeds && !c.unwatched);
    EXPECT_EQ(view.actionResting, c.starts && c.startSucceeds);
  }
}

// A Windows program the system cannot run: with wine or wine64 on PATH the
// player is asked once; yes sets the three run prefix keys in place and
// starts through the wrapper, anything else names the keys to set.
TEST_F(Controller, WindowsProgramOffersWine) {
  static constexpr char kTemplateLines[] = "USEPrefix=No\r\nRunPrefix=\r\nRunPrefixParam=1\r\n";
  static constexpr char kWineSet[] = "USEPrefix=Yes\r\nRunPrefix=wine\r\nRunPrefixParam=\r\n";
  static const StartFailure kWrongFormat{"qr7.exe", "Exec format error", true};
  const std::string hint =
      "\nSet USEPrefix=Yes, RunPrefix=wine (or another program that runs it) and an empty "
      "RunPrefixParam= in wreckvale_launcher.ini.";
  const std::string failed = "Can not start the game (qr7.exe: Exec format error)";
  const std::string exitAfterRun = "ExitAfterRun=Yes\r\n";
  // How the settings file is kept once the launcher has read it.
  enum class Saved { AsBytes, ReadOnly, AsUtf16 };
  const struct Case {
    const char* name;
    std::map<std::string, std::string> onPath = {{"wine", "/usr/bin/wine"}};
    bool answerYes = true;
    std::deque<std::optional<StartFailure>> failures = {kWrongFormat};
    std::string settings = kTemplateLines;  // [Application] lines after the version
    bool asks = false;
    std::string written = kTemplateLines;  // the lines after the version once done
    std::string secondStart = {};          // how the second start begins; empty: none
    std::string message = {};
    bool closes = false;
    Saved saved = Saved::AsBytes;
    bool runsWindowsPrograms = false;
    bool noOneToAsk = false;  // the system asks no question
  } cases[] = {
      // clang-format off
      {.name = "yes: keys replaced where they stand, the game started",
       .onPath = {{"wine", "/usr/bin/wine"}, {"wine64", "/usr/bin/wine64"}},
       .settings = kTemplateLines + exitAfterRun, .asks = true, .written = kWineSet + exitAfterRun,
       .secondStart = "\"/usr/bin/wine\"  qr7.exe ", .closes = true},
      {.name = "yes: missing keys added at the end of the section",
       .onPath = {{"wine64", "/opt/wine/bin/wine64"}}, .settings = "usePrefix=No\r\n", .asks = true,
       .written = "usePrefix=Yes\r\nRunPrefix=wine64\r\nRunPrefixParam=\r\n",
       .secondStart = "\"/opt/wine/bin/wine64\"  qr7.exe "},
      {.name = "no: the hint, the file as it was", .answerYes = false, .asks = true,
       .message = failed + hint},
      {.name = "no wrapper: the hint without asking", .onPath = {}, .message = failed + hint},
      {.name = "another failure: no question",
       .failures = {StartFailure{"qr7.exe", "Permission denied"}},
       .message = "Can not start the game (qr7.exe: Permission denied)"},
      {.name = "a system's reason of any length: one line of the screen's width",
       .failures = {StartFailure{"qr7.exe", std::string(1 << 20, 'x') + "\r\nmore"}},
       .message = "Can not start the game (qr7.exe: " + std::string(119, 'x') + "…)"},
      {.name = "read-only file: the keys named, no question", .message = failed +
       "\nThe launcher does not change a read-only or linked wreckvale_launcher.ini." + hint,
       .saved = Saved::ReadOnly},
      {.name = "UTF-16 file: why it stays, no question", .message = failed +
       "\nThe launcher can not change wreckvale_launcher.ini: it is saved as UTF-16." + hint,
       .saved = Saved::AsUtf16},
      {.name = "yes, but wine fails too: said once, no second question",
       .failures = {kWrongFormat, StartFailure{"/usr/bin/wine", "Permission denied"}},
       .settings = kTemplateLines + exitAfterRun, .asks = true, .written = kWineSet + exitAfterRun,
       .secondStart = "\"/usr/bin/wine\"  qr7.exe ",
       .message = "Can not start the game (/usr/bin/wine: Permission denied)"},
      {.name = "a system that runs Windows programs: neither question nor hint",
       .message = failed, .runsWindowsPrograms = true},
      {.name = "no one to ask: the hint alone, even for a read-only file",
       .message = failed + hint, .saved = Saved::ReadOnly, .noOneToAsk = true},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh run(dir, {.questions = c.noOneToAsk});
    const FakePorts& fresh = run.ports;
    run.ports.onPath = c.onPath;
    run.ports.answerYes = c.answerYes;
    run.ports.failures = c.failures;
    run.ports.runsWindowsPrograms = c.runsWindowsPrograms;
    run.Start(c.settings);
    const std::filesystem::path file = dir.Path() / kIni;
    if (c.saved == Saved::AsUtf16) dir.Write(kIni, test::Utf16Le(CurrentSettings(c.settings)));
    if (c.saved == Saved::ReadOnly)
      std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    const ViewState view = run.one.OnActionPressed();
    EXPECT_EQ(fresh.questions,
              c.asks ? std::vector<std::string>{"Start Windows programs through wine? [Yes] [No]"}
                     : std::vector<std::string>{});
    EXPECT_EQ(ReadWholeFile(file).text, c.saved == Saved::AsUtf16
                                            ? test::Utf16Le(CurrentSettings(c.written))
                                            : CurrentSettings(c.written));
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    ASSERT_EQ(fresh.starts.size(), c.secondStart.empty() ? 1U : 2U);
    if (!c.secondStart.empty()) {
      EXPECT_TRUE(fresh.starts[1].starts_with(c.secondStart)) << fresh.starts[1];
    }
    EXPECT_EQ(fresh.messages, NoneOr(c.message));
    for (const std::string& title : fresh.titles) EXPECT_EQ(title, "Wreckvale Launcher");
    // Exit after run leaves the window: watched, it hides through the game's
    // first seconds before it closes.
    EXPECT_EQ(view.closeWindow || view.windowHidden, c.closes);
    EXPECT_EQ(view.actionResting, c.message.empty());
  }
  // The question and its buttons in the player's language.
  Fresh russian(dir);
  russian.ports.onPath = {{"wine", "/usr/bin/wine"}};
  russian.ports.failures = {kWrongFormat};
  russian.Start("Language=RU\r\n");
  russian.one.OnActionPressed();
  EXPECT_EQ(russian.ports.questions,
            std::vector<std::string>{"Запускать программы Windows через wine? [Да] [Нет]"});
}

// Started from another folder, the launcher works in its own when that one
// holds the game and the current one does not.
TEST_F(Controller, StartWorksWhereTheGameIs) {
  const struct Case {
    const char* name;
    bool workHasGame, exeHasGame, enterSucceeds;
    bool enters;
    std::vector<std::string> messages;
    bool noFolderPort = false;  // the system cannot change the current folder
  } cases[] = {
      {"both hold it: the current folder", true, true, true, false, {}},
      {"only the launcher's: moved there", false, true, true, true, {}},
      {"only the current one", true, false, true, false, {}},
      {"neither: the wrong-folder message", false, false, true, false, {kNoEngineMessage}},
      {"the move refused: the wrong-folder message", false, true, false, true, {kNoEngineMessage}},
      {"no way to move: the wrong-folder message",
       false,
       true,
       true,
       false,
       {kNoEngineMessage},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder exeDir, workDir;
    if (c.exeHasGame) exeDir.Write("qr7.exe", "");
    if (c.workHasGame) workDir.Write("qr7.exe", "");
    FakePorts fresh(workDir.Path());
    fresh.enterSucceeds = c.enterSucceeds;
    LauncherController one(fresh.Get({.workingFolder = c.noFolderPort}));
    one.Start({exeDir.Path(), workDir.Path()}, kVersion);
    EXPECT_EQ(fresh.entered,
              c.enters ? std::vector{exeDir.Path()} : std::vector<std::filesystem::path>{});
    EXPECT_EQ(fresh.messages, c.messages);
    EXPECT_EQ(one.QuitRequested(), !c.messages.empty());
    // The template goes where the game is.
    const bool moved = c.enters && c.enterSucceeds && !c.noFolderPort;
    EXPECT_EQ(std::filesystem::exists(workDir.Path() / kIni), !moved);
    if (moved) {
      one.OnActionPressed();
      ASSERT_EQ(fresh.starts.size(), 1U);
      EXPECT_TRUE(fresh.starts[0].starts_with("\"" + exeDir.Path().string() + "/qr7.exe\" "));
    }
  }
}

// Without a Language key the system's language decides; a key still wins.
TEST_F(Controller, StartTakesTheSystemLanguageWhereTheSettingsNameNone) {
  const struct {
    std::string settings, locale, action;
    bool noLanguagePort = false;  // the system names no language at all
  } cases[] = {
      {"", "ru_RU.UTF-8", "Создать сервер "},
      {"", "ru_RU.UTF-8", "Create server ", true},
      {"", "en_US.UTF-8", "Create server "},
      {"", "", "Create server "},
      {"Language=LOCAL_EN\r\n", "ru_RU.UTF-8", "Create server "},
      {"Language=RU\r\n", "C", "Создать сервер "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.settings + c.locale);
    Fresh run(dir, {.language = c.noLanguagePort});
    run.ports.locale = c.locale;
    EXPECT_EQ(run.Start(c.settings)[Control::ActionButton].text, c.action);
  }
}

// A double click starts one game: the button rests after a start.
TEST_F(Controller, PressRestsAfterAStart) {
  Open();
  ViewState view = controller.OnActionPressed();
  EXPECT_TRUE(view.actionResting);
  EXPECT_EQ(view.actionRestDescription, "Game started");
  EXPECT_EQ(view.wakeAfter, kActionRest);
  controller.OnActionPressed();
  EXPECT_EQ(ports.starts.size(), 1U);

  ports.now += kActionRest - std::chrono::milliseconds(1);
  view = controller.OnActionPressed();
  EXPECT_EQ(ports.starts.size(), 1U);
  EXPECT_EQ(view.wakeAfter, std::chrono::milliseconds(1));
  ports.now += std::chrono::milliseconds(1);
  view = controller.Current();
  EXPECT_FALSE(view.actionResting);
  EXPECT_EQ(view.actionRestDescription, "");
  controller.OnActionPressed();
  EXPECT_EQ(ports.starts.size(), 2U);
}

// The password entry asks first; cancel keeps what was set.
TEST_F(Controller, PasswordDialogFlow) {
  ports.answers = {std::string("secret\tword"), std::nullopt};
  Open();
  ViewState view = controller.OnMenuEntryChosen("setPassword");
  EXPECT_EQ(ports.asked, std::vector<std::string>{"Setup password"});
  EXPECT_EQ(view[Control::PasswordChoice].text, "Protected");
  EXPECT_EQ(view[Control::PasswordBox].accessibleName, "Password: Protected");
  EXPECT_EQ(controller.Model().ServerPassword(), "secretword");
  view = controller.OnMenuEntryChosen("setPassword");
  EXPECT_EQ(ports.asked.size(), 2U);
  EXPECT_EQ(controller.Model().ServerPassword(), "secretword");
  view = controller.OnMenuEntryChosen("removePassword");
  EXPECT_EQ(view[Control::PasswordChoice].text, "Not protected");
  EXPECT_TRUE(controller.Model().ServerPassword().empty());
  EXPECT_EQ(ports.asked.size(), 2U) << "only the password entry asks";
}

// Where the focus goes: the join tab takes it to the address box unless the
// player walks the tabs with the arrow keys; a typed colon that leaves the
// port empty sends it to the port box.
TEST_F(Controller, FocusRequests) {
  const struct {
    Tab tab;
    TabChange how;
    std::string address;
    FocusRequest tabFocus, editFocus;
  } cases[] = {
      {Tab::JoinGame, TabChange::Other, "host:", FocusRequest::JoinAddress,
       FocusRequest::JoinPortSelected},
      {Tab::JoinGame, TabChange::ArrowKeys, "host:27016", FocusRequest::None, FocusRequest::None},
      {Tab::About, TabChange::Other, "host", FocusRequest::None, FocusRequest::None},
      {Tab::CreateServer, TabChange::Other, ":", FocusRequest::None,
       FocusRequest::JoinPortSelected},
  };
  Open();
  for (const auto& c : cases) {
    EXPECT_EQ(controller.OnTabChosen(c.tab, c.how).focus, c.tabFocus);
    const ViewState view = controller.OnJoinAddressEdited(c.address);
    EXPECT_EQ(view.focus, c.editFocus) << c.address;
    EXPECT_EQ(view.joinAddress + ":" + view.joinPort,
              c.address.find(':') != std::string::npos ? c.address : c.address + ":27015");
    controller.OnJoinPortEdited("27015");
  }
}

// A pasted address splits into the boxes; a window writes only the boxes
// whose text reads back other than the view's bytes, so that what the
// player typed stays as typed, and the caret where it is.
TEST_F(Controller, JoinBoxesWrittenWhereTheirBytesDiffer) {
  using enum Control;
  using Writes = std::vector<std::pair<Control, std::string>>;
  Open();
  const ViewState view = controller.OnJoinAddressEdited("10.0.0.5:27017");
  const struct {
    std::map<Control, std::string> shown;
    Writes writes;
  } cases[] = {
      {{{JoinAddress, "10.0.0.5:27017"}, {JoinPort, "27015"}, {JoinPassword, ""}},
       {{JoinAddress, "10.0.0.5"}, {JoinPort, "27017"}}},
      {{{JoinAddress, "10.0.0.5"}, {JoinPort, "27017"}, {JoinPassword, ""}}, {}},
      {{{JoinAddress, "10.0.0.5"}, {JoinPort, "27017"}, {JoinPassword, "old"}},
       {{JoinPassword, ""}}},
  };
  for (const auto& c : cases) {
    Writes writes;
    for (const EditWrite& write :
         JoinBoxWrites(view, [&](Control box) { return c.shown.at(box); })) {
      writes.emplace_back(write.control, std::string(write.bytes));
    }
    EXPECT_EQ(writes, c.writes) << c.shown.at(JoinAddress);
  }
}

// Ctrl+Tab and the like go round the visible tabs; the arrow keys stop at
// the ends. The hidden settings tab is skipped, and the join tab reached by
// the arrow keys keeps the focus on the tab row.
TEST_F(Controller, TabSteps) {
  using enum KeyCommand;
  const struct {
    bool monitoring;
    Tab from;
    KeyCommand key;
    std::optional<Tab> to;  // none: the window's own command, no step
    FocusRequest focus;
  } cases[] = {
      {false, Tab::CreateServer, NextTab, Tab::JoinGame, FocusRequest::JoinAddress},
      {false, Tab::JoinGame, NextTab, Tab::About, FocusRequest::None},
      {true, Tab::JoinGame, NextTab, Tab::Monitoring, FocusRequest::None},
      {false, Tab::About, NextTab, Tab::CreateServer, FocusRequest::None},
      {false, Tab::CreateServer, PreviousTab, Tab::About, FocusRequest::None},
      {false, Tab::CreateServer, StepRight, Tab::JoinGame, FocusRequest::None},
      {false, Tab::About, StepRight, Tab::About, FocusRequest::None},
      {false, Tab::CreateServer, StepLeft, Tab::CreateServer, FocusRequest::None},
      {false, Tab::CreateServer, DropMenu, std::nullopt, FocusRequest::None},
      {false, Tab::JoinGame, PressAction, std::nullopt, FocusRequest::None},
  };
  for (const auto& c : cases) {
    Fresh run(dir);
    run.Start(c.monitoring ? "MonitoringURL=http://example.org/\r\n" : "");
    run.one.OnTabChosen(c.from, TabChange::Other);
    const std::optional<ViewState> view = run.one.OnKey(c.key);
    const std::string where =
        std::string(TabObjectName(c.from)) + " " + std::to_string(static_cast<int>(c.key));
    ASSERT_EQ(view.has_value(), c.to.has_value()) << where;
    if (!view) continue;
    EXPECT_EQ(view->currentTab, c.to) << where;
    EXPECT_EQ(view->focus, c.focus) << where;
  }
}

// What each tab shows the player: the action button's caption, the bottom
// buttons usable only while their panels are, and the browser loading the
// monitoring page as its tab comes.
TEST_F(Controller, EachTabShowsItsActionAndButtons) {
  const struct {
    Tab tab;
    std::string_view action;
    bool character, clipboard;
    BrowserRequest browser;
  } cases[] = {
      {Tab::JoinGame, "Join game ", true, false, BrowserRequest::None},
      {Tab::Monitoring, "Refresh", false, false, BrowserRequest::Navigate},
      {Tab::About, "Forum ", false, false, BrowserRequest::None},
      {Tab::CreateServer, "Create server ", true, true, BrowserRequest::None},
  };
  Fresh run(dir);
  run.Start("MonitoringURL=http://example.org/\r\n");
  for (const auto& c : cases) {
    const ViewState view = run.one.OnTabChosen(c.tab, TabChange::Other);
    EXPECT_EQ(view[Control::ActionButton].text, c.action);
    for (const auto& [button, panel, usable] :
         {std::tuple{Control::CharacterButton, Control::CharacterPanel, c.character},
          std::tuple{Control::ClipboardButton, Control::ClipboardPanel, c.clipboard}}) {
      EXPECT_EQ(view[button].enabled, usable) << c.action << ObjectName(button);
      EXPECT_EQ(view[panel].enabled, usable) << c.action << ObjectName(panel);
    }
    EXPECT_EQ(view.browser, c.browser) << c.action;
  }
}

// What the boxes show after the player's picks, and what screen readers hear
// of them ("Caption: choice").
TEST_F(Controller, PicksShowInTheBoxes) {
  using Shown = std::vector<std::pair<Control, std::string>>;
  using enum Control;
  const struct {
    const char* name;
    std::vector<std::string_view> picks;
    Shown texts, names = {};
    std::string_view settings = "";
    // A menu and the entry the keyboard opens it at ("" for none).
    std::pair<std::string_view, std::string_view> opensAt = {};
  } cases[] = {
      {"versus keeps 14 slots",
       {"versus"},
       {{ModeChoice, "Versus"}, {SlotsChoice, "14"}, {CharacterButton, "Arno"}},
       {{ModeBox, "Game mode: Versus"}, {SlotsBox, "Slots: 14"}, {ActionButton, "Create server"}},
       "",
       {"modeMenu", "versus"}},
      {"versus raises 1 slot to 8", {"slots1", "versus"}, {{SlotsChoice, "8"}}},
      {"campaign brings its first chapter",
       {"stoneBell"},
       {{CampaignChoice, "Stone bell"}, {MapChoice, "Turnpike"}},
       {{CampaignBox, "Campaign: Stone bell"}, {MapBox, "Chapter: Turnpike"}}},
      {"infected falls back in co-op",
       {"versus", "infected", "coop"},
       {{ModeChoice, "CO-OP"}, {CharacterButton, "Arno"}}},
      {"port and difficulty",
       {"port27023", "impossible"},
       {{PortChoice, "27023"}, {DifficultyChoice, "Impossible"}},
       {{PortBox, "Port: 27023"}},
       "",
       {"portMenu", "port27023"}},
      {"custom maps pick the first enabled map",
       {"customMaps"},
       {{ModeChoice, "Custom maps"}, {CampaignChoice, "-"}, {MapChoice, "Rockfall"}},
       {},
       "[MAP_Foundry]\r\nVisible=No\r\n[MAP_Rockfall]\r\nVisible=YES\r\n"},
      {"custom maps without any map",
       {"customMaps"},
       {{CampaignChoice, "-"}, {MapChoice, "-"}},
       {},
       "",
       {"mapMenu", ""}},
      {"custom map named in Windows-1251",
       {"customMaps"},
       {{MapChoice, "Карта"}},
       {{MapBox, "Chapter: Карта"}},
       "[CustomMap1]\r\nMap name=\xCA\xE0\xF0\xF2\xE0\r\nFile name=m1\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh run(dir);
    ViewState view = run.Start(c.settings);
    for (std::string_view pick : c.picks) view = run.one.OnMenuEntryChosen(pick);
    for (const auto& [control, text] : c.texts) {
      EXPECT_EQ(view[control].text, text) << ObjectName(control);
    }
    for (const auto& [control, name] : c.names) {
      EXPECT_EQ(view[control].accessibleName, name) << ObjectName(control);
    }
    for (const Menu& menu : view.menus) {
      if (menu.id != c.opensAt.first) continue;
      const std::optional<std::size_t> at = OpeningEntry(menu, MenuOpening::Keyboard);
      EXPECT_EQ(at ? menu.entries[*at].id : "", c.opensAt.second);
      EXPECT_EQ(OpeningEntry(menu, MenuOpening::Click), std::nullopt) << "a click highlights none";
    }
  }
}

// The view state and the ports get display text: settings bytes in
// Windows-1251 come out as UTF-8, and the join boxes keep the bytes as typed.
TEST_F(Controller, ViewStateDecodesSettingsText) {
  Open("", "[CustomMap1]\r\nMap name=\xCA\xE0\xF0\xF2\xE0\r\nFile name=m1\r\n");
  const ViewState view = controller.OnMenuEntryChosen("customMaps");
  EXPECT_EQ(view[Control::MapChoice].text, "Карта");
  EXPECT_EQ(view[Control::MapBox].accessibleName, "Chapter: Карта");
  bool listed = false;
  for (const Menu& menu : view.menus) {
    for (const MenuEntry& entry : menu.entries) listed |= entry.caption == "Карта";
  }
  EXPECT_TRUE(listed);
  controller.OnClipboardPressed();
  EXPECT_NE(ports.clipboard.back().find("Chapter: Карта"), std::string::npos)
      << ports.clipboard.back();
  EXPECT_EQ(controller.OnJoinPasswordEdited("\xCA").joinPassword, "\xCA");

  // The monitoring page's texts as well, from a translation in Windows-1251.
  Fresh russian(dir);
  const MonitoringTexts texts =
      russian.Start("Language=RU\r\n", "[Language_RU]\r\nModuleNotFound=\xED\xE5\xF2\r\n")
          .monitoringTexts;
  EXPECT_EQ(texts.moduleNotFound, "нет");
  EXPECT_EQ(texts.unavailable, "Страница мониторинга недоступна");
}

TEST_F(Controller, ClipboardGetsTheSummary) {
  Open();
  controller.OnClipboardPressed();
  EXPECT_EQ(ports.clipboard,
            std::vector<std::string>{"Game mode: CO-OP, Campaign: Last ward, Difficulty: Normal, "
                                     "Chapter: Apartmens, Slots: 14"});
}

// The game's first seconds after a start: a failure is told with the log's
// last lines, a hidden window comes back for it first, and exit after run
// ends the launcher once the game has outlasted them.
TEST_F(Controller, GameWatchedThroughItsFirstSeconds) {
  using K = GameOutcome::Kind;
  using std::chrono::seconds;
  const std::string log = dir.Path().string() + "/" + std::string(kRunLogName);
  const std::string lines = "\n\nwine: cannot find L\"C:\\\\qr7.exe\"\nlast line\n\nIts output: ";
  const std::string told = "The game ended at once (code 1)" + lines + log;
  const auto toldOf = [&log](const std::string& shown) {
    return "The game ended at once (code 1)\n\n" + shown + "\n\nIts output: " + log;
  };
  std::string progress;  // a terminal's progress line, redrawn after each CR
  for (int step = 1; step <= 3000; ++step) progress += "step " + std::to_string(step) + "\r";
  std::string cyrillic;
  for (int i = 0; i < (1 << 19); ++i) cyrillic += "Ж";
  const struct Case {
    const char* name;
    bool exitAfterRun = false;
    GameOutcome outcome;
    std::string log = "wine: cannot find L\"C:\\\\qr7.exe\"\r\n\r\nlast line\n";
    std::chrono::milliseconds after = seconds(1);  // since the start, when looked at
    std::string message = {};                      // empty: none
    bool quits = false;
  } cases[] = {
      // clang-format off
      {.name = "fails", .outcome = {K::Exited, 1}, .message = told},
      {.name = "fails, exit after run: back first", .exitAfterRun = true, .outcome = {K::Exited, 1},
       .message = told},
      {.name = "killed", .outcome = {K::Signalled, 11},
       .message = "The game ended at once (signal 11)" + lines + log},
      // Whatever the game wrote, the message fits on the screen.
      {.name = "one line of a megabyte", .outcome = {K::Exited, 1},
       .log = std::string(1 << 20, 'x') + "\n",
       .message = toldOf(std::string(119, 'x') + "…")},
      {.name = "30 MB of one line, read from its end", .outcome = {K::Exited, 1},
       .log = "first\n" + std::string(30 << 20, 'y') + "z",
       .message = toldOf(std::string(119, 'y') + "…")},
      {.name = "progress lines ending in CR", .outcome = {K::Exited, 1}, .log = progress,
       .message = toldOf("step 2995\nstep 2996\nstep 2997\nstep 2998\nstep 2999\nstep 3000")},
      {.name = "Cyrillic, its tail and its line cut between characters", .outcome = {K::Exited, 1},
       .log = cyrillic + "\n", .message = toldOf(cyrillic.substr(0, 119 * 2) + "…")},
      {.name = "ends well", .outcome = {K::Exited, 0}},
      {.name = "ends well, exit after run", .exitAfterRun = true, .outcome = {K::Exited, 0},
       .quits = true},
      {.name = "outlasts, exit after run", .exitAfterRun = true, .outcome = {K::Outlasted},
       .after = seconds(5), .quits = true},
      {.name = "starter silent past the window", .exitAfterRun = true, .outcome = {K::Pending},
       .after = seconds(7), .quits = true},
      {.name = "still pending", .exitAfterRun = true, .outcome = {K::Pending}, .after = seconds(2)},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dir.Write(std::string(kRunLogName), "the run before\n");
    Fresh run(dir);
    FakePorts& fresh = run.ports;
    run.Start(c.exitAfterRun ? "ExitAfterRun=Yes\r\n" : "");
    ViewState view = run.one.OnActionPressed();
    EXPECT_EQ(fresh.logs, std::vector{log});
    EXPECT_EQ(ReadWholeTextFile(dir.Path() / (std::string(kRunLogName) + ".1")),
              "the run before\n");
    EXPECT_EQ(view.windowHidden, c.exitAfterRun);
    EXPECT_FALSE(view.closeWindow);
    ASSERT_TRUE(view.watchGameAfter.has_value());

    dir.Write(std::string(kRunLogName), c.log);
    fresh.outcome = c.outcome;
    fresh.now += c.after;
    view = run.one.OnGameWatched();
    if (c.exitAfterRun && !c.message.empty()) {
      EXPECT_FALSE(view.windowHidden);
      EXPECT_TRUE(fresh.messages.empty()) << "the window comes back before the message";
      EXPECT_EQ(view.watchGameAfter, std::chrono::milliseconds::zero());
      view = run.one.OnGameWatched();
    }
    EXPECT_EQ(fresh.messages, NoneOr(c.message));
    EXPECT_EQ(fresh.quits, c.quits ? 1 : 0);
    EXPECT_EQ(view.watchGameAfter.has_value(), c.outcome.kind == K::Pending && !c.quits);
    EXPECT_EQ(view.windowHidden, c.exitAfterRun && c.message.empty());
  }
}
// beside the settings file for the next start; a damaged history reads as none.
TEST_F(Controller, RecentServersRemembered) {
  dir.Write(std::string(kRecentFileName),
            "server old.example:27016\n\x01garbage\nserver :27015\nchoice\n");
  Open();
  const auto join = [this](std::string address, std::string port) {
    controller.OnTabChosen(Tab::JoinGame, TabChange::Other);
    controller.OnJoinAddressEdited(address);
    controller.OnJoinPortEdited(port);
    controller.OnJoinPasswordEdited("secret");
    ports.now += std::chrono::seconds(2);
    return controller.OnActionPressed();
  };
  join("10.0.0.5", "27017");
  join("b.example", "27015");
  ViewState view = join("10.0.0.5", "27017 ");
  EXPECT_EQ(view.recentServers,
            (std::vector<std::string>{"10.0.0.5:27017", "b.example:27015", "old.example:27016"}));
  const std::string kept = ReadWholeTextFile(dir.Path() / std::string(kRecentFileName));
  EXPECT_EQ(kept, "server 10.0.0.5:27017\nserver b.example:27015\nserver old.example:27016\n");

  view = controller.OnRecentServerChosen(1);
  EXPECT_EQ(view.joinAddress, "b.example");
  EXPECT_EQ(view.joinPort, "27015");
  EXPECT_EQ(view.joinPassword, "") << "the password was another server's";
  EXPECT_EQ(view.focus, FocusRequest::JoinAddress);

  FakePorts fresh(dir.Path());
  LauncherController next(fresh.Get());
  EXPECT_EQ(next.Start({dir.Path(), dir.Path()}, kVersion).recentServers, view.recentServers);

  std::filesystem::remove(dir.Path() / std::string(kRecentFileName));
  std::filesystem::create_directory(dir.Path() / std::string(kRecentFileName));
  FakePorts unreadable(dir.Path());
  LauncherController third(unreadable.Get());
  EXPECT_TRUE(third.Start({dir.Path(), dir.Path()}, kVersion).recentServers.empty());
  EXPECT_TRUE(unreadable.messages.empty());
}

#ifndef _WIN32
// A game folder may come from anyone. Whatever holds a name the launcher
// writes, nothing is written through it, nothing waits on it, it stays as it
// is, and the player is told once; the start and the joins go on.
TEST_F(Controller, PlantedNamesAreNeverWrittenThrough) {
  namespace fs = std::filesystem;
  enum class Plant { LinkToFile, Fifo, Folder, LinkToNowhere, Device };
  const std::string lock(kSettingsLockName), recent(kRecentFileName), log(kRunLogName);
  const std::string busy =
      "The settings file was busy, its refresh was skipped (" + lock + ": not a regular file)";
  const auto cannotWrite = [](const std::string& name) {
    return "Can not write the file (" + name + ": not a regular file)";
  };
  const struct Name {
    std::string name;
    std::string told;  // empty: nothing stood in the way
  } names[] = {
      {lock, busy},
      {recent, cannotWrite(recent)},
      {log, cannotWrite(log)},
      {log + ".1", cannotWrite(log + ".1")},
      // The outdated settings file goes to the next free backup name.
      {std::string(kIniBackup), ""},
  };
  const std::string leftCopy = "." + recent + ".tmp-42";
  for (const Name& n : names) {
    for (const Plant plant :
         {Plant::LinkToFile, Plant::Fifo, Plant::Folder, Plant::LinkToNowhere, Plant::Device}) {
      SCOPED_TRACE(n.name + " planted as kind " + std::to_string(static_cast<int>(plant)));
      EngineFolder game;
      TempFolder elsewhere;
      const fs::path at = game / n.name;
      const fs::path victim = elsewhere / "victim";
      elsewhere.Write("victim", "untouched\n");
      switch (plant) {
        case Plant::LinkToFile:
          fs::create_symlink(victim, at);
          break;
        case Plant::Fifo:
          ASSERT_EQ(::mkfifo(at.c_str(), 0666), 0);
          break;
        case Plant::Folder:
          fs::create_directory(at);
          break;
        case Plant::LinkToNowhere:
          fs::create_symlink(elsewhere / "nowhere", at);
          break;
        case Plant::Device:
          if (::mknod(at.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
            fs::create_symlink("/dev/null", at);  // no right to make a device: a link to one
          }
          break;
      }
      const fs::file_type planted = fs::symlink_status(at).type();
      game.Write(std::string(kIni), "[Application]\r\nVersion=0.1\r\n");
      if (n.name != log) game.Write(log, "the run before\n");
      game.Write(leftCopy, "left by a killed launcher");

      // In a child that a hang would end by the alarm.
      const std::string outcome = InChildProcess([&game] {
        ::alarm(30);
        FakePorts ports(game.Path());
        LauncherController one(ports.Get());
        one.Start({game.Path(), game.Path()}, kVersion);
        for (const char* address : {"10.0.0.5", "10.0.0.6"}) {
          one.OnTabChosen(Tab::JoinGame, TabChange::Other);
          one.OnJoinAddressEdited(address);
          one.OnJoinPortEdited("27015");
          ports.now += std::chrono::seconds(2);
          one.OnActionPressed();
        }
        std::string said = std::to_string(ports.starts.size()) + " starts\n";
        for (const std::string& message : ports.messages) said += message + "\n";
        return said;
      });
      EXPECT_EQ(outcome, "2 starts\n" + (n.told.empty() ? "" : n.told + "\n"));
      EXPECT_EQ(fs::symlink_status(at).type(), planted) << "left as it is";
      EXPECT_EQ(TempFolder::ReadFile(victim), "untouched\n");
      EXPECT_FALSE(fs::exists(fs::symlink_status(elsewhere / "nowhere")));
      EXPECT_TRUE(plant != Plant::Folder || fs::is_empty(at));

      const bool lockBlocked = n.name == lock;
      if (n.name != recent) {
        EXPECT_EQ(fs::exists(game / recent), !lockBlocked) << "written under the lock only";
      }
      EXPECT_EQ(fs::exists(game / leftCopy), lockBlocked) << "removed under the lock only";
      if (n.name != log) {
        const fs::file_status made = fs::symlink_status(game / log);
        EXPECT_EQ(made.type(), fs::file_type::regular);
        EXPECT_EQ(made.permissions(), fs::perms::owner_read | fs::perms::owner_write)
            << "the game may echo a password";
      }
    }
  }
}
#endif

// With RememberChoices=Yes the next start shows the last create-server
// selection; a choice no longer offered keeps the defaults' rule (custom
// maps: the first map offered).
TEST_F(Controller, ChoicesRememberedWhenAsked) {
  static constexpr char kDunes[] = "[CustomMap1]\r\nMap name=Dunes\r\nFile name=m_dunes\r\n";
  const std::string customMaps =
      kDunes + std::string("[CustomMap2]\r\nMap name=Quarry\r\nFile name=m_quarry\r\n");
  const std::string quarryGone =
      kDunes + std::string("[CustomMap2]\r\nMap name=Cliffs\r\nFile name=m_cliffs\r\n");
  // Renumbered: the kept map's number now names another.
  const std::string quarryLast =
      quarryGone + "[CustomMap3]\r\nMap name=Quarry\r\nFile name=m_quarry\r\n";
  const struct Case {
    const char* name;
    std::string application = "RememberChoices=Yes\r\n";
    std::string sections = {}, sectionsAtNext = {};
    std::vector<std::string_view> picks;
    std::string summary;  // the clipboard's, at the next start
    std::string_view port = "port27015", character = "arno";
  } cases[] = {
      // clang-format off
      {.name = "kept", .picks = {"stoneBell", "drains", "hard", "slots8", "port27017", "wren"},
       .summary = "Game mode: CO-OP, Campaign: Stone bell, Difficulty: Hard, Chapter: Drains, "
                  "Slots: 8",
       .port = "port27017", .character = "wren"},
      {.name = "versus kept", .picks = {"versus", "impossible"},
       .summary = "Game mode: Versus, Campaign: Last ward, Difficulty: Impossible, Chapter: "
                  "Apartmens, Slots: 14"},
      {.name = "absent: the defaults", .application = "", .picks = {"versus", "hard"},
       .summary = "Game mode: CO-OP, Campaign: Last ward, Difficulty: Normal, Chapter: Apartmens, "
                  "Slots: 14"},
      {.name = "custom map found by its engine map", .sections = customMaps,
       .sectionsAtNext = quarryLast, .picks = {"customMaps", "customMap2"},
       .summary = "Game mode: Custom maps, Difficulty: Normal, Chapter: Quarry, Slots: 14"},
      {.name = "custom map removed", .sections = customMaps, .sectionsAtNext = quarryGone,
       .picks = {"customMaps", "customMap2"},
       .summary = "Game mode: Custom maps, Difficulty: Normal, Chapter: Dunes, Slots: 14"},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(dir.Path() / std::string(kRecentFileName));
    {
      Fresh first(dir);
      first.Start(c.application, c.sections);
      for (std::string_view pick : c.picks) first.one.OnMenuEntryChosen(pick);
      first.one.OnActionPressed();
      ASSERT_EQ(first.ports.starts.size(), 1U);
    }
    Fresh next(dir);
    next.Start(c.application, c.sectionsAtNext);
    next.one.OnClipboardPressed();
    EXPECT_EQ(next.ports.clipboard, std::vector{c.summary});
    EXPECT_EQ(next.one.Model().Shown(Group::Port), c.port);
    EXPECT_EQ(next.one.Model().Shown(Group::Character), c.character);
  }
}

// A settings file of another version is renewed from the template; the
// player is asked once whether the values the launcher knows go over, and
// the new file then holds them, Version aside, or stays the template.
TEST_F(Controller, RenewedSettingsOfferTheOldValues) {
  const std::string question =
      "The settings file of launcher version 1.0 was replaced by a new one and is kept as "
      "wreckvale_launcher.ini.bak. Carry your values over into the new file? [Yes] [No]";
  const std::string playerFile =
      "[application]\r\nversion=1.0\r\nMonitoringURL=http://stats.example/\r\nUSEPrefix=Yes\r\n"
      "RunPrefix=wine\r\nRunPrefixParam=\r\nRememberChoices=yes\r\nConsole=Yes\r\n"
      "ForumURL=https://example.org/f\r\nBogus=1\r\n[CustomMap3]\r\nMap name=My map\r\n"
      "File name=my_map\r\n[Language_RU]\r\nActionCreate=\" Host \"\r\nNoSuchText=x\r\n"
      "[Elsewhere]\r\nX=1\r\n";
  using Value = std::pair<std::string_view, std::string_view>;  // section, key
  const std::vector<Value> read = {
      {"Application", "MonitoringURL"},
      {"Application", "USEPrefix"},
      {"Application", "RunPrefix"},
      {"Application", "RunPrefixParam"},
      {"Application", "RememberChoices"},
      {"Application", "ForumURL"},
      {"Application", "Version"},
      {"Application", "Bogus"},
      {"CustomMap3", "Map name"},
      {"CustomMap3", "File name"},
      {"Language_RU", "ActionCreate"},
      {"Language_RU", "NoSuchText"},
      {"Elsewhere", "X"},
  };
  const std::string none = "<none>";
  const std::string version(kVersion);
  const struct Case {
    const char* name;
    std::string old;
    bool yes;
    std::string asked;                // the question, if any
    std::vector<std::string> values;  // of `read` in the new file afterwards
    bool monitoring;                  // the tab offered after start-up
  } cases[] = {
      {"the player's values, yes",
       playerFile,
       true,
       question,
       {"http://stats.example/", "Yes", "wine", "", "yes", "https://example.org/f", version, none,
        "My map", "my_map", " Host ", none, none},
       true},
      {"the player's values, no",
       playerFile,
       false,
       question,
       {"", "No", "", "1", none, none, version, none, "", "", none, none, none},
       false},
      {"the template's values only: nothing asked",
       "[Application]\r\nVersion=1.0\r\nConsole=Yes\r\nRunPrefixParam=1\r\n[CustomMap3]\r\n"
       "Map name=\r\n",
       true,
       "",
       {"", "No", "", "1", none, none, version, none, "", "", none, none, none},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EngineFolder folder;
    folder.Write(kIni, c.old);
    FakePorts ports(folder.Path());
    ports.answerYes = c.yes;
    LauncherController one(ports.Get());
    const ViewState view = one.Start({folder.Path(), folder.Path()}, kVersion);
    EXPECT_EQ(ports.questions, NoneOr(c.asked));
    EXPECT_TRUE(ports.messages.empty());
    EXPECT_EQ(folder.Read(kSettingsBackupName), c.old) << "the backup stays as it was";
    const std::string renewed = ReadWholeTextFile(folder.Path() / kIni);
    std::vector<std::string> values;
    for (const auto& [section, key] : read) {
      values.push_back(FindProfileValue(renewed, section, key).value_or(none));
    }
    EXPECT_EQ(values, c.values);
    EXPECT_EQ(view.TabOf(Tab::Monitoring).visible, c.monitoring);
  }
}

// Where the system asks the player (Windows), the caption menu offers join
// links to this launcher and, once they open here, the undo; the entry
// follows what the system holds, and a refusal says so. Nothing is
// registered before the player asks.
TEST_F(Controller, JoinLinksRegisteredWhenAsked) {
  struct Registry : JoinLinkRegistry {
    bool OpensHere() override { return here; }
    bool Set(bool wanted) override {
      sets.push_back(wanted);
      if (refuses) return false;
      here = wanted;
      return true;
    }
    bool here = false, refuses = false;
    std::vector<bool> sets;
  };
  const std::string open = "Open join links with this launcher";
  const std::string stop = "Stop opening join links here";
  const struct {
    const char* name;
    bool here, refuses;
    std::string offered, offeredAfter, message;
  } cases[] = {
      {"registered", false, false, open, stop, ""},
      {"undone", true, false, stop, open, ""},
      {"refused", false, true, open, open, "The system kept join links as they were"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakePorts fake(dir.Path());
    Registry registry;
    registry.here = c.here;
    registry.refuses = c.refuses;
    Platform platform = fake.Get();
    platform.joinLinks = &registry;
    LauncherController one(platform);
    const ViewState view = one.Start({dir.Path(), dir.Path()}, kVersion);
    ASSERT_EQ(view.captionMenu.size(), 3U);
    EXPECT_EQ(view.captionMenu[2].caption, c.offered);
    EXPECT_TRUE(registry.sets.empty());
    const ViewState after = one.OnCaptionCommand(view.captionMenu[2].command);
    EXPECT_EQ(registry.sets, std::vector<bool>{c.offered == open});
    EXPECT_EQ(after.captionMenu[2].caption, c.offeredAfter);
    EXPECT_EQ(fake.messages, NoneOr(c.message));
  }
}

// The caption bar's menu and Ctrl+comma: the settings file and the game
// folder, handed to the desktop's opener as file URLs of their very bytes.
TEST_F(Controller, SettingsAtHand) {
  const ViewState view = Open();
  ASSERT_EQ(view.captionMenu.size(), 2U);
  EXPECT_EQ(view.captionMenu[0].caption, "Open settings file");
  EXPECT_EQ(view.captionMenu[1].caption, "Open game folder");
  EXPECT_EQ(OpeningEntry(view.captionMenu, MenuOpening::Keyboard), 0U);
  EXPECT_EQ(OpeningEntry(view.captionMenu, MenuOpening::Click), std::nullopt);
  controller.OnCaptionCommand(view.captionMenu[0].command);
  controller.OnCaptionCommand(view.captionMenu[1].command);
  // A drive letter's path gets a slash of its own.
  std::string folder = dir.Path().generic_string();
  if (!folder.starts_with('/')) folder.insert(0, "/");
  EXPECT_EQ(ports.opened, (std::vector<std::string>{"file://" + folder + "/wreckvale_launcher.ini",
                                                    "file://" + folder}));

#ifndef _WIN32  // a narrow path there is in the ANSI code page
  ports.folder = dir.Path() / "Игры 100%";
  controller.OnCaptionCommand(CaptionCommand::OpenGameFolder);
  EXPECT_EQ(ports.opened.back(), "file://" + folder + "/%D0%98%D0%B3%D1%80%D1%8B%20100%25");
  // The folder as the system names it, not as the command line spells it.
  ports.spelledAs = "D/???? 100%";
  controller.OnCaptionCommand(CaptionCommand::OpenGameFolder);
  EXPECT_EQ(ports.opened.back(), "file://" + folder + "/%D0%98%D0%B3%D1%80%D1%8B%20100%25");
  // A backslash is a byte of a name here, not a folder's end.
  ports.folder = dir.Path() / "w\\x #?";
  controller.OnCaptionCommand(CaptionCommand::OpenGameFolder);
  EXPECT_EQ(ports.opened.back(), "file://" + folder + "/w%5Cx%20%23%3F");
#endif
  // A launcher found through "." names its folder without the dot.
  Fresh dotted(dir);
  dotted.one.Start({dir.Path() / ".", dir.Path()}, kVersion);
  dotted.one.OnCaptionCommand(CaptionCommand::OpenSettingsFile);
  EXPECT_EQ(dotted.ports.opened,
            std::vector<std::string>{"file://" + folder + "/wreckvale_launcher.ini"});
  EXPECT_TRUE(dotted.ports.messages.empty());

  // With no opener the player learns the path, as the system spells it.
  dotted.ports.opens = false;
  for (const CaptionCommand command :
       {CaptionCommand::OpenSettingsFile, CaptionCommand::OpenGameFolder}) {
    dotted.one.OnCaptionCommand(command);
  }
  const std::string path = dir.Path().string();
  const std::string separator(1, std::filesystem::path::preferred_separator);
  EXPECT_EQ(dotted.ports.messages,
            (std::vector<std::string>{"Nothing here could open it; open it by hand:\n" + path +
                                          separator + "wreckvale_launcher.ini",
                                      "Nothing here could open it; open it by hand:\n" + path}));
}

}  // namespace
}  // namespace wv::test
