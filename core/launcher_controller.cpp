#include "core/launcher_controller.h"

#include <algorithm>
#include <chrono>
#include <system_error>
#include <utility>

#include "core/clipboard_summary.h"
#include "core/file_url.h"
#include "core/join_address.h"
#include "core/join_link.h"
#include "core/launch.h"
#include "core/profile_writer.h"
#include "core/remembered_choices.h"
#include "core/run_log.h"
#include "core/settings_keys.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/whole_file.h"

namespace wv {

namespace {

constexpr int kPasswordMaxLength = 255;
// How often the game's first seconds are looked at, and how long past them
// the starter may take to say how they went.
constexpr std::chrono::milliseconds kWatchStep{100};
constexpr std::chrono::milliseconds kWatchGrace{1000};

// Programs that run Windows programs, in the order they are offered.
constexpr std::string_view kWindowsWrappers[] = {"wine", "wine64"};

// The path as the opener is to get it: absolute, without "." and ".."
// steps (a folder started as "." would give ".../game/./x").
std::filesystem::path PlainPath(const std::filesystem::path& path) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  return (ec ? path : full).lexically_normal();
}

}  // namespace

LauncherController::LauncherController(const Platform& platform) : platform_(platform) {}

ViewState LauncherController::Current() const {
  ViewState view;
  ShowModel(model_, view);
  // Resting after a start: the button stays enabled, so that the focus stays
  // on it, and presses meanwhile are ignored. Screen readers hear of the
  // start from its description.
  const Clock::duration rest = model_.ActionRest(platform_.time->Now());
  view.actionResting = rest > Clock::duration::zero();
  if (view.actionResting) {
    view.actionRestDescription = DisplayUtf8(model_.Str(Str::GameStarted));
    view.wakeAfter = std::chrono::ceil<std::chrono::milliseconds>(rest);
  }
  view.windowHidden = windowHidden_;
  if (!failureToShow_.empty()) {
    view.watchGameAfter = std::chrono::milliseconds::zero();
  } else if (watching_) {
    view.watchGameAfter = kWatchStep;
  }
  for (const RecentServer& server : recentServers_) {
    view.recentServers.push_back(DisplayUtf8(server.address + ":" + server.port));
  }
  view.captionMenu = {
      {CaptionCommand::OpenSettingsFile, DisplayUtf8(model_.Str(Str::OpenSettingsFile))},
      {CaptionCommand::OpenGameFolder, DisplayUtf8(model_.Str(Str::OpenGameFolder))},
  };
  if (platform_.joinLinks->Offered()) {
    view.captionMenu.push_back(
        joinLinksHere_ ? CaptionMenuEntry{CaptionCommand::StopJoinLinksHere,
                                          DisplayUtf8(model_.Str(Str::StopJoinLinksHere))}
                       : CaptionMenuEntry{CaptionCommand::OpenJoinLinksHere,
                                          DisplayUtf8(model_.Strings().Join(
                                              Str::OpenJoinLinksHere1, Str::OpenJoinLinksHere2))});
  }
  return view;
}

void LauncherController::ShowMessage(const std::string& text) {
  // Whatever a message quotes, its box fits on the screen. Lines of the
  // launcher's own may run past an outside line's bound.
  platform_.messages->Show(std::string(kLauncherTitle),
                           BoundedText(DisplayUtf8(text), 2 * kShownLineChars, kShownMessageLines));
}

void LauncherController::SayInTheWay(const std::filesystem::path& name) {
  if (std::find(saidInTheWay_.begin(), saidInTheWay_.end(), name) != saidInTheWay_.end()) return;
  saidInTheWay_.push_back(name);
  ShowMessage(InTheWayMessage(model_.Strings(), name));
}

void LauncherController::SaySettingsBusy() {
  if (std::exchange(busySaid_, true)) return;
  ShowMessage(SettingsBusyMessage(model_.Strings(), settingsFolder_));
}

