// Random menu choices, tab switches, password answers and settings edits over
// a random settings file, from start-up on. After every step: one check mark
// per group, the shown text is that entry's caption, and the action button's
// decision is one it can carry out.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "core/command_text.h"
#include "core/launch.h"
#include "core/settings_file.h"
#include "core/startup.h"
#include "core/whole_file.h"
#include "fuzz/check.h"
#include "fuzz/choosable_ids.h"
#include "fuzz/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using Kind = wv::LaunchDecision::Kind;

// The version start-up is given; files naming it are current.
#define WV_FUZZ_VERSION "1.9.0.3"

// Keys the rules read, so that random files often switch something on.
constexpr const char* kLines[] = {
    "[Application]",
    ("Version=" WV_FUZZ_VERSION),
    "USEPrefix=Yes",
    "RunPrefix=wr ap",
    "RunPrefix=w\"r",
    "RunPrefixParam=-x",
    "[MAP_Foundry]",
    "[MAP_Rockfall]",
    "[MAP_TownSquare]",
    "[CustomMap1]",
    "[CustomMap16]",
    "[CustomMaps]",
    "Visible=Yes",
    "Versus=Yes",
    "Map name=Quarry",
    "File name=q \"1\"",
    "Map name=-",
    "Foundry=wrv_edit",
    "[Campaign_GreyTideRising]",
    // Markup and control characters, in every text a file can give.
    "File name=<img src=/dev/zero>",
    "Map name=<a href=file:///etc>x</a>",
    "Map name=<h1><font color=red>\x1b[1m\x7f",
    "USEParametres=Yes",
    "RunParametres=+exec <img src=FIFO>\t+quit",
    "RunPrefixParam=-x \"open",
    "RunPrefixParam=<a href=x>\x01",
    "Language=**",
    "[Language_Custom]",
    "EnterAddress=<img src=/dev/zero>",
    "NoMap=<a href=file:///etc>x</a>",
};

std::string SettingsText(FuzzedDataProvider& input) {
  std::string text;
  const auto lines = input.ConsumeIntegralInRange<int>(0, 40);
  for (int i = 0; i < lines; ++i) {
    if (input.ConsumeBool()) {
      text += kLines[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kLines) - 1)];
    } else {
      text += input.ConsumeRandomLengthString(64);
    }
    text += "\r\n";
  }
  return text;
}

void CheckGroups(const wv::LauncherModel& model) {
  for (wv::Group group : {wv::Group::Mode, wv::Group::Difficulty, wv::Group::Slots, wv::Group::Port,
                          wv::Group::Character}) {
    const wv::MenuEntry* checked = nullptr;
    int count = 0;
    const std::vector<wv::Menu> menus = model.Menus();
    for (const wv::Menu& menu : menus) {
      for (const wv::MenuEntry& e : menu.entries) {
        if (e.group != group || !e.checked) continue;
        ++count;
        checked = &e;
      }
    }
    WV_FUZZ_CHECK(count == 1);
    WV_FUZZ_CHECK(model.ChoiceText(group) == checked->caption);
  }
}

void CheckDecision(const wv::LauncherModel& model, const wv::LaunchEnvironment& env) {
  const wv::LaunchDecision d = wv::DecideLaunch(model, env);
  switch (model.ActionMode()) {
    case wv::ActionMode::CreateServer:
    case wv::ActionMode::JoinGame:
      WV_FUZZ_CHECK(d.kind == Kind::StartGame || d.kind == Kind::ShowMessage);
      WV_FUZZ_CHECK(d.closeWindow == model.GetOptions().exitAfterRun);
      break;
    case wv::ActionMode::RefreshMonitoring:
      WV_FUZZ_CHECK(d.kind == Kind::ReloadMonitoring);
      break;
    case wv::ActionMode::OpenForum:
      WV_FUZZ_CHECK(d.kind == Kind::OpenForum);
      break;
    case wv::ActionMode::None:
      WV_FUZZ_CHECK(false);
  }
  if (d.kind == Kind::ShowMessage) WV_FUZZ_CHECK(!d.message.empty());
  if (d.kind != Kind::StartGame) return;
  const std::vector<std::string> argv = wv::SplitCommandText(d.command);
  WV_FUZZ_CHECK(!argv.empty());
  // The program is the one named: in the game folder, or relative to it.
  const std::string& program = argv.front();
  WV_FUZZ_CHECK(program.starts_with(env.currentFolder + "/") || program.starts_with("./"));
  if (model.ActionMode() == wv::ActionMode::CreateServer && !model.ServerPassword().empty()) {
    std::size_t at = 1;
    while (at < argv.size() &&
           !(argv[at - 1] == "+sv_password" && argv[at] == model.ServerPassword()))
      ++at;
    WV_FUZZ_CHECK(at < argv.size());
    // The preview is the command with the password masked.
    std::vector<std::string> masked = argv;
    masked[at] = wv::kPasswordMask;
    WV_FUZZ_CHECK(wv::SplitCommandText(wv::LaunchPreview(model, env)) == masked);
  }
}

// What the player typed never holds a control character.
void CheckTyped(const wv::LauncherModel& model) {
  for (const std::string* text :
       {&model.ServerPassword(), &model.JoinAddress(), &model.JoinPort(), &model.JoinPassword()}) {
    WV_FUZZ_CHECK(std::none_of(text->begin(), text->end(), [](char c) {
      return static_cast<unsigned char>(c) < 0x20 || c == '\x7F';
    }));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::string> ids = wv::fuzz::ChoosableIds();
  const fs::path& dir = wv::fuzz::ScratchFolder();
  const fs::path ini = dir / wv::kSettingsFileName;
  std::error_code ec;
  fs::remove(dir / wv::kSettingsBackupName, ec);
  fs::remove(dir / wv::kEngineExe, ec);

  FuzzedDataProvider input(data, size);
  if (input.ConsumeBool()) wv::WriteWholeFile(dir / wv::kEngineExe, "");
  wv::WriteWholeFile(ini, SettingsText(input));
  std::string folder = "/g" + input.ConsumeRandomLengthString(16);
  std::replace(folder.begin(), folder.end(), '\0', '_');

  wv::LauncherModel model;
  model.Start(dir, dir, WV_FUZZ_VERSION, [](const std::string&) {});
  const wv::LaunchEnvironment env{
      folder, [&dir](std::string_view name) { return wv::FileExistsIn(dir, name); }};
  CheckGroups(model);
  CheckDecision(model, env);

  while (input.remaining_bytes() > 0) {
    switch (input.ConsumeIntegralInRange<int>(0, 9)) {
      case 0:
        model.SwitchTab(static_cast<wv::Tab>(input.ConsumeIntegralInRange<int>(0, 4)));
        break;
      case 1:
        if (input.ConsumeBool()) {
          model.FinishPasswordDialog(input.ConsumeRandomLengthString(64));
        } else {
          model.FinishPasswordDialog(std::nullopt);
        }
        break;
      case 2:
        wv::WriteWholeFile(ini, SettingsText(input));
        break;
      case 3:
        model.JoinAddressChanged(input.ConsumeRandomLengthString(64));
        model.JoinPasswordChanged(input.ConsumeRandomLengthString(32));
        break;
      default:
        model.ChooseEntry(ids[input.ConsumeIntegralInRange<std::size_t>(0, ids.size() - 1)]);
        break;
    }
    CheckGroups(model);
    CheckDecision(model, env);
    CheckTyped(model);
  }
  return 0;
}
