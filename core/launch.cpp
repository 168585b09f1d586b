#include "core/launch.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

#include "core/command_text.h"
#include "core/join_address.h"
#include "core/settings_keys.h"
#include "core/text.h"

namespace wv {

namespace {

// Settings values reach the game byte for byte. One holding a NUL byte would
// be cut short on the way, so the press names it rather than start the game
// with another value.
class CommandSettings {
 public:
  explicit CommandSettings(const SettingsReader& reader) : reader_(reader) {}

  std::string Read(const Key<std::string>& key) { return Checked(wv::Read(reader_, key), key); }
  bool Read(const Key<bool>& key) const { return wv::Read(reader_, key); }
  std::string Checked(std::string value, const Key<std::string>& key) {
    if (value.find('\0') != std::string::npos) Refuse(key);
    return value;
  }
  // Arguments followed by more of the command: a quote they leave open would
  // take what follows (the game's own name) into their last argument.
  std::string ReadArguments(const Key<std::string>& key) {
    std::string value = Read(key);
    if (LeavesQuoteOpen(value)) Refuse(key);
    return value;
  }
  // "[section] key" of the first value that cannot reach the game.
  const std::string& Bad() const { return bad_; }

 private:
  void Refuse(const Key<std::string>& key) {
    if (!bad_.empty()) return;
    bad_ = "[" + std::string(key.section) + "] " + std::string(key.name);
  }

