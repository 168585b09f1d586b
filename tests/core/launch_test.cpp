#include "core/launch.h"

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/command_text.h"
#include "core/language.h"
#include "tests/core/model_fixture.h"

namespace wv::test {
namespace {

using Launch = ModelTest;

constexpr std::string_view kDefaultCommand =
    "\"D/qr7.exe\" -game wreckvale -console -novid +z_difficulty normal +maxplayers 14 "
    "+port 27015 +map wrv_hospital01_apartment +team_desired \"Survivor Arno\"";

TEST_F(Launch, DefaultSelectionGivesTheDefaultServerCommand) {
  LaunchDecision d = Press();
  EXPECT_EQ(d.kind, LaunchDecision::Kind::StartGame);
  EXPECT_EQ(d.command, kDefaultCommand);
  EXPECT_FALSE(d.closeWindow);
}

// Every chapter's map, difficulty word and team token, as a press starts it.
TEST_F(Launch, EveryChoiceReachesTheCommand) {
  const struct {
    std::vector<std::string_view> choices;
    std::string_view map;
    std::string_view difficulty = "normal ";
    std::string_view team = "Survivor Arno";
  } cases[] = {
      {{"lastWard", "apartments"}, "wrv_hospital01_apartment"},
      {{"lastWard", "subway"}, "wrv_hospital02_subway"},
      {{"lastWard", "sewer"}, "wrv_hospital03_sewers"},
      {{"lastWard", "hospital"}, "wrv_hospital04_interior"},
      {{"lastWard", "rooftops"}, "wrv_hospital05_rooftop"},
      {{"stoneBell", "turnpike"}, "wrv_smalltown01_caves"},
      {{"stoneBell", "drains"}, "wrv_smalltown02_drainage"},
      {{"stoneBell", "church"}, "wrv_smalltown03_ranchhouse"},
      {{"stoneBell", "town"}, "wrv_smalltown04_mainstreet"},
      {{"stoneBell", "boathouse"}, "wrv_smalltown05_houseboat"},
      {{"stillWind", "greenhouse"}, "wrv_airport01_greenhouse"},
      {{"stillWind", "crane"}, "wrv_airport02_offices"},
      {{"stillWind", "constructionSite"}, "wrv_airport03_garage"},
      {{"stillWind", "terminal"}, "wrv_airport04_terminal"},
      {{"stillWind", "runway"}, "wrv_airport05_runway"},
      {{"redFurrow", "woods"}, "wrv_farm01_hilltop"},
      {{"redFurrow", "tunnel"}, "wrv_farm02_traintunnel"},
      {{"redFurrow", "bridge"}, "wrv_farm03_bridge"},
      {{"redFurrow", "trainStation"}, "wrv_farm04_barn"},
      {{"redFurrow", "farmhouse"}, "wrv_farm05_cornfield"},
      {{"versus", "lastWard", "apartments"}, "wrv_vs_hospital01_apartment"},
      {{"versus", "lastWard", "subway"}, "wrv_vs_hospital02_subway"},
      {{"versus", "lastWard", "sewer"}, "wrv_vs_hospital03_sewers"},
      {{"versus", "lastWard", "hospital"}, "wrv_vs_hospital04_interior"},
      {{"versus", "lastWard", "rooftops"}, "wrv_vs_hospital05_rooftop"},
      {{"versus", "redFurrow", "woods"}, "wrv_vs_farm01_hilltop"},
      {{"versus", "redFurrow", "tunnel"}, "wrv_vs_farm02_traintunnel"},
      {{"versus", "redFurrow", "bridge"}, "wrv_vs_farm03_bridge"},
      {{"versus", "redFurrow", "trainStation"}, "wrv_vs_farm04_barn"},
      {{"versus", "redFurrow", "farmhouse"}, "wrv_vs_farm05_cornfield"},
      {{"easy"}, "wrv_hospital01_apartment", "easy "},
      {{"hard"}, "wrv_hospital01_apartment", "hard "},
      {{"impossible"}, "wrv_hospital01_apartment", "impossible  "},
      {{"matthis"}, "wrv_hospital01_apartment", "normal ", "Survivor Matthis"},
      {{"vidar"}, "wrv_hospital01_apartment", "normal ", "Survivor Vidar"},
      {{"wren"}, "wrv_hospital01_apartment", "normal ", "Survivor Wren"},
      {{"versus", "infected"}, "wrv_vs_hospital01_apartment", "normal ", "Infected"},
  };
  for (const auto& c : cases) {
    Restart();
    for (std::string_view id : c.choices) model.ChooseEntry(id);
    EXPECT_EQ(Command(), "\"D/qr7.exe\" -game wreckvale -console -novid +z_difficulty " +
                             std::string(c.difficulty) + "+maxplayers 14 +port 27015 +map " +
                             std::string(c.map) + " +team_desired \"" + std::string(c.team) + "\"")
        << c.choices.back();
  }
}

TEST_F(Launch, OptionsShapeTheStartOfTheParameters) {
  const struct {
    bool customGame, console, skipIntro;
    std::string_view expectedAfterExe;
  } cases[] = {
      {false, true, true, "-console -novid +z_difficulty"},
      {true, false, true, "-game wreckvale -novid +z_difficulty"},
      {true, true, false, "-game wreckvale -console +z_difficulty"},
      {false, false, false, "+z_difficulty"},
  };
  for (const auto& c : cases) {
    const auto yesNo = [](bool on) { return on ? "Yes" : "No"; };
    RestartWith(std::string("CustomGame=") + yesNo(c.customGame) + "\r\nConsole=" +
                yesNo(c.console) + "\r\nSkip Intro=" + yesNo(c.skipIntro) + "\r\n");
    EXPECT_EQ(Command().substr(0, 12 + c.expectedAfterExe.size()),
              "\"D/qr7.exe\" " + std::string(c.expectedAfterExe));
  }
}

// The preview shows each password as the mask; the press starts the real one.
TEST_F(Launch, ServerSelectionTokens) {
  const struct {
    std::vector<std::string_view> choices;
    std::string_view fragment;
    const char* password = "";
    std::string_view previewFragment = "";
  } cases[] = {
      {{"impossible"}, "+z_difficulty impossible  +maxplayers 14 "},
      {{"easy", "slots2", "port27025"}, "+z_difficulty easy +maxplayers 2 +port 27025 "},
      {{"stillWind", "runway"}, "+map wrv_airport05_runway +team"},
      {{"versus"}, "+maxplayers 14 +port 27015 +map wrv_vs_hospital01_apartment +team"},
      {{"versus", "redFurrow", "farmhouse", "infected"},
       "+map wrv_vs_farm05_cornfield +team_desired \"Infected\""},
      {{"vidar"}, "+team_desired \"Survivor Vidar\""},
      {{},
       "+port 27015 +sv_password hunter2secret +map",
       "hunter2secret",
       "+port 27015 +sv_password ******** +map"},
      {{"versus"},
       "+sv_password \"two words\" +map wrv_vs",
       "two words",
       "+sv_password ******** +map wrv_vs"},
  };
  for (const auto& c : cases) {
    Restart();
    for (std::string_view id : c.choices) model.ChooseEntry(id);
    if (*c.password != '\0') model.FinishPasswordDialog(c.password);
    const std::string command = Press().command;
    EXPECT_NE(command.find(c.fragment), std::string::npos) << command;
    if (*c.password == '\0') continue;
    const std::string preview = Preview();
    EXPECT_NE(preview.find(c.previewFragment), std::string::npos) << preview;
    EXPECT_EQ(preview.find(c.password), std::string::npos) << preview;
  }
}

// An add-on chapter's key names its map; empty, it adds none.
TEST_F(Launch, AddonChapterMapComesFromItsKey) {
  const struct {
    const char* mode;
    std::string_view keys;  // in [Campaign_GreyTideRising]
    std::string_view versusAtPress;
    std::string_view token;  // empty: no map token
  } cases[] = {
      {"coop", "", "Yes", ""},
      {"versus", "", "Yes", ""},
      {"coop", "Cannery Market=gtr_market\r\n", "Yes", "+map gtr_market +team"},
      {"versus", "Cannery Market=gtr_market\r\n", "Yes", "+map gtr_market +team"},
      {"versus", "Cannery Market=gtr_market\r\n", "No", ""},
      {"coop", "Cannery Market=maps/grey tide\r\n", "Yes", "+map \"maps/grey tide\" +team"},
      {"coop", "Old Quay=gtr_quay\r\n", "Yes", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.mode) + " " + std::string(c.keys));
    Restart();
    const std::string addon = "[Campaign_GreyTideRising]\r\nVisible=Yes\r\n" + std::string(c.keys);
    WriteSettings(addon + "Versus=Yes\r\n");
    Choose({c.mode, "greyTideRising", "canneryMarket"});
    WriteSettings(addon + "Versus=" + std::string(c.versusAtPress) + "\r\n");
    const std::string command = Command();
    if (c.token.empty()) {
      EXPECT_EQ(command.find("+map"), std::string::npos) << command;
    } else {
      EXPECT_NE(command.find("+port 27015 " + std::string(c.token)), std::string::npos) << command;
    }
  }
}

TEST_F(Launch, CustomMapTokensComeFromTheSettingsAtThePress) {
  WriteSettings(
      "[MAP_Foundry]\r\nVisible=Yes\r\n[MAP_Rockfall]\r\nVisible=Yes\r\n"
      "[CustomMaps]\r\nRockfall=wrv_rockfall_edited\r\n"
      "[CustomMap2]\r\nMap name=Foundry\r\nFile name=cm_foundry\r\n"
      "[CustomMap3]\r\nMap name=Twin\r\nFile name=twin_first\r\n"
      "[CustomMap5]\r\nMap name=Twin\r\nFile name=twin_second\r\n"
      "[CustomMap6]\r\nMap name=Nameless\r\nFile name=x\r\n");
  Choose({"customMaps"});
  EXPECT_NE(Command().find("+map wrv_foundry +team"), std::string::npos)
      << "missing [CustomMaps] key: default id; a custom map of the same name adds nothing";
  Choose({"customMap2"});
  EXPECT_NE(Command().find("+port 27015 +map cm_foundry +team"), std::string::npos)
      << "the custom map named like the extra map gives its own map alone";
  Choose({"rockfall"});
  EXPECT_NE(Command().find("+map wrv_rockfall_edited +team"), std::string::npos);
  Choose({"customMap5"});
  EXPECT_NE(Command().find("+map twin_first +team"), std::string::npos);
  EXPECT_EQ(Command().find("twin_second"), std::string::npos);

  // File name removed after the mode choice: the launch reads it afresh.
  Choose({"customMap6"});
  WriteSettings("[CustomMap6]\r\nMap name=Nameless\r\n");
  EXPECT_NE(Command().find("+map ERROR_READ_FILE_NAME +team"), std::string::npos);
}

TEST_F(Launch, JoinCommand) {
  model.SwitchTab(Tab::JoinGame);
  model.JoinAddressChanged("10.0.0.5:27016");
  EXPECT_EQ(Command(),
            "\"D/qr7.exe\" -game wreckvale -console -novid +connect 10.0.0.5:27016 "
            "+team_desired \"Survivor Arno\"");
  // Blanks and tabs around a pasted address and port are dropped; the
  // preview masks the password.
  model.JoinPasswordChanged("pw");
  model.JoinAddressChanged(" \t10.0.0.5 ");
  model.JoinPortChanged("27016\t ");
  EXPECT_NE(Command().find("-novid +password pw +connect 10.0.0.5:27016 +team"), std::string::npos);
  EXPECT_NE(Preview().find("-novid +password ******** +connect 10.0.0.5:27016 +team"),
            std::string::npos);
  // Control characters drop out of the password.
  model.JoinPasswordChanged("hunter2\nsecret\r");
  EXPECT_NE(Command().find("+password hunter2secret +connect 10.0.0.5:27016 "), std::string::npos);
  EXPECT_EQ(Preview().find("hunter2"), std::string::npos);
  // Nothing starts without a host and a port number; the message names the
  // box to mend. A pasted line with the rest of a script after it stays in
  // sight in the port box, and is no port.
  const struct {
    const char* address;
    const char* message;
  } refused[] = {
      {"", "Enter the server address"},
      {" \t ", "Enter the server address"},
      {":27016", "Enter the server address"},
      {"10.0.0.5:", "Enter the port"},
      {"10.0.0.5: \t", "Enter the port"},
      {"[::1]:", "Enter the port"},
      {"1.2.3.4 27016", "The server address has a blank"},
      {"1.2.3.4:27015\n+exec evil.cfg", "The port must be 1 to 65535"},
      {"1.2.3.4:27015; passwords x", "The port must be 1 to 65535"},
      {"h:0", "The port must be 1 to 65535"},
      {"h:65536", "The port must be 1 to 65535"},
      {"h:012345", "The port must be 1 to 65535"},
      {"h:-1", "The port must be 1 to 65535"},
  };
  for (const auto& r : refused) {
    model.JoinAddressChanged(r.address);
    const LaunchDecision d = Press();
    EXPECT_EQ(d.kind, LaunchDecision::Kind::ShowMessage) << '"' << r.address << '"';
    EXPECT_EQ(d.message, r.message) << '"' << r.address << '"';
    EXPECT_EQ(Preview(), r.message) << '"' << r.address << '"';
  }
  // A v6 address keeps its brackets, as the game takes it.
  model.JoinPasswordChanged("");
  model.JoinAddressChanged("connect [::1]:27019");
  EXPECT_NE(Command().find("-novid +connect [::1]:27019 +team"), std::string::npos);
}

TEST_F(Launch, PlainPasswordStaysAsTyped) {
  model.FinishPasswordDialog("plain");
  EXPECT_NE(Command().find("+port 27015 +sv_password plain +map"), std::string::npos);
}

TEST_F(Launch, ExecutableAndRunPrefix) {
  const std::map<std::string, std::string> onPath = {{"wine", "/usr/bin/wine"},
                                                     {"my wrap", "/opt/my tools/my wrap"},
                                                     {"wine32", "C:\\??\\wine32.exe"}};
  const struct {
    std::string_view applicationLines;
    std::string_view start;  // of the command, or the message
    std::set<std::string> files = {"qr7.exe"};
  } cases[] = {
      {"", "\"D/qr7.exe\" -game", {"qr7.exe", "wreckvale.exe"}},
      {"", "\"D/wreckvale.exe\" -game", {"wreckvale.exe"}},
      {"RunPrefix=wrap.exe\r\nRunPrefixParam=-x\r\n",
       "\"D/wrap.exe\" -x qr7.exe -game",
       {"qr7.exe", "wrap.exe"}},
      {"RunPrefix=wrap.exe\r\n", "\"D/wrap.exe\"  qr7.exe -game", {"qr7.exe", "wrap.exe"}},
      // A quote left open would take the game's name into the wrapper's argument.
      {"RunPrefix=wrap.exe\r\nRunPrefixParam=-x \"a b\r\n",
       "Invalid value in settings file ([Application] RunPrefixParam)",
       {"qr7.exe", "wrap.exe"}},
      {"RunPrefix=wrap.exe\r\nRunPrefixParam=-x \"a b\" c\\\"d\r\n",
       "\"D/wrap.exe\" -x \"a b\" c\\\"d qr7.exe -game",
       {"qr7.exe", "wrap.exe"}},
      {"USEPrefix=No\r\nRunPrefix=wrap.exe\r\nRunPrefixParam=\"\r\n", "\"D/qr7.exe\" -game"},
      {"USEPrefix=\r\nRunPrefix=wrap.exe\r\n", "\"D/qr7.exe\" -game"},
      {"USEPrefix=No\r\nRunPrefix=wrap.exe\r\n", "\"D/qr7.exe\" -game"},
      {"USEPrefix=yes\r\nRunPrefix=\r\n", "\"D/qr7.exe\" -game"},
      // Wrappers of the system: absolute, or found on PATH when the folder lacks them.
      {"RunPrefix=/usr/bin/wine\r\n", "\"/usr/bin/wine\"  qr7.exe -game"},
      {"RunPrefix=wine\r\nRunPrefixParam=\r\n", "\"/usr/bin/wine\"  qr7.exe -game"},
      {"RunPrefix=my wrap\r\nRunPrefixParam=-v\r\n", "\"/opt/my tools/my wrap\" -v qr7.exe -game"},
      {"RunPrefix=wine\r\n", "\"D/wine\"  qr7.exe -game", {"qr7.exe", "wine"}},
      {"RunPrefix=tools/wine\r\n", "\"D/tools/wine\"  qr7.exe -game"},
      {"RunPrefix=wine64\r\n",
       "Can not start the game (D/wine64, wine64 on PATH: No such file or directory)"},
      {"RunPrefix=wine32\r\n",
       "Can not start the game (C:\\??\\wine32.exe: its path has letters the ANSI code page "
       "lacks)"},
  };
  for (const auto& c : cases) {
    WriteSettings("", c.applicationLines);
    const LaunchDecision d = Press(c.files, "D", onPath);
    const std::string& text = d.kind == LaunchDecision::Kind::StartGame ? d.command : d.message;
    EXPECT_EQ(text.substr(0, c.start.size()), c.start) << c.applicationLines;
  }
}

TEST_F(Launch, BareExecutableAfterPrefixIsQuotedWhenItHasBlanks) {
  RestartWith("RunPrefix=wrap.exe\r\nRunPrefixParam=1\r\n", GameExeLines("my game.exe"));
  const std::vector<std::string> argv = SplitCommandText(Command({"my game.exe", "wrap.exe"}));
  ASSERT_GE(argv.size(), 3u);
  EXPECT_EQ(std::vector(argv.begin(), argv.begin() + 3),
            (std::vector<std::string>{"D/wrap.exe", "1", "my game.exe"}));
}

TEST_F(Launch, RunParamSuffixEndsTheCommand) {
  const std::pair<const char*, const char*> cases[] = {
      {"USERunParametres=Yes\r\n", " "},
      {"USEParametres=Yes\r\n", ""},
      {"USEParametres=Yes\r\nRunParametres=-dev +exec x.cfg\r\n", " -dev +exec x.cfg"},
  };
  for (const auto& [lines, suffix] : cases) {
    RestartWith(lines);
    EXPECT_EQ(Command(), std::string(kDefaultCommand) + suffix) << lines;
  }
}

TEST_F(Launch, RefusalsAndExitAfterRun) {
  const struct {
    std::set<std::string> files;
    bool noMap;
    Tab tab;
    std::string message;
  } cases[] = {
      {{}, false, Tab::CreateServer, kNoEngineMessage},
      {{"qr7.exe"}, true, Tab::CreateServer, kNoMapMessage},
      {{"qr7.exe"}, true, Tab::JoinGame, kNoMapMessage},
  };
  for (bool exitAfterRun : {false, true}) {
    for (const auto& c : cases) {
      RestartWith(exitAfterRun ? "ExitAfterRun=Yes\r\n" : "");
      if (c.noMap) Choose({"customMaps"});
      model.SwitchTab(c.tab);
      const LaunchDecision d = Press(c.files);
      EXPECT_EQ(d.kind, LaunchDecision::Kind::ShowMessage);
      EXPECT_EQ(d.message, c.message);
      EXPECT_FALSE(d.closeWindow);
    }
  }
  RestartWith("ExitAfterRun=Yes\r\n");
  EXPECT_TRUE(Press().closeWindow);
}

TEST_F(Launch, MonitoringAndAboutTabsStartNothing) {
  RestartWith("ExitAfterRun=Yes\r\n");
  model.SwitchTab(Tab::Monitoring);
  EXPECT_EQ(Press({}).kind, LaunchDecision::Kind::ReloadMonitoring);
  EXPECT_FALSE(Press({}).closeWindow);
  EXPECT_EQ(Preview({}), "Reload the monitoring page");
  model.SwitchTab(Tab::About);
  EXPECT_EQ(Press({}).kind, LaunchDecision::Kind::OpenForum);
  EXPECT_FALSE(Press({}).closeWindow);
  EXPECT_EQ(Preview({}), "Open the forum in the browser");
}

TEST_F(Launch, StartFailedMessageSaysWhy) {
  LauncherModel russian;
  russian.ChangeLanguage("LOCAL_RU");
  const std::string wayOut =
      "\nSet USEPrefix=Yes, RunPrefix=wine (or another program that runs it) and an empty "
      "RunPrefixParam= in wreckvale_launcher.ini.";
  const bool windows = true;  // the system runs Windows programs itself
  const struct {
    const LauncherModel& model;
    StartFailure failure;
    std::string message;
    bool runsWindowsPrograms = false;
  } cases[] = {
      {model, {"D/qr7.exe"}, "Can not start the game (D/qr7.exe)"},
      {model,
       {"D/qr7.exe", "Permission denied"},
       "Can not start the game (D/qr7.exe: Permission denied)"},
      {model,
       {"D/qr7.exe", "Exec format error", true},
       "Can not start the game (D/qr7.exe: Exec format error)" + wayOut},
      {russian,
       {"D/qr7.exe", "Exec format error", true},
       "Не удалось запустить игру (D/qr7.exe: Exec format error)\nУкажите в "
       "wreckvale_launcher.ini USEPrefix=Yes, RunPrefix=wine (или другую программу запуска) и "
       "пустой RunPrefixParam=."},
      // No wrapper helps where the system runs Windows programs itself.
      {model,
       {"C:\\G\\qr7.exe", "not a valid Win32 application", true},
       "Can not start the game (C:\\G\\qr7.exe: not a valid Win32 application)",
       windows},
      {model,
       {"C:\\G\\qr7.exe", "File not found.", false, true},
       "Can not start the game (C:\\G\\qr7.exe: path longer than 260 characters)",
       windows},
      {russian,
       {"C:\\G\\qr7.exe", "File not found.", false, true},
       "Не удалось запустить игру (C:\\G\\qr7.exe: путь длиннее 260 символов)",
       windows},
  };
  for (const auto& c : cases) {
    LaunchEnvironment env;
    env.runsWindowsPrograms = c.runsWindowsPrograms;
    EXPECT_EQ(StartFailedMessage(c.model, c.failure, env), c.message);
  }
}

}  // namespace
}  // namespace wv::test
