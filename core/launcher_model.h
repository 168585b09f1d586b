#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue.h"
#include "core/settings_file.h"
#include "i18n/string_set.h"

namespace wv {

// The page control's tabs, TabSheet1 … TabSheet5.
enum class Tab { CreateServer, JoinGame, Settings, Monitoring, About };
std::string_view TabSheetName(Tab tab);

struct MenuEntry {
  std::string id;  // designer name
  std::string caption;
  Group group = Group::None;
  OnClick onClick = OnClick::None;
  std::string section;  // versus-flag section of a flagged map
  std::string hint;
  bool visible = true;
  bool checked = false;
  bool IsSeparator() const { return onClick == OnClick::None; }
};

struct Menu {
  std::string id;
  std::vector<MenuEntry> entries;
  bool leftButtonOnly = false;
};

// The four options of the hidden settings tab, RzCheckBox1 … RzCheckBox4.
struct Options {
  bool console = false;       // RzCheckBox1
  bool skipIntro = false;     // RzCheckBox2
  bool exitAfterRun = false;  // RzCheckBox3
  bool customGame = false;    // RzCheckBox4
};

// What the window must do after a tab switch besides re-reading the model.
struct TabSwitchRequest {
  bool navigateMonitoring = false;  // navigate the browser to MonitoringUrl
};

// What the window must do after an edit of the address box besides
// re-reading the model.
struct AddressEditRequest {
  // A typed colon left the port part empty: the port typed next goes to the
  // port box.
  bool focusPort = false;
};

// After a game start the action button rests this long: a double click
// starts one game.
inline constexpr std::chrono::milliseconds kActionRest{1500};
using Clock = std::chrono::steady_clock;

// What the password dialog shows.
struct PasswordDialogTexts {
  std::string title;
  std::string prompt;
};

// The launcher window's whole state without pixels: menus, entries, the
// texts of labels and buttons, enabled panels, visible tabs, the action mode
// and the program-wide texts. Every rule that changes it lives here.
class LauncherModel {
 public:
  explicit LauncherModel(SettingsReader reader = {});

  // --- menus ---
  const std::vector<Menu>& Menus() const { return menus_; }
  const Menu& GetMenu(std::string_view id) const;     // throws std::out_of_range
  const MenuEntry& Entry(std::string_view id) const;  // throws std::out_of_range
  MenuEntry& Entry(std::string_view id);              // throws std::out_of_range
  const MenuEntry* FindEntry(std::string_view id) const;

  // --- texts of controls by designer name: Label1…Label7, RzToolButton1,
  // RzGoButton, RzGroupBox1…RzGroupBox9, TabSheet1…TabSheet5, RzLabel1,
  // RzLabel2, RzLabel5; tooltips as "<name>.Hint" and the names screen readers
  // announce as "<name>.Name"; empty for others ---
  const std::string& Text(std::string_view control) const;
  void SetText(std::string_view control, std::string text);
  const std::map<std::string, std::string, std::less<>>& Texts() const { return texts_; }
  // The control's text is the entry's caption: that entry is the choice shown.
  bool Shows(std::string_view control, std::string_view entryId) const;
  // The entry of `group` that carries the check mark, if any: of two entries
  // with one caption, the one the player picked.
  const MenuEntry* Chosen(Group group) const;

  // --- choice operations ---
  // Runs the entry's click handler as a player's click would, cascades included.
  // N45 (set password) does not open a dialog here: the window asks first and
  // hands the answer to FinishPasswordDialog.
  void ChooseEntry(std::string_view id);
  void UncheckGroup(Group group);
  PasswordDialogTexts PasswordDialog() const;
  // nullopt: the dialog was cancelled and the password stays as it was.
  void FinishPasswordDialog(std::optional<std::string> typed);

  // --- tabs and the bottom bar ---
  // RzPageControl1Change for the given active tab.
  TabSwitchRequest SwitchTab(Tab active);
  Tab ActiveTab() const { return activeTab_; }
  int ActionMode() const { return actionMode_; }
  bool PanelEnabled(std::string_view panel) const;  // RzPanel4, RzPanel6; others true
  bool TabVisible(Tab tab) const;
  void SetTabVisible(Tab tab, bool visible);

  // --- join tab: RzEdit1 (address), RzEdit2 (port), RzEdit3 (password) ---
  // RzEdit1Change: splits "address:port" into the two boxes.
  AddressEditRequest JoinAddressChanged(std::string text);
  void SetJoinPort(std::string text) { joinPort_ = std::move(text); }
  void SetJoinPassword(std::string text) { joinPassword_ = std::move(text); }
  const std::string& JoinAddress() const { return joinAddress_; }
  const std::string& JoinPort() const { return joinPort_; }
  const std::string& JoinPassword() const { return joinPassword_; }

  // --- the action button's rest after a game start ---
  void GameStarted(Clock::time_point now) { restUntil_ = now + kActionRest; }
  // How much longer presses are ignored; zero once the button takes them.
  Clock::duration ActionRest(Clock::time_point now) const {
    return restUntil_ > now ? restUntil_ - now : Clock::duration::zero();
  }

  // --- strings, settings, options and program-wide texts ---
  StringSet& Strings() { return strings_; }
  const StringSet& Strings() const { return strings_; }
  const std::string& Str(wv::Str id) const { return strings_[id]; }
  const SettingsReader& Settings() const { return settings_; }
  void SetSettings(SettingsReader reader) { settings_ = std::move(reader); }

  Options options;
  std::string gameExeName;     // GameExeName
  std::string runParamSuffix;  // RunParamSuffix
  std::string monitoringUrl;   // MonitoringUrl
  std::string serverPassword;  // ServerPassword

 private:
  void ChoiceStep(MenuEntry& entry);
  void ChooseCoop();
  void ChooseVersus();
  void ChooseCustomMaps();
  void ChooseCampaign(MenuEntry& entry);
  void ChooseAddonCampaign();
  void ChooseFlaggedMap(MenuEntry& entry);
  void HideCampaignChapters();
  void HideExtraMaps();
  void ShowEnabledExtraMaps();
  void OfferInfectedTeam();
  void WithdrawInfectedTeam();
  void SetVisible(std::string_view id, bool visible);

  SettingsReader settings_;
  StringSet strings_;
  std::vector<Menu> menus_;
  std::map<std::string, std::string, std::less<>> texts_;
  Tab activeTab_ = Tab::CreateServer;
  int actionMode_ = 0;
  bool panel4Enabled_ = true;
  bool panel6Enabled_ = true;
  bool settingsTabVisible_ = true;
  bool monitoringTabVisible_ = true;
  std::string joinAddress_;
  std::string joinPort_ = "27015";
  std::string joinPassword_;
  Clock::time_point restUntil_{};
};

}  // namespace wv