  const SettingsReader& reader_;
  std::string bad_;
};

void AppendMapToken(std::string& params, std::string_view mapId) {
  params += "+map ";
  params += QuoteArgument(mapId);
  params += ' ';
}

// Exactly one token, for the entry the player chose: an extra map by its
// entry, a custom map by its name, the lower-numbered of two of one name
// giving the map.
void AppendCustomModeMap(const LauncherModel& model, CommandSettings& settings,
                         std::string& params) {
  const std::string chapter = model.ChoiceText(Group::Chapter);
  for (const ExtraMap& map : kExtraMaps) {
    if (!model.Shows(Group::Chapter, map.entry)) continue;
    // Its key in [CustomMaps] is the caption the player sees.
    AppendMapToken(params, settings.Read(key::ExtraMapId(chapter, map.defaultId)));
    return;
  }
  for (const CustomMapSection& section : kCustomMapSections) {
    if (settings.Read(key::kMapName.In(section)) != chapter) continue;
    AppendMapToken(params, settings.Read(key::kFileName.In(section)));
    return;
  }
}

// An add-on chapter plays the map the add-on's section names, when it names
// one; in versus only while the add-on plays versus.
void AppendAddonMap(const LauncherModel& model, CommandSettings& settings, std::string& params) {
  if (!model.Shows(Group::Campaign, entry::kAddonCampaign)) return;
  if (model.Shows(Group::Mode, entry::kVersus) &&
      !settings.Read(key::kVersus.In(section::kAddon))) {
    return;
  }
  for (const AddonChapter& chapter : kAddonChapters) {
    if (!model.Shows(Group::Chapter, chapter.entry)) continue;
    const std::string mapId = settings.Read(key::AddonChapterMap(chapter.mapKey));
    if (!mapId.empty()) AppendMapToken(params, mapId);
  }
}

// The row of the group's choice, while the box shows one.
const CatalogueEntry* ShownRow(const LauncherModel& model, Group group) {
  const std::optional<std::string_view> id = model.Shown(group);
  return id ? &CatalogueAt(CataloguePlace(*id).value()) : nullptr;
}

// A built-in chapter's engine map in the mode; none where the mode has none.
void AppendChapterMap(const LauncherModel& model, bool versus, std::string& params) {
  const CatalogueEntry* chapter = ShownRow(model, Group::Chapter);
  if (chapter == nullptr) return;
  const std::string_view mapId = versus ? chapter->versusMap : chapter->coopMap;
  if (!mapId.empty()) AppendMapToken(params, mapId);
}

// A password as the command carries it, or the preview's mask.
std::string PasswordArgument(const std::string& password, bool masked) {
  return masked ? std::string(kPasswordMask) : QuoteArgument(password);
}

void AppendServerTokens(const LauncherModel& model, CommandSettings& settings, bool masked,
                        std::string& params) {
  if (const CatalogueEntry* difficulty = ShownRow(model, Group::Difficulty)) {
    params += difficulty->token;
  }
  params += "+maxplayers " + model.ChoiceText(Group::Slots) + " ";
  params += "+port " + model.ChoiceText(Group::Port) + " ";
  if (!model.ServerPassword().empty()) {
    params += "+sv_password " + PasswordArgument(model.ServerPassword(), masked) + " ";
  }

  if (model.Shows(Group::Mode, entry::kCoop)) AppendChapterMap(model, false, params);
  if (model.Shows(Group::Mode, entry::kVersus)) AppendChapterMap(model, true, params);
  if (model.Shows(Group::Mode, entry::kCustomMaps)) AppendCustomModeMap(model, settings, params);
  AppendAddonMap(model, settings, params);
}

bool IsAbsolute(std::string_view name, char separator) {
  if (separator == '/') return name.starts_with('/');
  return name.starts_with("\\\\") ||
         (name.size() > 2 && name[1] == ':' && (name[2] == '\\' || name[2] == '/'));
}

bool HasSeparator(std::string_view name, char separator) {
  return name.find(separator) != std::string_view::npos || name.find('/') != std::string_view::npos;
}

// A name in the game folder, the folder's path first: the game starts there
// anyway, so the relative form is the fallback.
std::vector<std::string> InGameFolder(const LaunchEnvironment& env, std::string_view name) {
  std::string relative = std::string{'.', env.separator} + std::string(name);
  if (!env.folderSpelled) return {std::move(relative)};
  return {env.currentFolder + env.separator + std::string(name), std::move(relative)};
}

// Where a run prefix is: as it stands when absolute; in the game folder when
// it names a path there or a file the folder holds; else where the system's
// search finds it, `spelled` false when the command line cannot name that
// place. nullopt when nowhere.
std::optional<std::vector<std::string>> PrefixPaths(const LaunchEnvironment& env,
                                                    std::string_view prefix, bool& spelled) {
  if (IsAbsolute(prefix, env.separator)) return std::vector{std::string(prefix)};
  if (HasSeparator(prefix, env.separator) || env.fileExists(prefix)) {
    return InGameFolder(env, prefix);
  }
  if (env.findOnPath) {
    if (auto found = env.findOnPath(prefix)) {
      spelled = found->spelled;
      return std::vector{std::move(found->path)};
    }
  }
  return std::nullopt;
}

// The program as the first word of the command: quoted, since the folder may
// hold blanks. That word knows no escape, so a path with a double quote (only
// POSIX names have one) goes bare when it has no blank. nullopt: no path of
// the list can be carried.
std::optional<std::string> ProgramWord(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (path.find('"') == std::string::npos) return "\"" + path + "\"";
    if (path.find_first_of(" \t") == std::string::npos) return path;
  }
  return std::nullopt;
}

// Blanks around the address and the port come from pasting, never from the
// server's name.
void AppendJoinTokens(const LauncherModel& model, bool masked, std::string& params) {
  if (!model.JoinPassword().empty()) {
    params += "+password " + PasswordArgument(model.JoinPassword(), masked) + " ";
  }
  const std::string address = std::string(TrimBlanks(model.JoinAddress())) + ":" +
                              std::string(TrimBlanks(model.JoinPort()));
  params += "+connect " + QuoteArgument(address) + " ";
}

LaunchDecision Decide(const LauncherModel& model, const LaunchEnvironment& env, bool masked) {
  LaunchDecision decision;
  const ActionMode mode = model.ActionMode();
  if (mode == ActionMode::RefreshMonitoring) {
    decision.kind = LaunchDecision::Kind::ReloadMonitoring;
    return decision;
  }
  if (mode == ActionMode::OpenForum) {
    decision.kind = LaunchDecision::Kind::OpenForum;
    return decision;
  }
  if (mode != ActionMode::CreateServer && mode != ActionMode::JoinGame) return decision;
  const SettingsReader::ActionScope action(model.Settings());
  CommandSettings settings(model.Settings());
  const Options& o = model.GetOptions();
  const auto refuse = [&decision](std::string message) {
    decision.kind = LaunchDecision::Kind::ShowMessage;
    decision.message = std::move(message);
    return decision;
  };
  if (!env.folderProblem.empty()) {
    return refuse(StartFailedMessage(model, {std::string(kEngineExe), env.folderProblem}, env));
  }

  std::string params = o.customGame ? "-game wreckvale " : "";
  if (o.console) params += "-console ";
  if (o.skipIntro) params += "-novid ";
  if (mode == ActionMode::CreateServer) {
    AppendServerTokens(model, settings, masked, params);
  } else {
    AppendJoinTokens(model, masked, params);
  }
  if (const CatalogueEntry* character = ShownRow(model, Group::Character)) {
    params += character->token;
  }

  const bool engine = env.fileExists(kEngineExe);
  if (!engine && !env.fileExists(model.GameExeName())) {
    return refuse(model.Strings().Join(Str::LaunchWrongFolder1, Str::LaunchWrongFolder2,
                                       Str::LaunchWrongFolder3) +
                  model.GameExeName());
  }
  if (!model.Shown(Group::Chapter)) {
    std::string message = model.Str(Str::NoMap);
    // Custom maps are read at the choice of their mode: the player learns
    // what to fill in and when it counts.
    if (model.Shows(Group::Mode, entry::kCustomMaps)) {
      message += " " + model.Strings().Join(Str::CustomMapsHint1, Str::CustomMapsHint2,
                                            Str::CustomMapsHint3, Str::CustomMapsHint4,
                                            Str::CustomMapsHint5);
    }
    return refuse(message);
  }
  // "+connect host:" or a port with more text after it would reach the game;
  // the player is told which box to mend instead.
  if (mode == ActionMode::JoinGame) {
    switch (CheckJoinTarget(model.JoinAddress(), model.JoinPort())) {
      case JoinProblem::None:
        break;
      case JoinProblem::NoAddress:
        return refuse(model.Str(Str::EnterAddress));
      case JoinProblem::BlankInAddress:
        return refuse(model.Str(Str::BlankInAddress));
      case JoinProblem::NoPort:
        return refuse(model.Str(Str::EnterPort));
      case JoinProblem::BadPort:
        return refuse(model.Str(Str::BadPort));
    }
  }

  const std::string exe =
      engine ? std::string(kEngineExe) : settings.Checked(model.GameExeName(), key::kCommandFile);
  settings.Checked(model.RunParamSuffix(), key::kRunParameters);
  std::string prefix;
  if (settings.Read(key::kUsePrefix)) prefix = settings.Read(key::kRunPrefix);
  const std::string prefixParam =
      prefix.empty() ? "" : settings.ReadArguments(key::kRunPrefixParam);
  if (!settings.Bad().empty()) {
    return refuse(model.Strings().Join(Str::BadSetting1, Str::BadSetting2) + " (" + settings.Bad() +
                  ")");
  }
  bool spelled = true;
  const auto paths =
      prefix.empty() ? std::optional(InGameFolder(env, exe)) : PrefixPaths(env, prefix, spelled);
  if (!paths) {
    return refuse(StartFailedMessage(
        model,
        {InGameFolder(env, prefix).front() + ", " + prefix + " " + model.Str(Str::OnPath),
         std::strerror(ENOENT)},
        env));
  }
  // A path full of '?' would start another program or none.
  if (!spelled) {
    return refuse(StartFailedMessage(
        model, {paths->front(), model.Strings().Join(Str::NotInCodePage1, Str::NotInCodePage2)},
        env));
  }
  const auto word = ProgramWord(*paths);
  if (!word) return refuse(StartFailedMessage(model, {paths->front()}, env));
  std::string command = *word + " ";
  if (!prefix.empty()) command += prefixParam + " " + QuoteArgument(exe) + " ";
  decision.kind = LaunchDecision::Kind::StartGame;
  decision.command = command + params + model.RunParamSuffix();
  decision.closeWindow = o.exitAfterRun;
  return decision;
}

}  // namespace

