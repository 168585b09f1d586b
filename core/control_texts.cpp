// Which text each control of the window shows, by designer name.
#include <utility>

#include "core/launcher_model.h"

namespace wv {

namespace {

// Designed texts that no language changes.
constexpr std::pair<std::string_view, std::string_view> kDesignedTexts[] = {
    {"RzPanel2", "Wreckvale Launcher"}, {"TabSheet5", "?"},
    {"RzLabel6", "Launcher"},           {"RzCheckBox1", "Console"},
    {"RzCheckBox2", "Skip Intro"},      {"RzCheckBox3", "Exit after run"},
    {"RzCheckBox4", "Custom game"},
};

// Controls captioned from the string set. The controls that show a choice
// take the caption of the chosen entry, and their frames come with the menus.
constexpr std::pair<std::string_view, Str> kControlCaptions[] = {
    {"RzGroupBox7", Str::GroupAddress}, {"RzGroupBox9", Str::GroupJoinPassword},
    {"TabSheet1", Str::Tab1},           {"TabSheet2", Str::Tab2},
    {"TabSheet3", Str::Tab3},           {"TabSheet4", Str::Tab4},
    {"RzLabel1", Str::Close},           {"RzLabel2", Str::Minimize},
};

// Tooltips (".Hint") and the names screen readers announce (".Name") where a
// control's caption does not say what it is. The action button's tooltip
// follows the launch and is not among them.
constexpr std::pair<std::string_view, Str> kControlHelp[] = {
    {"RzEdit1.Hint", Str::HintAddress},      {"RzEdit2.Hint", Str::HintJoinPort},
    {"RzEdit3.Hint", Str::HintJoinPassword}, {"RzToolButton1.Hint", Str::HintCharacter},
    {"RzLabel1.Hint", Str::Close},           {"RzLabel2.Hint", Str::Minimize},
    {"TabSheet1.Hint", Str::HintTab1},       {"TabSheet2.Hint", Str::HintTab2},
    {"TabSheet3.Hint", Str::HintTab3},       {"TabSheet4.Hint", Str::HintTab4},
    {"TabSheet5.Hint", Str::HintTab5},       {"RzEdit1.Name", Str::GroupAddress},
    {"RzEdit2.Name", Str::GroupPort},        {"RzEdit3.Name", Str::GroupJoinPassword},
    {"TabSheet5.Name", Str::About},
};

// The action button's caption in action modes 1 … 4.
constexpr Str kActionCaptions[] = {Str::ActionCreate, Str::ActionJoin, Str::ActionRefresh,
                                   Str::ActionForum};

}  // namespace

std::string_view TabSheetName(Tab tab) {
  switch (tab) {
    case Tab::CreateServer:
      return "TabSheet1";
    case Tab::JoinGame:
      return "TabSheet2";
    case Tab::Settings:
      return "TabSheet3";
    case Tab::Monitoring:
      return "TabSheet4";
    case Tab::About:
      return "TabSheet5";
  }
  return {};
}

bool LauncherModel::PanelEnabled(std::string_view panel) const {
  if (panel == "RzPanel4") return panel4Enabled_;
  if (panel == "RzPanel6") return panel6Enabled_;
  return true;
}

std::vector<ControlText> LauncherModel::Texts() const {
  std::vector<ControlText> texts;
  const auto add = [&texts](std::string_view control, std::string text) {
    texts.emplace_back(std::string(control), std::move(text));
  };
  for (const auto& [control, text] : kDesignedTexts) add(control, std::string(text));
  for (const auto& [control, id] : kControlCaptions) add(control, Str(id));
  for (const CatalogueMenu& menu : kMenus) {
    if (const ChoiceFrame& f = menu.frame; !f.frame.empty()) {
      add(f.frame, Str(f.caption));
      add(std::string(f.frame) + ".Hint", Str(f.hint));
      // The arrow drops the menu of the choice the frame names.
      add(std::string(f.arrow) + ".Name", Str(f.caption));
    }
    // The one menu of no choice group is the password's.
    const Group group = menu.entries.front().group;
    add(menu.shownIn, group != Group::None
                          ? ChoiceText(group)
                          : Str(serverPassword_.empty() ? Str::PasswordNone : Str::PasswordSet));
  }
  add("RzGoButton",
      actionMode_ >= 1 && actionMode_ <= 4 ? Str(kActionCaptions[actionMode_ - 1]) : std::string());
  add("RzLabel5", version_);
  for (const auto& [control, id] : kControlHelp) add(control, Str(id));
  const std::string clipboardHint = strings_.Join(Str::ClipboardHint1, Str::ClipboardHint2);
  add("RzToolButton2.Hint", clipboardHint);
  add("RzToolButton2.Name", clipboardHint);
  return texts;
}

std::string LauncherModel::Text(std::string_view control) const {
  for (ControlText& text : Texts()) {
    if (text.first == control) return std::move(text.second);
  }
  return {};
}

}  // namespace wv
