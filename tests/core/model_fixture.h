#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/command_text.h"
#include "core/launch.h"
#include "core/launcher_model.h"
#include "core/startup.h"
#include "core/view_state.h"
#include "tests/support/launcher_files.h"

namespace wv::test {

inline constexpr char kNoEngineMessage[] =
    "You must run this launcher from folder with qr7.exe or wreckvale.exe";
// Custom-maps mode with no map enabled.
inline constexpr char kNoMapMessage[] =
    "Choose map! Fill in Map name and File name of a [CustomMap1] to [CustomMap16] section in "
    "wreckvale_launcher.ini, then choose the custom-maps mode again.";

// One start of the launcher: the messages it showed, in order, what it
// decided and the model it filled.
struct Started {
  LauncherModel model;
  std::vector<std::string> messages;
  StartupResult result;
};

// What the control shows, as the view state has it.
inline std::string ShownText(const LauncherModel& model, Control control) {
  ViewState view;
  ShowModel(model, view);
  return view[control].text.value_or("");
}

inline Started Start(const std::filesystem::path& exeDir, const std::filesystem::path& workDir) {
  Started s;
  s.result = s.model.Start(exeDir, workDir, kVersion,
                           [&s](const std::string& text) { s.messages.push_back(text); });
  return s;
}
inline Started Start(const TempFolder& dir) {
  return Start(dir.Path(), dir.Path());
}

// A launcher started in a fresh game folder; the settings file is the
// template until a test writes its own.
class ModelTest : public ::testing::Test {
 protected:
  void SetUp() override { Restart(); }

  // A second start in the same folder, for cases that need a fresh model.
  void Restart() { model = Start(dir).model; }
  // A start with these settings: what start-up reads comes from the file alone.
  void RestartWith(std::string_view applicationLines, std::string_view sections = "") {
    WriteSettings(sections, applicationLines);
    Restart();
  }
  // Lines that name the game's executable.
  static std::string GameExeLines(std::string_view exe) {
    return "[Tavrin]\r\nCommandFile=" + std::string(exe) + "\r\n";
  }

  // Replaces the settings file with one of the current version.
  void WriteSettings(std::string_view sections, std::string_view applicationLines = "") const {
    dir.Write(kIni, CurrentSettings(applicationLines, sections));
  }

  void Choose(std::initializer_list<std::string_view> ids) {
    for (std::string_view id : ids) model.ChooseEntry(id);
  }

  // The command as the preview shows it: the password the page's command
  // carries as kPasswordMask.
  std::string Masked(std::string command) const {
    const bool server = model.ActionMode() == ActionMode::CreateServer;
    const std::string& password = server ? model.ServerPassword() : model.JoinPassword();
    if (password.empty()) return command;
    const std::string token = server ? " +sv_password " : " +password ";
    const std::string carried = token + QuoteArgument(password) + " ";
    const std::size_t at = command.find(carried);
    if (at == std::string::npos) return "<no " + token + "in " + command + ">";
    return command.replace(at, carried.size(), token + std::string(kPasswordMask) + " ");
  }

  // A press of the action button in `folder`, where only `files` exist, and
  // the system's search finds only the programs of `onPath` (a path with '?'
  // one the command line's code page cannot spell). The preview
  // taken just before it must name exactly what the press does, passwords
  // masked.
  LaunchDecision Press(std::set<std::string> files = {"qr7.exe"}, std::string folder = "D",
                       std::map<std::string, std::string> onPath = {}) const {
    const LaunchEnvironment env =
        Environment(std::move(files), std::move(folder), std::move(onPath));
    const std::string preview = LaunchPreview(model, env);
    LaunchDecision d = DecideLaunch(model, env);
    const bool starts = d.kind == LaunchDecision::Kind::StartGame;
    if (starts || d.kind == LaunchDecision::Kind::ShowMessage) {
      EXPECT_EQ(preview, starts ? Masked(d.command) : d.message);
    }
    return d;
  }
  std::string Preview(std::set<std::string> files = {"qr7.exe"}) const {
    return LaunchPreview(model, Environment(std::move(files), "D", {}));
  }
  static LaunchEnvironment Environment(std::set<std::string> files, std::string folder,
                                       std::map<std::string, std::string> onPath) {
    LaunchEnvironment env{std::move(folder), [files = std::move(files)](std::string_view name) {
                            return files.count(std::string(name)) > 0;
                          }};
    env.findOnPath = [onPath = std::move(onPath)](std::string_view name) {
      const auto it = onPath.find(std::string(name));
      if (it == onPath.end()) return std::optional<FoundProgram>();
      return std::optional<FoundProgram>({it->second, it->second.find('?') == std::string::npos});
    };
    return env;
  }
  std::string Command(std::set<std::string> files = {"qr7.exe"}) const {
    LaunchDecision d = Press(std::move(files));
    EXPECT_EQ(d.kind, LaunchDecision::Kind::StartGame) << d.message;
    return d.command;
  }

  std::string Caption(std::string_view id) const { return model.Entry(id).caption; }
  bool Visible(std::string_view id) const { return model.Entry(id).visible; }
  bool Checked(std::string_view id) const { return model.Entry(id).checked; }
  std::string Shown(Control control) const { return ShownText(model, control); }

  EngineFolder dir;
  LauncherModel model;
};

}  // namespace wv::test
