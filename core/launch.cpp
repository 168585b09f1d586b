#include "core/launch.h"

#include <optional>

#include "core/command_text.h"

namespace wv {

namespace {

constexpr std::string_view kApp = section::kApplication;

void AppendMapToken(std::string& params, std::string_view mapId) {
  params += "+map ";
  params += QuoteArgument(mapId);
  params += ' ';
}

void AppendServerTokens(const LauncherModel& model, std::string& params) {
  for (const TokenRow& row : kDifficultyTokens) {
    if (model.Shows("Label3", row.entry)) params += row.token;
  }
  params += "+maxplayers " + model.Text("Label5") + " ";
  params += "+port " + model.Text("Label6") + " ";
  if (!model.serverPassword.empty()) {
    params += "+sv_password " + QuoteArgument(model.serverPassword) + " ";
  }

  const SettingsReader& settings = model.Settings();
  const std::string& chapter = model.Text("Label4");
  if (model.Shows("Label1", "N1")) {
    for (const MapRow& row : kCoopMaps) {
      if (model.Shows("Label4", row.entry)) AppendMapToken(params, row.mapId);
    }
  }
  if (model.Shows("Label1", "N2")) {
    for (const MapRow& row : kVersusMaps) {
      if (model.Shows("Label4", row.entry)) AppendMapToken(params, row.mapId);
    }
  }
  if (model.Shows("Label1", "N46")) {
    for (const ExtraMap& map : kExtraMaps) {
      if (!model.Shows("Label4", map.entry)) continue;
      AppendMapToken(params, settings.ReadText(section::kCustomMaps, chapter, map.defaultId));
    }
    // Two custom maps of one name: the lower-numbered one gives the map.
    for (int n = 1; n <= kCustomMapCount; ++n) {
      const std::string section = CustomMapSection(n);
      if (settings.ReadText(section, "Map name", "") != chapter) continue;
      AppendMapToken(params, settings.ReadText(section, "File name", "ERROR_READ_FILE_NAME"));
      break;
    }
  }
}

// The program as the first word of the command: quoted, since the folder may
// hold blanks. That word knows no escape, so a name with a double quote (only
// POSIX names have one) goes bare when it has no blank, else relative to the
// folder, where the game starts anyway. nullopt: no form can carry it.
std::optional<std::string> ProgramWord(const LaunchEnvironment& env, std::string_view name) {
  const std::string here{'.', env.separator};
  for (const std::string& path :
       {env.currentFolder + env.separator + std::string(name), here + std::string(name)}) {
    if (path.find('"') == std::string::npos) return "\"" + path + "\"";
    if (path.find_first_of(" \t") == std::string::npos) return path;
  }
  return std::nullopt;
}

void AppendJoinTokens(const LauncherModel& model, std::string& params) {
  if (!model.JoinPassword().empty()) {
    params += "+password " + QuoteArgument(model.JoinPassword()) + " ";
  }
  params += "+connect " + QuoteArgument(model.JoinAddress() + ":" + model.JoinPort()) + " ";
}

}  // namespace

LaunchDecision DecideLaunch(const LauncherModel& model, const LaunchEnvironment& env) {
  LaunchDecision decision;
  const int mode = model.ActionMode();
  if (mode == 3) {
    decision.kind = LaunchDecision::Kind::ReloadMonitoring;
    return decision;
  }
  if (mode == 4) {
    decision.kind = LaunchDecision::Kind::OpenForum;
    return decision;
  }
  if (mode != 1 && mode != 2) return decision;
  const SettingsReader::ActionScope action(model.Settings());

  const Options& o = model.options;
  std::string params = o.customGame ? "-game wreckvale " : "";
  if (o.console) params += "-console ";
  if (o.skipIntro) params += "-novid ";
  if (mode == 1) {
    AppendServerTokens(model, params);
  } else {
    AppendJoinTokens(model, params);
  }
  for (const TokenRow& row : kTeamTokens) {
    if (model.Shows("RzToolButton1", row.entry)) params += row.token;
  }

  decision.closeWindow = o.exitAfterRun;
  const bool engine = env.fileExists(kEngineExe);
  if (!engine && !env.fileExists(model.gameExeName)) {
    decision.kind = LaunchDecision::Kind::ShowMessage;
    decision.message = model.Strings().Join(Str::LaunchWrongFolder1, Str::LaunchWrongFolder2,
                                            Str::LaunchWrongFolder3) +
                       model.gameExeName;
    return decision;
  }
  if (model.Text("Label4") == kNoChoice) {
    decision.kind = LaunchDecision::Kind::ShowMessage;
    decision.message = model.Str(Str::NoMap);
    return decision;
  }

  const std::string exe = engine ? std::string(kEngineExe) : model.gameExeName;
  const SettingsReader& settings = model.Settings();
  std::string prefix;
  if (settings.ReadYesNo(kApp, "USEPrefix", "Yes"))
    prefix = settings.ReadText(kApp, "RunPrefix", "");
  const std::string& program = prefix.empty() ? exe : prefix;
  const auto word = ProgramWord(env, program);
  if (!word) {
    decision.kind = LaunchDecision::Kind::ShowMessage;
    decision.message = StartFailedMessage(model, env.currentFolder + env.separator + program);
    return decision;
  }
  std::string command = *word + " ";
  if (!prefix.empty()) {
    command += settings.ReadText(kApp, "RunPrefixParam", "") + " " + QuoteArgument(exe) + " ";
  }
  decision.kind = LaunchDecision::Kind::StartGame;
  decision.command = command + params + model.runParamSuffix;
  return decision;
}

std::string StartFailedMessage(const LauncherModel& model, std::string_view program) {
  return model.Str(Str::CannotStart) + " (" + std::string(program) + ")";
}

}  // namespace wv
