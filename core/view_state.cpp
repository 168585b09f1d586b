// What each control of the window shows, by its role.
#include "core/view_state.h"

#include <iterator>
#include <optional>
#include <tuple>
#include <utility>

#include "core/text.h"

namespace wv {

namespace {

// Each control's object name, in the order of Control: its role in lower
// camel case.
constexpr std::pair<Control, std::string_view> kObjectNames[] = {
    {Control::Title, "title"},
    {Control::CloseButton, "closeButton"},
    {Control::MinimizeButton, "minimizeButton"},
    {Control::ProductLabel, "productLabel"},
    {Control::VersionLabel, "versionLabel"},
    {Control::ConsoleOption, "consoleOption"},
    {Control::SkipIntroOption, "skipIntroOption"},
    {Control::ExitAfterRunOption, "exitAfterRunOption"},
    {Control::CustomGameOption, "customGameOption"},
    {Control::ModeBox, "modeBox"},
    {Control::CampaignBox, "campaignBox"},
    {Control::MapBox, "mapBox"},
    {Control::DifficultyBox, "difficultyBox"},
    {Control::SlotsBox, "slotsBox"},
    {Control::PortBox, "portBox"},
    {Control::PasswordBox, "passwordBox"},
    {Control::ModeChoice, "modeChoice"},
    {Control::CampaignChoice, "campaignChoice"},
    {Control::MapChoice, "mapChoice"},
    {Control::DifficultyChoice, "difficultyChoice"},
    {Control::SlotsChoice, "slotsChoice"},
    {Control::PortChoice, "portChoice"},
    {Control::PasswordChoice, "passwordChoice"},
    {Control::ModeArrow, "modeArrow"},
    {Control::CampaignArrow, "campaignArrow"},
    {Control::MapArrow, "mapArrow"},
    {Control::DifficultyArrow, "difficultyArrow"},
    {Control::SlotsArrow, "slotsArrow"},
    {Control::PortArrow, "portArrow"},
    {Control::PasswordArrow, "passwordArrow"},
    {Control::JoinAddressFrame, "joinAddressFrame"},
    {Control::JoinPasswordFrame, "joinPasswordFrame"},
    {Control::JoinAddress, "joinAddress"},
    {Control::JoinPort, "joinPort"},
    {Control::JoinPassword, "joinPassword"},
    {Control::CharacterButton, "characterButton"},
    {Control::ClipboardButton, "clipboardButton"},
    {Control::ActionButton, "actionButton"},
    {Control::CharacterPanel, "characterPanel"},
    {Control::ClipboardPanel, "clipboardPanel"},
};
static_assert(std::size(kObjectNames) == kControlCount);
constexpr bool InControlOrder() {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (kObjectNames[i].first != static_cast<Control>(i)) return false;
  }
  return true;
}
static_assert(InControlOrder(), "a control's name sits at its place");

// The create tab's choice boxes, by the menu each drops.
struct ChoiceControls {
  std::string_view menu;
  Control box, choice, arrow;
};
constexpr ChoiceControls kChoiceControls[] = {
    {"modeMenu", Control::ModeBox, Control::ModeChoice, Control::ModeArrow},
    {"campaignMenu", Control::CampaignBox, Control::CampaignChoice, Control::CampaignArrow},
    {"mapMenu", Control::MapBox, Control::MapChoice, Control::MapArrow},
    {"difficultyMenu", Control::DifficultyBox, Control::DifficultyChoice, Control::DifficultyArrow},
    {"slotsMenu", Control::SlotsBox, Control::SlotsChoice, Control::SlotsArrow},
    {"portMenu", Control::PortBox, Control::PortChoice, Control::PortArrow},
    {"passwordMenu", Control::PasswordBox, Control::PasswordChoice, Control::PasswordArrow},
};

// Designed texts that no language changes.
constexpr std::pair<Control, std::string_view> kDesignedTexts[] = {
    {Control::Title, kLauncherTitle},
    {Control::ProductLabel, "Launcher"},
    {Control::ConsoleOption, "Console"},
    {Control::SkipIntroOption, "Skip Intro"},
    {Control::ExitAfterRunOption, "Exit after run"},
    {Control::CustomGameOption, "Custom game"},
};

// Controls captioned from the string set. The controls that show a choice
// take the caption of the chosen entry, and their frames come with the menus.
constexpr std::pair<Control, Str> kControlCaptions[] = {
    {Control::JoinAddressFrame, Str::GroupAddress},
    {Control::JoinPasswordFrame, Str::GroupJoinPassword},
    {Control::CloseButton, Str::Close},
    {Control::MinimizeButton, Str::Minimize},
};

// Tooltips where a control's caption does not say what it is. The action
// button's tooltip follows the launch and is not among them.
constexpr std::pair<Control, Str> kControlToolTips[] = {
    {Control::JoinAddress, Str::HintAddress},
    {Control::JoinPort, Str::HintJoinPort},
    {Control::JoinPassword, Str::HintJoinPassword},
    {Control::CharacterButton, Str::HintCharacter},
    {Control::CloseButton, Str::Close},
    {Control::MinimizeButton, Str::Minimize},
};

// The names screen readers announce where the caption is none.
constexpr std::pair<Control, Str> kAccessibleNames[] = {
    {Control::JoinAddress, Str::GroupAddress},
    {Control::JoinPort, Str::GroupPort},
    {Control::JoinPassword, Str::GroupJoinPassword},
};

// The tabs' captions and tooltips, by Tab; the about tab's caption is a sign
// and gets a name for screen readers.
constexpr std::pair<Str, Str> kTabTexts[] = {
    {Str::Tab1, Str::HintTab1}, {Str::Tab2, Str::HintTab2},  {Str::Tab3, Str::HintTab3},
    {Str::Tab4, Str::HintTab4}, {Str::Count, Str::HintTab5},
};
constexpr std::string_view kAboutTabCaption = "?";

// The action button's caption; none before the first tab switch.
std::optional<Str> ActionCaption(ActionMode mode) {
  switch (mode) {
    case ActionMode::CreateServer:
      return Str::ActionCreate;
    case ActionMode::JoinGame:
      return Str::ActionJoin;
    case ActionMode::RefreshMonitoring:
      return Str::ActionRefresh;
    case ActionMode::OpenForum:
      return Str::ActionForum;
    case ActionMode::None:
      break;
  }
  return std::nullopt;
}

using Views = std::array<ControlView, kControlCount>;

ControlView& At(Views& views, Control control) {
  return views[static_cast<std::size_t>(control)];
}

// Every control's texts as the model's bytes.
Views ModelViews(const LauncherModel& model) {
  Views views;
  for (const auto& [control, text] : kDesignedTexts) At(views, control).text = std::string(text);
  for (const auto& [control, id] : kControlCaptions) At(views, control).text = model.Str(id);
  for (const auto& [control, id] : kControlToolTips) At(views, control).toolTip = model.Str(id);
  for (const auto& [control, id] : kAccessibleNames) {
    At(views, control).accessibleName = model.Str(id);
  }
  for (const ChoiceControls& row : kChoiceControls) {
    const CatalogueMenu& menu = CatalogueMenuOf(row.menu);
    const std::string& caption = model.Str(menu.frame.caption);
    // The one menu of no choice group is the password's.
    const Group group = menu.entries.front().group;
    std::string choice =
        group != Group::None
            ? model.ChoiceText(group)
            : model.Str(model.ServerPassword().empty() ? Str::PasswordNone : Str::PasswordSet);
    ControlView& box = At(views, row.box);
    box.text = caption;
    box.toolTip = model.Str(menu.frame.hint);
    // A combo box to screen readers, named by what it chooses and its choice.
    box.accessibleName = caption + ": " + choice;
    // The arrow drops the menu of the choice the frame names.
    At(views, row.arrow).accessibleName = caption;
    At(views, row.choice).text = std::move(choice);
  }
  At(views, Control::CharacterButton).text = model.ChoiceText(Group::Character);
  const std::optional<wv::Str> action = ActionCaption(model.ActionMode());
  ControlView& actionButton = At(views, Control::ActionButton);
  actionButton.text = action ? model.Str(*action) : std::string();
  // A caption's blanks set it off on the button; read out, they are noise.
  actionButton.accessibleName = std::string(TrimBlanks(*actionButton.text));
  At(views, Control::VersionLabel).text = model.Version();
  const std::string clipboardHint = model.Strings().Join(Str::ClipboardHint1, Str::ClipboardHint2);
  At(views, Control::ClipboardButton).toolTip = clipboardHint;
  At(views, Control::ClipboardButton).accessibleName = clipboardHint;
  // A bottom button is usable only while its panel is.
  for (const auto& [panel, button, enabled] :
       {std::tuple{Control::CharacterPanel, Control::CharacterButton,
                   model.CharacterPanelEnabled()},
        std::tuple{Control::ClipboardPanel, Control::ClipboardButton,
                   model.ClipboardPanelEnabled()}}) {
    At(views, panel).enabled = enabled;
    At(views, button).enabled = enabled;
  }
  return views;
}

std::optional<std::string> Decoded(const std::optional<std::string>& bytes) {
  if (!bytes) return std::nullopt;
  return DisplayUtf8(*bytes);
}

}  // namespace

