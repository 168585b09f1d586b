#pragma once

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/catalogue.h"
#include "core/settings_file.h"
#include "core/settings_keys.h"
#include "core/settings_lock.h"
#include "core/string_set.h"

namespace wv {

// The page control's tabs.
enum class Tab { CreateServer, JoinGame, Settings, Monitoring, About };
inline constexpr std::size_t kTabCount = 5;
// Every tab, in the row's order.
inline constexpr std::array<Tab, kTabCount> kTabs = {Tab::CreateServer, Tab::JoinGame,
                                                     Tab::Settings, Tab::Monitoring, Tab::About};
std::string_view TabObjectName(Tab tab);

// A menu entry as the window shows it now.
struct MenuEntry {
  std::string id;  // the catalogue entry's id
  std::string caption;
  Group group = Group::None;
  OnClick onClick = OnClick::None;
  std::string section;  // versus-flag section of a flagged map
  std::string hint;
  bool visible = true;
  bool checkable = false;  // a choice of a group, which carries the check mark when chosen
  bool checked = false;
  bool enabled = true;
  bool IsSeparator() const { return onClick == OnClick::None; }
};

// The chapter menu's last entry, shown disabled in custom-maps mode while no
// map is enabled, so that the menu never opens empty.
inline constexpr std::string_view kNoMapsNotice = "noMapsEnabled";

struct Menu {
  std::string id;
  std::vector<MenuEntry> entries;
  bool leftButtonOnly = false;
};

// The four options of the hidden settings tab.
struct Options {
  bool console = false;
  bool skipIntro = false;
  bool exitAfterRun = false;
  bool customGame = false;
};

// What a press of the action button does, decided by the active tab.
enum class ActionMode {
  None,               // before the first tab switch
  CreateServer,       // start a server with the create tab's choices
  JoinGame,           // join the server the join tab names
  RefreshMonitoring,  // reload the monitoring page
  OpenForum,          // open the forum in the browser
};

// What the window must do after a tab switch besides re-reading the model.
struct TabSwitchRequest {
  bool navigateMonitoring = false;  // navigate the browser to MonitoringUrl
};

// What the window must do after an edit of a join box besides re-reading
// the model.
struct JoinEditRequest {
  // A typed colon left the port part empty: the port typed next goes to the
  // port box.
  bool focusPort = false;
  // A typed "password " left the password empty: what follows goes to the
  // password box, never into the address or the port.
  bool focusPassword = false;
};

// After a game start the action button rests this long: a double click
// starts one game.
inline constexpr std::chrono::milliseconds kActionRest{1500};
using Clock = std::chrono::steady_clock;

// What the password dialog shows.
struct PasswordDialogTexts {
  std::string title;
  std::string prompt;
  std::string ok;
  std::string cancel;
};

struct StartupResult {
  bool quit = false;      // quit once the messages are dismissed
  bool busySaid = false;  // the settings file was said to be busy
};

// Shows one start-up message and returns once it is dismissed.
using StartupMessageSink = std::function<void(const std::string& text)>;
// Asks one start-up question (yes the default) and returns the answer.
using StartupQuestion = std::function<bool(const std::string& question)>;

// The launcher window's whole state without pixels: the choices, the visible
// entries, the active tab, the join boxes and what start-up read. Texts,
// captions and check marks are derived from the choices and the active
// string set. Every rule that changes the state lives here.
class LauncherModel {
 public:
  explicit LauncherModel(SettingsReader reader = {});

  // --- start-up and language ---
  // The start-up sequence: language, first tab, settings tab hidden,
  // reader pointed at the file beside the executable, version text,
  // executable name, version refresh, folder check, template and options, all
  // in start-up order. Each message goes to `show` at its own step, before
  // the next step runs.
  // The refresh and the template write wait up to `lockPatience` in all for
  // another launcher's settings lock, and say so once when it stayed held.
  // `systemLocale` picks the language where the settings name none.
  // A file of another version renewed from the template: `ask` (none: no)
  // decides whether the values the template dropped are carried over.
  StartupResult Start(const std::filesystem::path& exeDir, const std::filesystem::path& workDir,
                      std::string_view version, const StartupMessageSink& show,
                      std::chrono::milliseconds lockPatience = kLockPatience,
                      std::string_view systemLocale = {}, const StartupQuestion& ask = {});
  // Fills the string set for `code`, in any case: "LOCAL_EN" and "LOCAL_RU"
  // the built-in sets; "EN", "RU" and "**" the built-in English, Russian and
  // English again, each with the texts that the sections [Language_EN],
  // [Language_RU] and [Language_Custom] of `translations` give by entry
  // name. Other codes keep the set. Every choice stays.
  void ChangeLanguage(std::string_view code, const SettingsReader& translations = {});

  // --- menus ---
  std::vector<Menu> Menus() const;
  MenuEntry Entry(std::string_view id) const;  // throws std::out_of_range

  // --- choices, by catalogue id ---
  // The entry the group's control shows; nullopt while it shows no choice.
  std::optional<std::string_view> Shown(Group group) const;
  bool Shows(Group group, std::string_view id) const { return Shown(group) == id; }
  // The entry carrying the group's check mark.
  std::string_view Checked(Group group) const;
  // What the group's control shows: the shown entry's caption, or kNoChoice.
  std::string ChoiceText(Group group) const;

