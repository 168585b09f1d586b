#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/key_map.h"
#include "core/launcher_model.h"
#include "core/ports.h"
#include "core/profile_writer.h"
#include "core/recent_file.h"
#include "core/view_state.h"

namespace wv {

// Where start-up reads the settings file and where it checks, removes and
// writes it.
struct StartFolders {
  std::filesystem::path exeDir;
  std::filesystem::path workDir;
};

// How the player changed the tab.
enum class TabChange {
  ArrowKeys,  // walking along the tab row
  Other,      // a click, Ctrl+Tab and the like
};

// The launcher's behaviour for any window: each event of the window is one
// call here, which runs the rules through the model and the ports and
// returns everything the window is to show.
class LauncherController {
 public:
  explicit LauncherController(const Platform& platform);

  const LauncherModel& Model() const { return model_; }
  bool QuitRequested() const { return quitRequested_; }

  // The state as it is now: to build the window from before start-up, and
  // again once the action button's rest is over.
  ViewState Current() const;
  // Start-up in its order, each message shown at its own step; asks the
  // application to quit where start-up ends it.
  ViewState Start(const StartFolders& folders, std::string_view version);
  ViewState OnActionPressed();
  ViewState OnMenuEntryChosen(std::string_view entryId);
  ViewState OnTabChosen(Tab tab, TabChange how);
  // The visible tab `offset` steps on from the active one: round the end,
  // except along the tab row with the arrow keys.
  ViewState OnTabStepped(int offset, TabChange how);
  // A key command the controller carries out itself, a step along the tabs;
  // none for the window's own (menus and presses).
  std::optional<ViewState> OnKey(KeyCommand command);
  ViewState OnJoinAddressEdited(std::string bytes);
  ViewState OnJoinPortEdited(std::string bytes);
  ViewState OnJoinPasswordEdited(std::string bytes);
  // A join link from the desktop or the monitoring page: the join tab with
  // its host and port, the focus in the password box for the player to go
  // on; never a start. A link of no use says so and changes nothing.
  ViewState OnJoinLink(std::string_view link);
  void OnClipboardPressed();
  // What a press would do now, as display text.
  std::string ActionPreview() const;
  // While a started game's first seconds are watched (ViewState's
  // watchGameAfter): shows its failure, brings a hidden window back for it,
  // and ends a launcher that exits after run once the game has outlasted them.
  ViewState OnGameWatched();
  // An entry of the address box's drop-down, by its place in recentServers.
  ViewState OnRecentServerChosen(std::size_t index);
  // The view after it: the menu offers the join-link entry the system holds now.
  ViewState OnCaptionCommand(CaptionCommand command);
  // The monitoring tab's "Open in the browser".
  void OnMonitoringOpenInBrowser();

 private:
  void ShowMessage(const std::string& text);
  // The view after an edit of a join box, the focus where the typing goes on.
  ViewState FollowTyping(const JoinEditRequest& request) const;
  // Each once per launcher: a planted name stays planted, and a message at
  // every press would only nag.
  void SayInTheWay(const std::filesystem::path& name);
  void SaySettingsBusy();
  // After a successful start: the server joined, or the create tab's
  // selection where the player wants it kept.
  void RememberStart();
  // Starts the command; where the system runs no Windows program and wine is
  // at hand, offers to set the settings up for it and starts again. Says why
  // a start failed; true once the game runs.
  bool StartGame(const std::string& command, const LaunchEnvironment& environment);
  // Yes to the Wine question: the run prefix keys written for `wrapper`.
  ProfileWriteOutcome UseWrapper(const std::string& wrapper);
  // Only a web address goes to the browser.
  void OpenWebAddress(const std::string& address);
  // Where no program opens `url`, names `shown` for the player to open by hand.
  void OpenOrSay(const std::string& url, const std::string& shown);
  // A file or folder of this system; says which when nothing opened it.
  void OpenPathOrSay(const std::filesystem::path& path);

  LauncherModel model_;
  Platform platform_;
  bool quitRequested_ = false;
  std::filesystem::path settingsFolder_;
  bool busySaid_ = false;
  std::vector<std::filesystem::path> saidInTheWay_;
  std::vector<RecentServer> recentServers_;
  // The started game's first seconds.
  bool watching_ = false;
  Clock::time_point watchUntil_{};
  std::filesystem::path runLog_;
  bool windowHidden_ = false;
  bool exitAfterWatch_ = false;
  std::string failureToShow_;   // once the hidden window is back
  bool joinLinksHere_ = false;  // as the registry said at start-up and after each change
};

}  // namespace wv
