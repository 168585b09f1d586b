#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/launcher_model.h"
#include "core/monitoring_texts.h"

namespace wv {

// The window's controls by what they are. Each widget's object name is its
// role in lower camel case (ObjectName), by which the window binds it and
// tests find it.
enum class Control {
  Title,           // the caption bar: the window's and every message box's title
  CloseButton,     // in the caption bar
  MinimizeButton,  // in the caption bar
  ProductLabel,    // the about tab's product line
  VersionLabel,    // the about tab's version
  ConsoleOption,
  SkipIntroOption,
  ExitAfterRunOption,
  CustomGameOption,
  // The create tab's choice boxes: the frame, the choice it shows, the arrow
  // that drops its menu.
  ModeBox,
  CampaignBox,
  MapBox,
  DifficultyBox,
  SlotsBox,
  PortBox,
  PasswordBox,
  ModeChoice,
  CampaignChoice,
  MapChoice,
  DifficultyChoice,
  SlotsChoice,
  PortChoice,
  PasswordChoice,
  ModeArrow,
  CampaignArrow,
  MapArrow,
  DifficultyArrow,
  SlotsArrow,
  PortArrow,
  PasswordArrow,
  JoinAddressFrame,
  JoinPasswordFrame,
  JoinAddress,
  JoinPort,
  JoinPassword,
  CharacterButton,  // shows the character choice and drops its menu
  ClipboardButton,
  ActionButton,
  CharacterPanel,  // the bottom bar's panel of the character button
  ClipboardPanel,  // the bottom bar's panel of the clipboard button
  Count
};
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::Count);

// The caption bar's text, which no language changes: the window's and every
// message box's title.
inline constexpr std::string_view kLauncherTitle = "Wreckvale Launcher";

// The object name the control's widget carries.
std::string_view ObjectName(Control control);

// The menu (…Menu) a choice box or the character button drops; empty for
// other controls.
std::string_view DroppedMenu(Control control);
// The parts of a choice box: the label of its choice and its arrow.
struct ChoiceParts {
  Control choice, arrow;
};
ChoiceParts PartsOf(Control box);

// What one control shows. Display texts are UTF-8, already decoded from the
// settings' bytes; a field left empty is not the state's to set.
struct ControlView {
  std::optional<std::string> text;
  std::optional<std::string> toolTip;
  std::optional<std::string> accessibleName;
  std::optional<bool> enabled;
};

struct TabView {
  std::string caption;
  std::string toolTip;
  std::optional<std::string> accessibleName;
  bool visible = true;
};

// Where the keyboard focus goes after the call that asked for it.
enum class FocusRequest {
  None,
  FirstChoiceBox,    // the window has just opened
  JoinAddress,       // the join tab was chosen other than by the arrow keys
  JoinPortSelected,  // a typed colon left the port empty: its text selected
  JoinPassword,      // a typed "password " left the password empty
};

// Where a request puts the focus: the control, the tab whose page holds it,
// and whether its text is selected, as the Tab key leaves an edit box.
struct FocusTarget {
  Control control;
  Tab page;
  bool selectAll;
};
std::optional<FocusTarget> FocusTargetOf(FocusRequest request);

// The order the Tab key walks the controls in, after the tab row: the pages'
// controls page by page, then the bottom bar. A hidden page's controls and
// disabled ones drop out.
std::span<const Control> TabOrder();

// What the monitoring browser is to do.
enum class BrowserRequest { None, Navigate, Reload };

// What the caption bar's context menu offers.
enum class CaptionCommand {
  OpenSettingsFile,
  OpenGameFolder,
  OpenJoinLinksHere,
  StopJoinLinksHere
};
struct CaptionMenuEntry {
  CaptionCommand command;
  std::string caption;  // display text
};

// How a menu came to open. The keyboard opens a choice's menu at the current
// choice, as a drop-down list opens, so that Return keeps it and one Down
// steps to the next; a click opens it with nothing highlighted, as a popup.
enum class MenuOpening { Click, Keyboard };
// The entry of `menu` (its place in entries) to highlight as it opens; none
// for a click, or where no shown entry is checked.
std::optional<std::size_t> OpeningEntry(const Menu& menu, MenuOpening how);
// The same for the caption bar's menu: the keyboard opens it at its first
// entry, so that the first Return acts.
std::optional<std::size_t> OpeningEntry(const std::vector<CaptionMenuEntry>& menu, MenuOpening how);

// Everything a window shows, and the one-off requests of the latest call.
struct ViewState {
  std::array<ControlView, kControlCount> controls;
  std::array<TabView, kTabCount> tabs;  // by Tab
  Tab currentTab = Tab::CreateServer;
  std::vector<Menu> menus;  // entries with captions, check marks and visibility
  Options options;
  // The join boxes' bytes as typed, not display text.
  std::string joinAddress, joinPort, joinPassword;
  // The action button rests after a start: it shows busy, says why to
  // screen readers, and wants a fresh state once the rest is over.
  bool actionResting = false;
  std::string actionRestDescription;
  std::chrono::milliseconds wakeAfter{0};

  FocusRequest focus = FocusRequest::None;
  BrowserRequest browser = BrowserRequest::None;
  std::string monitoringUrl;  // display text
  MonitoringTexts monitoringTexts;
  bool closeWindow = false;  // exit after run

  // Hidden after a start with exit after run, while the game's first seconds
  // are watched; shown again when the game failed.
  bool windowHidden = false;
  // While the game's first seconds are watched: when to call
  // OnGameWatched next.
  std::optional<std::chrono::milliseconds> watchGameAfter;
  // The address box's drop-down: the servers joined, newest first, as
  // "address:port" display text.
  std::vector<std::string> recentServers;
  // What screen readers call the address box's arrow that drops them.
  std::string recentServersName;
  // The caption bar's context menu.
  std::vector<CaptionMenuEntry> captionMenu;

  const ControlView& operator[](Control control) const {
    return controls[static_cast<std::size_t>(control)];
  }
  ControlView& operator[](Control control) { return controls[static_cast<std::size_t>(control)]; }
  const TabView& TabOf(Tab tab) const { return tabs[static_cast<std::size_t>(tab)]; }
};

// The controls and tabs as the model has them now, the display texts decoded.
void ShowModel(const LauncherModel& model, ViewState& view);

// A join box to write, with the bytes it is to hold.
struct EditWrite {
  Control control;
  std::string_view bytes;
};
// The join boxes whose text, read back as bytes (`shownBytes`), differs from
// the view's: only those are written, so that what the player typed stays as
// typed, and the caret where it is, whenever it gives the view's bytes.
std::vector<EditWrite> JoinBoxWrites(const ViewState& view,
                                     const std::function<std::string(Control)>& shownBytes);

}  // namespace wv