  // --- choice operations ---
  // Runs the entry's click handler as a player's click would, cascades included.
  // setPassword does not open a dialog here: the window asks first and
  // hands the answer to FinishPasswordDialog.
  void ChooseEntry(std::string_view id);
  PasswordDialogTexts PasswordDialog() const;
  // nullopt: the dialog was cancelled and the password stays as it was.
  void FinishPasswordDialog(std::optional<std::string> typed);

  // --- tabs and the bottom bar ---
  // The tab switch, for the given active tab.
  TabSwitchRequest SwitchTab(Tab active);
  Tab ActiveTab() const { return activeTab_; }
  wv::ActionMode ActionMode() const { return actionMode_; }
  // The bottom bar's panels that the tab switch turns off.
  bool CharacterPanelEnabled() const { return characterPanelEnabled_; }
  bool ClipboardPanelEnabled() const { return clipboardPanelEnabled_; }
  bool TabVisible(Tab tab) const;

  // --- join tab: the address, port and password boxes ---
  // A change of the address box: splits "address:port" into the two boxes, and
  // a pasted "password …" command into the password box; the port box takes
  // such a command too. Each box drops control characters and invisible
  // marks as they come (WithoutControls); the window shows the boxes' model
  // values back.
  JoinEditRequest JoinAddressChanged(std::string text);
  JoinEditRequest JoinPortChanged(std::string text);
  void JoinPasswordChanged(std::string text);
  const std::string& JoinAddress() const { return joinAddress_; }
  const std::string& JoinPort() const { return joinPort_; }
  const std::string& JoinPassword() const { return joinPassword_; }

  // --- the action button's rest after a game start ---
  void GameStarted(Clock::time_point now) { restUntil_ = now + kActionRest; }
  // How much longer presses are ignored; zero once the button takes them.
  Clock::duration ActionRest(Clock::time_point now) const {
    return restUntil_ > now ? restUntil_ - now : Clock::duration::zero();
  }

  // --- strings, settings and what start-up read ---
  const StringSet& Strings() const { return strings_; }
  const std::string& Str(wv::Str id) const { return strings_[id]; }
  const SettingsReader& Settings() const { return settings_; }
  const Options& GetOptions() const { return options_; }
  const std::string& Version() const { return version_; }
  const std::string& GameExeName() const { return gameExeName_; }        // CommandFile
  const std::string& RunParamSuffix() const { return runParamSuffix_; }  // RunParametres
  const std::string& MonitoringUrl() const { return monitoringUrl_; }
  const std::string& ForumUrl() const { return forumUrl_; }
  const std::string& ServerPassword() const { return serverPassword_; }

 private:
  // A group's choice: the entry with the check mark, and whether its control
  // shows it (custom maps show no campaign, and no map until one is chosen).
  struct Choice {
    std::size_t entry = 0;
    bool shown = true;
  };

  std::size_t Place(std::string_view id) const;  // throws std::out_of_range
  std::string Caption(std::size_t place) const;
  Choice& ChoiceOf(Group group) { return choices_[static_cast<std::size_t>(group)]; }
  const Choice& ChoiceOf(Group group) const { return choices_[static_cast<std::size_t>(group)]; }
  bool Visible(std::string_view id) const { return visible_[Place(id)]; }
  void SetVisible(std::string_view id, bool visible) { visible_[Place(id)] = visible; }

  // The rules that ask what a box shows compare its text with an entry's
  // caption, as the player reads them.
  bool ShowsCaptionOf(Group group, std::string_view id) const;
  bool MatchChapterCaption(std::span<const std::string_view> chapters);
  void ChoiceStep(std::size_t place);
  void ChooseCoop();
  void ChooseVersus();
  void ChooseCustomMaps();
  void ChooseCampaign(std::size_t place);
  void ChooseAddonCampaign();
  void ChooseFlaggedMap(std::size_t place);
  void HideCampaignChapters();
  void HideExtraMaps();
  void ShowEnabledExtraMaps();
  void OfferInfectedTeam();
  void WithdrawInfectedTeam();
  void ReadOptions();
  // Asks whether the values of `backup` that the renewed `file` lacks go
  // into it, and writes them on yes.
  void OfferCarryOver(const std::filesystem::path& file, const std::filesystem::path& backup,
                      const StartupQuestion& ask, std::chrono::milliseconds patience) const;
  // A password command's password into its box, and where the typing goes on.
  JoinEditRequest TakePassword(std::optional<std::string> password, bool portEmpty);

  SettingsReader settings_;
  StringSet strings_;
  std::array<Choice, kGroupCount> choices_{};
  std::vector<bool> visible_;
  std::array<std::string, kCustomMapCount> customMapNames_;  // empty: the designed caption
  std::string serverPassword_;
  Tab activeTab_ = Tab::CreateServer;
  wv::ActionMode actionMode_ = wv::ActionMode::None;
  bool characterPanelEnabled_ = true;
  bool clipboardPanelEnabled_ = true;
  bool settingsTabVisible_ = true;
  bool monitoringTabVisible_ = true;
  std::string joinAddress_;
  std::string joinPort_;
  std::string joinPassword_;
  Clock::time_point restUntil_{};
  // Read at start-up.
  std::string version_ = "VER";  // the designed text until start-up
  Options options_;
  std::string gameExeName_;
  std::string runParamSuffix_;
  std::string monitoringUrl_;
  std::string forumUrl_ = std::string(key::kForumUrl.fallback);
};

}  // namespace wv