ViewState LauncherController::Start(const StartFolders& folders, std::string_view version) {
  std::filesystem::path workDir = folders.workDir;
  const std::filesystem::path gameFolder = GameFolder(folders.exeDir, folders.workDir);
  if (gameFolder != workDir && platform_.workingFolder->Enter(gameFolder)) {
    workDir = gameFolder;
  }
  const std::string locale = platform_.language->Locale();
  const auto ask = [this](const std::string& question) {
    return platform_.questions->AskYesNo(std::string(kLauncherTitle), DisplayUtf8(question),
                                         DisplayUtf8(model_.Str(Str::QuestionYes)),
                                         DisplayUtf8(model_.Str(Str::QuestionNo)));
  };
  const StartupResult startup = model_.Start(
      folders.exeDir, workDir, version,
      [this](const std::string& message) { ShowMessage(message); }, kLockPatience, locale, ask);
  settingsFolder_ = folders.exeDir;
  busySaid_ = startup.busySaid;
  if (platform_.joinLinks->Offered()) joinLinksHere_ = platform_.joinLinks->OpensHere();
  if (startup.quit) {
    quitRequested_ = true;
    platform_.quit->RequestQuit();
  } else {
    RemoveLeftRecentCopies(settingsFolder_);
    // A damaged or unreadable history reads as none.
    RecentFile recent = ReadRecentFile(settingsFolder_);
    recentServers_ = std::move(recent.servers);
    if (Read(model_.Settings(), key::kRememberChoices)) RestoreChoices(model_, recent.choices);
  }
  ViewState view = Current();
  view.focus = FocusRequest::FirstChoiceBox;
  return view;
}

void LauncherController::RememberStart() {
  const bool join = model_.ActionMode() == ActionMode::JoinGame;
  const bool choices = !join && Read(model_.Settings(), key::kRememberChoices);
  if (!join && !choices) return;
  const RecentServer joined{std::string(TrimBlanks(model_.JoinAddress())),
                            std::string(TrimBlanks(model_.JoinPort()))};
  // The press checked them; the file keeps nothing else.
  if (join && CheckJoinTarget(joined.address, joined.port) != JoinProblem::None) return;
  if (join) recentServers_ = WithServerJoined(std::move(recentServers_), joined);
  // The file may have gained servers from another launcher meanwhile; what it
  // ends with is what the drop-down offers. Not written, the history stays
  // the one in memory.
  const RecentUpdate update = UpdateRecentFile(settingsFolder_, [&](RecentFile& file) {
    if (join) {
      file.servers = WithServerJoined(std::move(file.servers), joined);
      recentServers_ = file.servers;
    } else {
      file.choices = ChoicesToRemember(model_);
    }
  });
  if (update == RecentUpdate::Busy) SaySettingsBusy();
  if (update == RecentUpdate::NotRegularFile) SayInTheWay(settingsFolder_ / kRecentFileName);
}

ViewState LauncherController::OnActionPressed() {
  // A second click of a double click finds the button resting.
  if (model_.ActionRest(platform_.time->Now()) > Clock::duration::zero()) return Current();
  const LaunchEnvironment environment = platform_.folder->Probe();
  const LaunchDecision decision = DecideLaunch(model_, environment);
  BrowserRequest browser = BrowserRequest::None;
  bool started = false;
  switch (decision.kind) {
    case LaunchDecision::Kind::Nothing:
      break;
    case LaunchDecision::Kind::StartGame:
      started = StartGame(decision.command, environment);
      break;
    case LaunchDecision::Kind::ShowMessage:
      ShowMessage(decision.message);
      break;
    case LaunchDecision::Kind::ReloadMonitoring:
      browser = BrowserRequest::Reload;
      break;
    case LaunchDecision::Kind::OpenForum:
      OpenWebAddress(model_.ForumUrl());
      break;
  }
  // Exit after run waits out the game's first seconds hidden, so that a
  // game that fails at once can still be explained.
  exitAfterWatch_ = started && watching_ && decision.closeWindow;
  windowHidden_ = exitAfterWatch_;
  ViewState view = Current();
  view.browser = browser;
  // A refused or failed press leaves the window for the player to mend what
  // it said.
  view.closeWindow = decision.closeWindow && started && !exitAfterWatch_;
  return view;
}