std::string_view ObjectName(Control control) {
  const auto i = static_cast<std::size_t>(control);
  return i < kControlCount ? kObjectNames[i].second : std::string_view{};
}

std::string_view DroppedMenu(Control control) {
  if (control == Control::CharacterButton) return MenuOf(Group::Character).id;
  for (const ChoiceControls& row : kChoiceControls) {
    if (row.box == control) return row.menu;
  }
  return {};
}

ChoiceParts PartsOf(Control box) {
  for (const ChoiceControls& row : kChoiceControls) {
    if (row.box == box) return {row.choice, row.arrow};
  }
  return {box, box};
}

std::string_view TabObjectName(Tab tab) {
  switch (tab) {
    case Tab::CreateServer:
      return "createServerTab";
    case Tab::JoinGame:
      return "joinGameTab";
    case Tab::Settings:
      return "settingsTab";
    case Tab::Monitoring:
      return "monitoringTab";
    case Tab::About:
      return "aboutTab";
  }
  return {};
}

void ShowModel(const LauncherModel& model, ViewState& view) {
  const Views views = ModelViews(model);
  for (std::size_t i = 0; i < kControlCount; ++i) {
    ControlView& shown = view.controls[i];
    shown.text = Decoded(views[i].text);
    shown.toolTip = Decoded(views[i].toolTip);
    shown.accessibleName = Decoded(views[i].accessibleName);
    shown.enabled = views[i].enabled;
  }
  for (std::size_t i = 0; i < view.tabs.size(); ++i) {
    const auto [caption, hint] = kTabTexts[i];
    TabView& tab = view.tabs[i];
    tab.caption =
        caption == Str::Count ? std::string(kAboutTabCaption) : DisplayUtf8(model.Str(caption));
    tab.toolTip = DisplayUtf8(model.Str(hint));
    tab.accessibleName = caption == Str::Count
                             ? std::optional<std::string>(DisplayUtf8(model.Str(Str::About)))
                             : std::nullopt;
    tab.visible = model.TabVisible(static_cast<Tab>(i));
  }
  view.currentTab = model.ActiveTab();
  view.menus = model.Menus();
  for (Menu& menu : view.menus) {
    for (MenuEntry& entry : menu.entries) {
      entry.caption = DisplayUtf8(entry.caption);
      entry.hint = DisplayUtf8(entry.hint);
    }
  }
  view.options = model.GetOptions();
  view.joinAddress = model.JoinAddress();
  view.joinPort = model.JoinPort();
  view.joinPassword = model.JoinPassword();
  view.monitoringTexts = MonitoringTextsOf(model.Strings());
  view.recentServersName = DisplayUtf8(model.Str(Str::RecentServers));
}