LaunchDecision DecideLaunch(const LauncherModel& model, const LaunchEnvironment& env) {
  return Decide(model, env, false);
}

bool WrapperHelps(const StartFailure& failure, const LaunchEnvironment& env) {
  return failure.wrongFormat && !env.runsWindowsPrograms;
}

std::string StartFailedMessage(const LauncherModel& model, const StartFailure& failure,
                               const LaunchEnvironment& env, std::string_view settingsKept) {
  std::string message = model.Str(Str::CannotStart) + " (" + QuotedLine(failure.program);
  // The system's own words for it ("file not found") mislead.
  const std::string reason = failure.pathTooLong ? model.Str(Str::PathTooLong) : failure.reason;
  if (!reason.empty()) message += ": " + QuotedLine(reason);
  message += ")";
  if (!settingsKept.empty()) message += "\n" + std::string(settingsKept);
  if (WrapperHelps(failure, env)) {
    message += "\n" + model.Strings().Join(Str::RunPrefixHint1, Str::RunPrefixHint2,
                                           Str::RunPrefixHint3, Str::RunPrefixHint4);
  }
  return message;
}

std::string LaunchPreview(const LauncherModel& model, const LaunchEnvironment& env) {
  const LaunchDecision decision = Decide(model, env, true);
  switch (decision.kind) {
    case LaunchDecision::Kind::StartGame:
      return decision.command;
    case LaunchDecision::Kind::ShowMessage:
      return decision.message;
    case LaunchDecision::Kind::ReloadMonitoring:
      return model.Str(Str::HintRefresh);
    case LaunchDecision::Kind::OpenForum:
      return model.Str(Str::HintForum);
    case LaunchDecision::Kind::Nothing:
      break;
  }
  return {};
}

}  // namespace wv