bool LauncherController::StartGame(const std::string& command,
                                   const LaunchEnvironment& environment) {
  std::filesystem::path log;
  RunLogStart logStart;
  if (platform_.watch->Watches() && !environment.currentFolder.empty()) {
    // Joined as text, as the command joins the folder and the game.
    log = environment.folder.empty() ? std::filesystem::path(environment.currentFolder)
                                     : environment.folder;
    log += environment.separator;
    log += kRunLogName;
    logStart = KeepPreviousRunLog(log);
    if (logStart.made) {
      platform_.watch->SendOutputTo(log);
    } else {
      log.clear();
    }
  }
  std::optional<StartFailure> failure =
      platform_.starter->Start(command, environment.currentFolder);
  std::string settingsKept;  // why the settings were not set up for a wrapper
  if (failure && WrapperHelps(*failure, environment) && platform_.questions->CanAsk() &&
      environment.findOnPath) {
    std::optional<std::string> wrapper;
    for (std::string_view name : kWindowsWrappers) {
      if (environment.findOnPath(name)) {
        wrapper = std::string(name);
        break;
      }
    }
    // A file that would refuse the keys is named at once rather than after
    // a question whose Yes could not be kept.
    std::optional<ProfileWriteOutcome> written;
    if (wrapper) written = ProfileWriteRefusal(model_.Settings().File());
    if (wrapper && !written &&
        platform_.questions->AskYesNo(
            std::string(kLauncherTitle),
            DisplayUtf8(model_.Strings().Join(Str::WineQuestion1, Str::WineQuestion2)),
            DisplayUtf8(model_.Str(Str::QuestionYes)), DisplayUtf8(model_.Str(Str::QuestionNo)))) {
      written = UseWrapper(*wrapper);
    }
    if (written == ProfileWriteOutcome::Written) {
      // The press reads the settings afresh, the written keys with them.
      const LaunchDecision again = DecideLaunch(model_, environment);
      if (again.kind != LaunchDecision::Kind::StartGame) {
        ShowMessage(again.message);
        return false;
      }
      if (!log.empty()) platform_.watch->SendOutputTo(log);
      failure = platform_.starter->Start(again.command, environment.currentFolder);
    } else if (written == ProfileWriteOutcome::KeptAsIs) {
      settingsKept = model_.Strings().Join(Str::SettingsNotChanged1, Str::SettingsNotChanged2,
                                           Str::SettingsNotChanged3);
    } else if (written == ProfileWriteOutcome::Utf16) {
      settingsKept =
          model_.Strings().Join(Str::SettingsUtf16_1, Str::SettingsUtf16_2, Str::SettingsUtf16_3);
    }
  }
  // Said once the game is on its way: the press was not refused for it.
  for (const std::filesystem::path& name : logStart.inTheWay) SayInTheWay(name);
  if (failure) {
    ShowMessage(StartFailedMessage(model_, *failure, environment, settingsKept));
    return false;
  }
  model_.GameStarted(platform_.time->Now());
  RememberStart();
  watching_ = !log.empty();
  watchUntil_ = platform_.time->Now() + kEarlyEndWindow + kWatchGrace;
  runLog_ = log;
  return true;
}

ProfileWriteOutcome LauncherController::UseWrapper(const std::string& wrapper) {
  // The template's RunPrefixParam=1 would reach wine as the program to run.
  const std::filesystem::path& file = model_.Settings().File();
  const ProfileWriteOutcome written =
      WriteProfileValues(file, {{key::kUsePrefix.section, key::kUsePrefix.name, "Yes"},
                                {key::kRunPrefix.section, key::kRunPrefix.name, wrapper},
                                {key::kRunPrefixParam.section, key::kRunPrefixParam.name, ""}});
  if (written == ProfileWriteOutcome::Busy) SaySettingsBusy();
  if (written == ProfileWriteOutcome::Failed && TakenByOther(file)) SayInTheWay(file);
  return written;
}

