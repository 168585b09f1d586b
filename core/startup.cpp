#include "core/startup.h"

#include "core/settings_template.h"
#include "i18n/apply_language.h"

namespace wv {

namespace {
constexpr std::string_view kApp = section::kApplication;
}  // namespace

bool FileExistsIn(const std::filesystem::path& dir, std::string_view name) {
  if (dir.empty() || name.empty()) return false;
  // Joined as text, as the launch joins the folder and the name: with `/` an
  // absolute name would replace the folder, and the check and the start
  // would test different files.
  std::filesystem::path path = dir;
  path += std::filesystem::path::preferred_separator;
  path += name;
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

StartupResult RunStartup(LauncherModel& model, const std::filesystem::path& exeDir,
                         const std::filesystem::path& workDir, std::string_view version,
                         const StartupMessageSink& show) {
  StartupResult result;
  const StringSet& s = model.Strings();

  // The first step's code comes from the settings, and so does a translation.
  SettingsReader reader(exeDir / kSettingsFileName);
  ApplyLanguage(model, LanguageCode(reader.ReadText(kApp, "Language", "")), reader);
  model.SwitchTab(Tab::CreateServer);
  model.SetTabVisible(Tab::Settings, false);
  model.SetSettings(std::move(reader));
  const SettingsReader& settings = model.Settings();
  model.SetText("RzLabel5", std::string(version));
  model.gameExeName = settings.ReadText(section::kTavrin, "CommandFile", kDefaultGameExe);

  const auto cannotRead = [&](const std::string& reason) {
    show(s.Join(Str::CannotRead1, Str::CannotRead2) + " (" + std::string(kSettingsFileName) + ": " +
         reason + ")");
  };
  const Refresh refresh = RefreshOutdatedSettings(workDir, version);
  if (refresh.outcome == RefreshOutcome::RenameFailed) {
    show(s.Join(Str::CannotRemove1, Str::CannotRemove2) + " (" + std::string(kSettingsFileName) +
         ")");
  } else if (refresh.outcome == RefreshOutcome::Unreadable) {
    cannotRead(refresh.reason);
  }

  if (!FileExistsIn(workDir, kEngineExe) && !FileExistsIn(workDir, model.gameExeName)) {
    show(s.Join(Str::WrongFolder1, Str::WrongFolder2, Str::WrongFolder3) + model.gameExeName);
    result.quit = true;
  }

  const ExtraMapCaptions captions{model.Entry("Foundry1").caption, model.Entry("Rockfall").caption,
                                  model.Entry("TownSquare1").caption};
  if (WriteSettingsTemplate(workDir, version, captions) == TemplateOutcome::Failed) {
    show(s.Join(Str::CannotCreate1, Str::CannotCreate2));
  }

  // The file stays put from here on, so the option reads share one reading.
  const SettingsReader::ActionScope options(settings);
  // Said once per file: the refresh may have said it of this very file.
  const std::string problem = settings.ReadProblem();
  // Compared by folder: the file itself may be of a kind no comparison takes.
  std::error_code ec;
  const bool sameFile = refresh.outcome == RefreshOutcome::Unreadable &&
                        std::filesystem::equivalent(exeDir, workDir, ec);
  if (!problem.empty() && !sameFile) cannotRead(problem);
  Options& o = model.options;
  o.console = settings.ReadYesNo(kApp, "Console", "Yes");
  o.skipIntro = settings.ReadYesNo(kApp, "Skip Intro", "Yes");
  o.exitAfterRun = settings.ReadYesNo(kApp, "ExitAfterRun", "No");
  // One switch under both names: the template writes USEParametres.
  std::optional<std::string> runParameters = settings.Find(kApp, "USERunParametres");
  if (!runParameters) runParameters = settings.Find(kApp, "USEParametres");
  model.runParamSuffix = IsYes(runParameters.value_or("No"))
                             ? " " + settings.ReadText(kApp, "RunParametres", "")
                             : std::string();
  o.customGame = settings.ReadYesNo(kApp, "CustomGame", "Yes");
  model.monitoringUrl = settings.ReadText(kApp, "MonitoringURL", "");
  model.SetTabVisible(Tab::Monitoring, !model.monitoringUrl.empty());

  if (settings.ReadYesNo(section::kAddon, "Visible", "No")) {
    model.Entry("GreyTideRising2").visible = true;
  }
  return result;
}

}  // namespace wv
