#include "core/launch.h"

#include <set>
#include <string>
#include <vector>

#include "core/command_text.h"
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
    model.options.customGame = c.customGame;
    model.options.console = c.console;
    model.options.skipIntro = c.skipIntro;
    EXPECT_EQ(Command().substr(0, 12 + c.expectedAfterExe.size()),
              "\"D/qr7.exe\" " + std::string(c.expectedAfterExe));
  }
}

TEST_F(Launch, ServerSelectionTokens) {
  const struct {
    std::vector<std::string_view> choices;
    std::string_view fragment;
  } cases[] = {
      {{"N35"}, "+z_difficulty impossible  +maxplayers 14 "},
      {{"N32", "N28", "N270251"}, "+z_difficulty easy +maxplayers 2 +port 27025 "},
      {{"N3", "N21"}, "+map wrv_airport05_runway +team"},
      {{"N2"}, "+maxplayers 14 +port 27015 +map wrv_vs_hospital01_apartment +team"},
      {{"N2", "N4", "N27", "N43"}, "+map wrv_vs_farm05_cornfield +team_desired \"Infected\""},
      {{"N39"}, "+team_desired \"Survivor Vidar\""},
  };
  for (const auto& c : cases) {
    Restart();
    for (std::string_view id : c.choices) model.ChooseEntry(id);
    const std::string command = Press().command;
    EXPECT_NE(command.find(c.fragment), std::string::npos) << command;
  }
}

