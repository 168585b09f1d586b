#include "core/startup.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "core/language.h"
#include "core/launcher_model.h"
#include "core/profile_writer.h"
#include "core/settings_carry.h"
#include "core/settings_keys.h"
#include "core/settings_lock.h"
#include "core/settings_template.h"
#include "core/text.h"
#include "core/whole_file.h"

namespace wv {

bool FileExistsIn(const std::filesystem::path& dir, std::string_view name) {
  if (dir.empty() || name.empty()) return false;
  // Joined as text, as the launch joins the folder and the name: with `/` an
  // absolute name would replace the folder, and the check and the start
  // would test different files.
  std::filesystem::path path = dir;
  path += std::filesystem::path::preferred_separator;
  path += name;
  return KindAt(path) == EntryKind::Other;
}

std::filesystem::path GameFolder(const std::filesystem::path& exeDir,
                                 const std::filesystem::path& workDir) {
  // The usual start reads nothing more: the settings are read once, later.
  if (workDir == exeDir || FileExistsIn(workDir, kEngineExe)) return workDir;
  const std::string exeName = Read(SettingsReader(exeDir / kSettingsFileName), key::kCommandFile);
  const auto holdsGame = [&exeName](const std::filesystem::path& dir) {
    return FileExistsIn(dir, kEngineExe) || FileExistsIn(dir, exeName);
  };
  return !holdsGame(workDir) && holdsGame(exeDir) ? exeDir : workDir;
}

std::string ReadFailureText(const ReadFailure& failure, const StringSet& strings) {
  switch (failure.kind) {
    case ReadFailure::Kind::System:
      return QuotedLine(failure.systemReason);
    case ReadFailure::Kind::NotRegularFile:
      return strings[Str::NotRegularFile];
    case ReadFailure::Kind::TooLarge:
      return strings[Str::FileTooLarge];
    case ReadFailure::Kind::None:
      break;
  }
  return {};
}

std::string SettingsBusyMessage(const StringSet& strings, const std::filesystem::path& folder) {
  const std::string busy = strings.Join(Str::SettingsBusy1, Str::SettingsBusy2);
  if (TakenByOther(folder / kSettingsLockName)) {
    return busy + " (" + std::string(kSettingsLockName) + ": " + strings[Str::NotRegularFile] + ")";
  }
  return busy + " (" + std::string(kSettingsFileName) + ")";
}

std::string InTheWayMessage(const StringSet& strings, const std::filesystem::path& name) {
  return strings[Str::CannotWrite] + " (" + name.filename().string() + ": " +
         strings[Str::NotRegularFile] + ")";
}

StartupResult LauncherModel::Start(const std::filesystem::path& exeDir,
                                   const std::filesystem::path& workDir, std::string_view version,
                                   const StartupMessageSink& show,
                                   std::chrono::milliseconds lockPatience,
                                   std::string_view systemLocale, const StartupQuestion& ask) {
  StartupResult result;
  const StringSet& s = strings_;
  // One wait per start in all: the template write gets what the refresh left
  // of the patience. Time spent on messages in between does not count.
  std::chrono::milliseconds patience = lockPatience;
  const auto underLock = [&patience](auto step) {
    const auto begin = std::chrono::steady_clock::now();
    auto outcome = step(patience);
    const auto spent =
        std::chrono::ceil<std::chrono::milliseconds>(std::chrono::steady_clock::now() - begin);
    patience = std::max(std::chrono::milliseconds::zero(), patience - spent);
    return outcome;
  };
  const auto sayBusy = [&] {
    if (std::exchange(result.busySaid, true)) return;
    show(SettingsBusyMessage(s, workDir));
  };

  // The first step's code comes from the settings, and so does a translation.
  SettingsReader reader(exeDir / kSettingsFileName);
  const std::optional<std::string> language = Find(reader, key::kLanguage);
  ChangeLanguage(LanguageCode(language ? std::optional<std::string_view>(*language) : std::nullopt,
                              systemLocale),
                 reader);
  SwitchTab(Tab::CreateServer);
  settingsTabVisible_ = false;
  settings_ = std::move(reader);
  version_ = version;
  gameExeName_ = Read(settings_, key::kCommandFile);

  const auto cannotRead = [&](const ReadFailure& failure) {
    show(s.Join(Str::CannotRead1, Str::CannotRead2) + " (" + std::string(kSettingsFileName) + ": " +
         ReadFailureText(failure, s) + ")");
  };
  const OutdatedFileRefresh refresh = underLock([&](std::chrono::milliseconds wait) {
    return RefreshOutdatedSettings(workDir, version, wait);
  });
  if (refresh.outcome == RefreshOutcome::Busy) {
    sayBusy();
  } else if (refresh.outcome == RefreshOutcome::RenameFailed) {
    show(s.Join(Str::CannotRemove1, Str::CannotRemove2) + " (" + std::string(kSettingsFileName) +
         ")");
  } else if (refresh.outcome == RefreshOutcome::Unreadable) {
    cannotRead(refresh.failure);
  }

  if (!FileExistsIn(workDir, kEngineExe) && !FileExistsIn(workDir, gameExeName_)) {
    show(s.Join(Str::WrongFolder1, Str::WrongFolder2, Str::WrongFolder3) + gameExeName_);
    result.quit = true;
  }

  ExtraMapCaptions captions;
  for (std::size_t i = 0; i < kExtraMaps.size(); ++i)
    captions[i] = Entry(kExtraMaps[i].entry).caption;
  const TemplateOutcome written = underLock([&](std::chrono::milliseconds wait) {
    return WriteSettingsTemplate(workDir, version, captions, wait);
  });
  if (written == TemplateOutcome::Busy) {
    sayBusy();
  } else if (written == TemplateOutcome::Failed) {
    show(s.Join(Str::CannotCreate1, Str::CannotCreate2));
  } else if (written == TemplateOutcome::InTheWay) {
    show(InTheWayMessage(s, workDir / kSettingsFileName));
  } else if (written == TemplateOutcome::Written && refresh.outcome == RefreshOutcome::BackedUp &&
             ask) {
    OfferCarryOver(workDir / kSettingsFileName, refresh.backup, ask, patience);
  }

  // The file stays put from here on, so the option reads share one reading.
  const SettingsReader::ActionScope options(settings_);
  // Said once per file: the refresh may have said it of this very file.
  const ReadFailure problem = settings_.ReadProblem();
  // Compared by folder: the file itself may be of a kind no comparison takes.
  std::error_code ec;
  const bool sameFile = refresh.outcome == RefreshOutcome::Unreadable &&
                        std::filesystem::equivalent(exeDir, workDir, ec);
  if (problem && !sameFile) cannotRead(problem);
  ReadOptions();
  monitoringTabVisible_ = !monitoringUrl_.empty();
  if (ReadAddonVisibility(settings_) == AddonVisibility::Offered) {
    SetVisible(entry::kAddonCampaign, true);
  }
  return result;
}

void LauncherModel::OfferCarryOver(const std::filesystem::path& file,
                                   const std::filesystem::path& backup, const StartupQuestion& ask,
                                   std::chrono::milliseconds patience) const {
  const FileRead old = ReadSettingsText(backup);
  const FileRead renewed = ReadSettingsText(file);
  if (!old.text || !renewed.text) return;
  const std::vector<CarriedValue> carried = ValuesToCarry(*old.text, *renewed.text);
  // A file that said nothing but the template's loses nothing.
  if (carried.empty()) return;
  const StringSet& s = strings_;
  const std::string oldVersion =
      FindProfileValue(*old.text, key::kVersion.section, key::kVersion.name)
          .value_or(std::string(key::kVersion.fallback));
  const std::string question =
      s.Join(Str::OldSettings1, Str::OldSettings2) + QuotedLine(oldVersion) +
      s.Join(Str::OldSettingsKept1, Str::OldSettingsKept2) + backup.filename().string() +
      s.Join(Str::CarryValues1, Str::CarryValues2);
  if (!ask(question)) return;
  std::vector<ProfileValue> values;
  values.reserve(carried.size());
  for (const CarriedValue& v : carried) values.push_back({v.section, v.key, v.value});
  WriteProfileValues(file, values, patience);
}

void LauncherModel::ReadOptions() {
  options_.console = Read(settings_, key::kConsole);
  options_.skipIntro = Read(settings_, key::kSkipIntro);
  options_.exitAfterRun = Read(settings_, key::kExitAfterRun);
  // One switch under two names. The template's own name, with nothing to add,
  // adds nothing: a fresh file's commands end with the team token.
  runParamSuffix_.clear();
  if (const std::optional<std::string> own = Find(settings_, key::kUseRunParameters)) {
    if (IsYes(*own)) runParamSuffix_ = " " + Read(settings_, key::kRunParameters);
  } else if (Read(settings_, key::kUseParameters)) {
    const std::string parameters = Read(settings_, key::kRunParameters);
    if (!parameters.empty()) runParamSuffix_ = " " + parameters;
  }
  options_.customGame = Read(settings_, key::kCustomGame);
  monitoringUrl_ = Read(settings_, key::kMonitoringUrl);
  forumUrl_ = Read(settings_, key::kForumUrl);
}

}  // namespace wv