void LauncherController::OpenWebAddress(const std::string& address) {
  if (IsWebAddress(address)) {
    OpenOrSay(address, address);
  } else {
    OpenOrSay({}, address);
  }
}

void LauncherController::OpenOrSay(const std::string& url, const std::string& shown) {
  if (!url.empty() && platform_.urls->Open(url)) return;
  ShowMessage(model_.Strings().Join(Str::CannotOpen1, Str::CannotOpen2) + "\n" + shown);
}

void LauncherController::OpenPathOrSay(const std::filesystem::path& path) {
  if (platform_.urls->OpenPath(path)) return;
  ShowMessage(model_.Strings().Join(Str::CannotOpen1, Str::CannotOpen2) + "\n" +
              QuotedLine(path.string()));
}

// Only the password entry needs the player first, for its dialog.
ViewState LauncherController::OnMenuEntryChosen(std::string_view entryId) {
  // A notice of no catalogue row chooses nothing.
  if (!CataloguePlace(entryId)) return Current();
  if (model_.Entry(entryId).onClick == OnClick::SetPassword) {
    PasswordDialogTexts texts = model_.PasswordDialog();
    for (std::string* text : {&texts.title, &texts.prompt, &texts.ok, &texts.cancel}) {
      *text = DisplayUtf8(*text);
    }
    model_.FinishPasswordDialog(platform_.input->Ask(texts, kPasswordMaxLength));
  } else {
    model_.ChooseEntry(entryId);
  }
  return Current();
}

ViewState LauncherController::OnTabChosen(Tab tab, TabChange how) {
  const TabSwitchRequest request = model_.SwitchTab(tab);
  ViewState view = Current();
  // The join tab hands the focus to the address box, unless the player is
  // walking along the tabs with the arrow keys.
  if (model_.ActiveTab() == Tab::JoinGame && how != TabChange::ArrowKeys) {
    view.focus = FocusRequest::JoinAddress;
  }
  if (request.navigateMonitoring) {
    view.browser = BrowserRequest::Navigate;
    view.monitoringUrl = DisplayUtf8(model_.MonitoringUrl());
  }
  return view;
}

ViewState LauncherController::OnTabStepped(int offset, TabChange how) {
  const int count = static_cast<int>(kTabCount);
  const bool wrap = how != TabChange::ArrowKeys;
  int index = static_cast<int>(model_.ActiveTab());
  for (int step = 0; step < count; ++step) {
    index += offset;
    if (wrap) index = (index + count) % count;
    if (index < 0 || index >= count) break;
    if (model_.TabVisible(static_cast<Tab>(index)))
      return OnTabChosen(static_cast<Tab>(index), how);
  }
  return Current();
}

std::optional<ViewState> LauncherController::OnKey(KeyCommand command) {
  switch (command) {
    case KeyCommand::NextTab:
      return OnTabStepped(1, TabChange::Other);
    case KeyCommand::PreviousTab:
      return OnTabStepped(-1, TabChange::Other);
    case KeyCommand::StepLeft:
      return OnTabStepped(-1, TabChange::ArrowKeys);
    case KeyCommand::StepRight:
      return OnTabStepped(1, TabChange::ArrowKeys);
    default:
      return std::nullopt;
  }
}

ViewState LauncherController::OnJoinAddressEdited(std::string bytes) {
  return FollowTyping(model_.JoinAddressChanged(std::move(bytes)));
}

ViewState LauncherController::OnJoinPortEdited(std::string bytes) {
  return FollowTyping(model_.JoinPortChanged(std::move(bytes)));
}

ViewState LauncherController::FollowTyping(const JoinEditRequest& request) const {
  ViewState view = Current();
  if (request.focusPort) view.focus = FocusRequest::JoinPortSelected;
  if (request.focusPassword) view.focus = FocusRequest::JoinPassword;
  return view;
}

