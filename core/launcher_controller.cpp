#include "core/launcher_controller.h"

#include <chrono>

#include "core/clipboard_summary.h"
#include "core/launch.h"
#include "core/text.h"

namespace wv {

namespace {

constexpr int kPasswordMaxLength = 255;

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
  return view;
}

void LauncherController::ShowMessage(const std::string& text) {
  platform_.messages->Show(std::string(kLauncherTitle), DisplayUtf8(text));
}

ViewState LauncherController::Start(const StartFolders& folders, std::string_view version) {
  const StartupResult startup =
      model_.Start(folders.exeDir, folders.workDir, version,
                   [this](const std::string& message) { ShowMessage(message); });
  ViewState view = Current();
  view.focus = FocusRequest::FirstChoiceBox;
  if (startup.quit) {
    quitRequested_ = true;
    platform_.quit->RequestQuit();
  }
  return view;
}

ViewState LauncherController::OnActionPressed() {
  // A second click of a double click finds the button resting.
  if (model_.ActionRest(platform_.time->Now()) > Clock::duration::zero()) return Current();
  const LaunchEnvironment environment = platform_.folder->Probe();
  const LaunchDecision decision = DecideLaunch(model_, environment);
  BrowserRequest browser = BrowserRequest::None;
  switch (decision.kind) {
    case LaunchDecision::Kind::Nothing:
      break;
    case LaunchDecision::Kind::StartGame:
      if (const auto failure =
              platform_.starter->Start(decision.command, environment.currentFolder)) {
        ShowMessage(StartFailedMessage(model_, *failure));
      } else {
        model_.GameStarted(platform_.time->Now());
      }
      break;
    case LaunchDecision::Kind::ShowMessage:
      ShowMessage(decision.message);
      break;
    case LaunchDecision::Kind::ReloadMonitoring:
      browser = BrowserRequest::Reload;
      break;
    case LaunchDecision::Kind::OpenForum:
      platform_.urls->Open(std::string(kForumUrl));
      break;
  }
  ViewState view = Current();
  view.browser = browser;
  view.closeWindow = decision.closeWindow;
  return view;
}

// Only the password entry needs the player first, for its dialog.
ViewState LauncherController::OnMenuEntryChosen(std::string_view entryId) {
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

ViewState LauncherController::OnJoinAddressEdited(std::string bytes) {
  const AddressEditRequest request = model_.JoinAddressChanged(std::move(bytes));
  ViewState view = Current();
  if (request.focusPort) view.focus = FocusRequest::JoinPortSelected;
  return view;
}

ViewState LauncherController::OnJoinPortEdited(std::string bytes) {
  model_.JoinPortChanged(std::move(bytes));
  return Current();
}

ViewState LauncherController::OnJoinPasswordEdited(std::string bytes) {
  model_.JoinPasswordChanged(std::move(bytes));
  return Current();
}

void LauncherController::OnClipboardPressed() {
  platform_.clipboard->SetText(DisplayUtf8(ClipboardSummary(model_)));
}

std::string LauncherController::ActionPreview() const {
  return DisplayUtf8(LaunchPreview(model_, platform_.folder->Probe()));
}

}  // namespace wv