TEST_F(Launch, AddonChapterAddsNoMapToken) {
  WriteSettings("[Campaign_GreyTideRising]\r\nVisible=Yes\r\nVersus=Yes\r\n");
  for (const char* mode : {"N1", "N2"}) {
    Choose({mode, "GreyTideRising2", "CanneryMarket"});
    EXPECT_EQ(Command().find("+map"), std::string::npos) << mode;
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
  Choose({"N46"});
  EXPECT_NE(Command().find("+map wrv_foundry +team"), std::string::npos)
      << "missing [CustomMaps] key: default id; a custom map of the same name adds nothing";
  Choose({"custommap2"});
  EXPECT_NE(Command().find("+port 27015 +map cm_foundry +team"), std::string::npos)
      << "the custom map named like the extra map gives its own map alone";
  Choose({"Rockfall"});
  EXPECT_NE(Command().find("+map wrv_rockfall_edited +team"), std::string::npos);
  Choose({"custommap5"});
  EXPECT_NE(Command().find("+map twin_first +team"), std::string::npos);
  EXPECT_EQ(Command().find("twin_second"), std::string::npos);

  // File name removed after the mode choice: the launch reads it afresh.
  Choose({"custommap6"});
  WriteSettings("[CustomMap6]\r\nMap name=Nameless\r\n");
  EXPECT_NE(Command().find("+map ERROR_READ_FILE_NAME +team"), std::string::npos);
}

TEST_F(Launch, JoinCommand) {
  model.SwitchTab(Tab::JoinGame);
  model.JoinAddressChanged("10.0.0.5:27016");
  EXPECT_EQ(Command(),
            "\"D/qr7.exe\" -game wreckvale -console -novid +connect 10.0.0.5:27016 "
            "+team_desired \"Survivor Arno\"");
  model.SetJoinPassword("pw");
  model.JoinAddressChanged("");
  EXPECT_NE(Command().find("-novid +password pw +connect :27016 +team"), std::string::npos);
}

TEST_F(Launch, PlainPasswordStaysAsTyped) {
  model.FinishPasswordDialog("plain");
  EXPECT_NE(Command().find("+port 27015 +sv_password plain +map"), std::string::npos);
}

TEST_F(Launch, ExecutableAndRunPrefix) {
  const struct {
    std::string_view applicationLines;
    std::set<std::string> files;
    std::string_view start;
  } cases[] = {
      {"", {"qr7.exe", "wreckvale.exe"}, "\"D/qr7.exe\" -game"},
      {"", {"wreckvale.exe"}, "\"D/wreckvale.exe\" -game"},
      {"RunPrefix=wrap.exe\r\nRunPrefixParam=-x\r\n",
       {"qr7.exe"},
       "\"D/wrap.exe\" -x qr7.exe -game"},
      {"RunPrefix=wrap.exe\r\n", {"qr7.exe"}, "\"D/wrap.exe\"  qr7.exe -game"},
      {"USEPrefix=\r\nRunPrefix=wrap.exe\r\n", {"qr7.exe"}, "\"D/qr7.exe\" -game"},
      {"USEPrefix=No\r\nRunPrefix=wrap.exe\r\n", {"qr7.exe"}, "\"D/qr7.exe\" -game"},
      {"USEPrefix=yes\r\nRunPrefix=\r\n", {"qr7.exe"}, "\"D/qr7.exe\" -game"},
  };
  for (const auto& c : cases) {
    WriteSettings("", c.applicationLines);
    EXPECT_EQ(Command(c.files).substr(0, c.start.size()), c.start) << c.applicationLines;
  }
}

TEST_F(Launch, BareExecutableAfterPrefixIsQuotedWhenItHasBlanks) {
  WriteSettings("", "RunPrefix=wrap.exe\r\nRunPrefixParam=1\r\n");
  model.gameExeName = "my game.exe";
  const std::vector<std::string> argv = SplitCommandText(Command({"my game.exe"}));
  ASSERT_GE(argv.size(), 3u);
  EXPECT_EQ(std::vector(argv.begin(), argv.begin() + 3),
            (std::vector<std::string>{"D/wrap.exe", "1", "my game.exe"}));
}

TEST_F(Launch, RunParamSuffixEndsTheCommand) {
  model.runParamSuffix = " ";
  EXPECT_EQ(Command(), std::string(kDefaultCommand) + " ");
  model.runParamSuffix = " -dev +exec x.cfg";
  EXPECT_EQ(Command(), std::string(kDefaultCommand) + " -dev +exec x.cfg");
}

TEST_F(Launch, RefusalsAndExitAfterRun) {
  const struct {
    std::set<std::string> files;
    bool noMap;
    Tab tab;
    std::string message;
  } cases[] = {
      {{}, false, Tab::CreateServer, kNoEngineMessage},
      {{"qr7.exe"}, true, Tab::CreateServer, "Choose map!"},
      {{"qr7.exe"}, true, Tab::JoinGame, "Choose map!"},
  };
  for (bool exitAfterRun : {false, true}) {
    for (const auto& c : cases) {
      Restart();
      model.options.exitAfterRun = exitAfterRun;
      if (c.noMap) Choose({"N46"});
      model.SwitchTab(c.tab);
      const LaunchDecision d = Press(c.files);
      EXPECT_EQ(d.kind, LaunchDecision::Kind::ShowMessage);
      EXPECT_EQ(d.message, c.message);
      EXPECT_EQ(d.closeWindow, exitAfterRun);
    }
  }
  Restart();
  model.options.exitAfterRun = true;
  EXPECT_TRUE(Press().closeWindow);
}

TEST_F(Launch, MonitoringAndAboutTabsStartNothing) {
  model.options.exitAfterRun = true;
  model.SwitchTab(Tab::Monitoring);
  EXPECT_EQ(Press({}).kind, LaunchDecision::Kind::ReloadMonitoring);
  EXPECT_FALSE(Press({}).closeWindow);
  EXPECT_EQ(Preview({}), "Reload the monitoring page");
  model.SwitchTab(Tab::About);
  EXPECT_EQ(Press({}).kind, LaunchDecision::Kind::OpenForum);
  EXPECT_FALSE(Press({}).closeWindow);
  EXPECT_EQ(Preview({}), "Open the forum in the browser");
}

TEST_F(Launch, StartFailedMessageNamesTheProgram) {
  EXPECT_EQ(StartFailedMessage(model, "D/qr7.exe"), "Can not start the game (D/qr7.exe)");
}

}  // namespace
}  // namespace wv::test