ViewState LauncherController::OnJoinPasswordEdited(std::string bytes) {
  model_.JoinPasswordChanged(std::move(bytes));
  return Current();
}

ViewState LauncherController::OnJoinLink(std::string_view link) {
  const std::optional<JoinLinkTarget> target = ParseJoinLink(link);
  if (!target) {
    ShowMessage(model_.Strings().Join(Str::NotJoinLink1, Str::NotJoinLink2));
    return Current();
  }
  model_.SwitchTab(Tab::JoinGame);
  model_.JoinAddressChanged(target->address);
  if (target->port) model_.JoinPortChanged(*target->port);
  // A password belongs to the server it was typed for.
  model_.JoinPasswordChanged({});
  ViewState view = Current();
  view.focus = FocusRequest::JoinPassword;
  return view;
}

void LauncherController::OnClipboardPressed() {
  platform_.clipboard->SetText(DisplayUtf8(ClipboardSummary(model_)));
}

std::string LauncherController::ActionPreview() const {
  return DisplayUtf8(LaunchPreview(model_, platform_.folder->Probe()));
}

ViewState LauncherController::OnGameWatched() {
  if (!failureToShow_.empty()) {
    ShowMessage(std::exchange(failureToShow_, {}));
    return Current();
  }
  if (!watching_) return Current();
  const GameOutcome outcome = platform_.watch->Outcome();
  if (outcome.kind == GameOutcome::Kind::Pending && platform_.time->Now() < watchUntil_) {
    return Current();
  }
  watching_ = false;
  const bool exitAfter = std::exchange(exitAfterWatch_, false);
  if (outcome.Failed()) {
    const std::optional<std::string> log = ReadFileTail(runLog_, kRunLogTailBytes);
    const std::string message =
        EarlyEndMessage(model_.Strings(), outcome, LastLines(log.value_or(""), kRunLogLinesShown),
                        DisplayUtf8(runLog_.string()));
    // A hidden window comes back first, the message over it on the next call.
    if (std::exchange(windowHidden_, false)) {
      failureToShow_ = message;
    } else {
      ShowMessage(message);
    }
  } else if (exitAfter) {
    quitRequested_ = true;
    platform_.quit->RequestQuit();
  }
  return Current();
}

ViewState LauncherController::OnRecentServerChosen(std::size_t index) {
  if (index < recentServers_.size()) {
    const RecentServer server = recentServers_[index];
    model_.JoinAddressChanged(server.address);
    model_.JoinPortChanged(server.port);
    // A password belongs to the server it was typed for.
    model_.JoinPasswordChanged({});
  }
  // The list drops from the address box, and the typing goes on there.
  ViewState view = Current();
  view.focus = FocusRequest::JoinAddress;
  return view;
}

void LauncherController::OnMonitoringOpenInBrowser() {
  OpenWebAddress(model_.MonitoringUrl());
}

ViewState LauncherController::OnCaptionCommand(CaptionCommand command) {
  switch (command) {
    case CaptionCommand::OpenSettingsFile:
      OpenPathOrSay(PlainPath(settingsFolder_ / kSettingsFileName));
      break;
    case CaptionCommand::OpenGameFolder: {
      const LaunchEnvironment environment = platform_.folder->Probe();
      OpenPathOrSay(PlainPath(environment.folder.empty()
                                  ? std::filesystem::path(environment.currentFolder)
                                  : environment.folder));
      break;
    }
    case CaptionCommand::OpenJoinLinksHere:
    case CaptionCommand::StopJoinLinksHere: {
      if (!platform_.joinLinks->Offered()) break;
      const bool here = command == CaptionCommand::OpenJoinLinksHere;
      if (!platform_.joinLinks->Set(here)) {
        ShowMessage(model_.Strings().Join(Str::JoinLinksKept1, Str::JoinLinksKept2));
      }
      // What the system holds now, whatever it did with the request.
      joinLinksHere_ = platform_.joinLinks->OpensHere();
      break;
    }
  }
  return Current();
}

}  // namespace wv