std::optional<FocusTarget> FocusTargetOf(FocusRequest request) {
  switch (request) {
    case FocusRequest::None:
      return std::nullopt;
    case FocusRequest::FirstChoiceBox:
      return FocusTarget{TabOrder().front(), Tab::CreateServer, false};
    case FocusRequest::JoinAddress:
      return FocusTarget{Control::JoinAddress, Tab::JoinGame, true};
    case FocusRequest::JoinPortSelected:
      return FocusTarget{Control::JoinPort, Tab::JoinGame, true};
    case FocusRequest::JoinPassword:
      return FocusTarget{Control::JoinPassword, Tab::JoinGame, false};
  }
  return std::nullopt;
}

std::span<const Control> TabOrder() {
  // The choice boxes row by row, as they stand.
  static constexpr Control kOrder[] = {
      Control::ModeBox,
      Control::DifficultyBox,
      Control::CampaignBox,
      Control::MapBox,
      Control::SlotsBox,
      Control::PortBox,
      Control::PasswordBox,
      Control::JoinAddress,
      Control::JoinPort,
      Control::JoinPassword,
      Control::ConsoleOption,
      Control::SkipIntroOption,
      Control::ExitAfterRunOption,
      Control::CustomGameOption,
      Control::CharacterButton,
      Control::ClipboardButton,
      Control::ActionButton,
  };
  return kOrder;
}

std::vector<EditWrite> JoinBoxWrites(const ViewState& view,
                                     const std::function<std::string(Control)>& shownBytes) {
  std::vector<EditWrite> writes;
  for (const auto& [control, bytes] : {std::pair{Control::JoinAddress, &view.joinAddress},
                                       std::pair{Control::JoinPort, &view.joinPort},
                                       std::pair{Control::JoinPassword, &view.joinPassword}}) {
    if (shownBytes(control) != *bytes) writes.push_back({control, *bytes});
  }
  return writes;
}

std::optional<std::size_t> OpeningEntry(const Menu& menu, MenuOpening how) {
  if (how != MenuOpening::Keyboard) return std::nullopt;
  for (std::size_t i = 0; i < menu.entries.size(); ++i) {
    const MenuEntry& entry = menu.entries[i];
    if (entry.visible && !entry.IsSeparator() && entry.checked) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> OpeningEntry(const std::vector<CaptionMenuEntry>& menu,
                                        MenuOpening how) {
  if (how != MenuOpening::Keyboard || menu.empty()) return std::nullopt;
  return 0;
}

}  // namespace wv
