#include "core/startup.h"

#include "core/settings_template.h"
#include "i18n/apply_language.h"

namespace wv {

namespace {
constexpr std::string_view kApp = section::kApplication;
}  // namespace

bool FileExistsIn(const std::filesystem::path& dir, std::string_view name) {
  if (name.empty()) return false;
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

  ApplyLanguage(model, "LOCAL_EN");
  model.SwitchTab(Tab::CreateServer);
  model.SetTabVisible(Tab::Settings, false);
  model.SetSettings(SettingsReader(exeDir / kSettingsFileName));
  const SettingsReader& settings = model.Settings();
  model.SetText("RzLabel5", std::string(version));
  model.gameExeName = settings.ReadText(section::kTavrin, "CommandFile", kDefaultGameExe);

  if (RefreshOutdatedSettings(settings, workDir, version) == RefreshOutcome::RenameFailed) {
    show(s.Join(Str::CannotRemove1, Str::CannotRemove2) + " (" + std::string(kSettingsFileName) +
         ")");
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
  Options& o = model.options;
  o.console = settings.ReadYesNo(kApp, "Console", "Yes");
  o.skipIntro = settings.ReadYesNo(kApp, "Skip Intro", "Yes");
  o.exitAfterRun = settings.ReadYesNo(kApp, "ExitAfterRun", "No");
  model.runParamSuffix = settings.ReadYesNo(kApp, "USERunParametres", "No")
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
