#include "core/launcher_model.h"

#include <stdexcept>

#include "core/join_address.h"

namespace wv {

namespace {

// Designed texts that no language changes.
constexpr std::pair<std::string_view, std::string_view> kDesignedTexts[] = {
    {"RzPanel2", "Wreckvale Launcher"},
    {"Label5", "14"},
    {"Label6", "27015"},
    {"TabSheet5", "?"},
    {"RzLabel6", "Launcher"},
    {"RzLabel5", "VER"},
    {"RzCheckBox1", "Console"},
    {"RzCheckBox2", "Skip Intro"},
    {"RzCheckBox3", "Exit after run"},
    {"RzCheckBox4", "Custom game"},
};

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

LauncherModel::LauncherModel(SettingsReader reader) : settings_(std::move(reader)) {
  menus_.reserve(kMenus.size());
  for (const CatalogueMenu& source : kMenus) {
    Menu menu{std::string(source.id), {}, source.leftButtonOnly};
    menu.entries.reserve(source.entries.size());
    for (const CatalogueEntry& e : source.entries) {
      MenuEntry entry;
      entry.id = e.id;
      entry.caption = e.caption == kFixedCaption ? std::string(e.fixedCaption) : std::string();
      entry.group = e.group;
      entry.onClick = e.onClick;
      entry.section = e.section;
      entry.visible = e.visibleAtStart;
      entry.checked = e.checkedAtStart;
      menu.entries.push_back(std::move(entry));
    }
    menus_.push_back(std::move(menu));
  }
  for (const auto& [control, text] : kDesignedTexts) texts_[std::string(control)] = text;
  for (const EntryHint& h : kEntryHints) Entry(h.entry).hint = h.hint;
}

const Menu& LauncherModel::GetMenu(std::string_view id) const {
  for (const Menu& menu : menus_) {
    if (menu.id == id) return menu;
  }
  throw std::out_of_range("no menu " + std::string(id));
}

const MenuEntry* LauncherModel::FindEntry(std::string_view id) const {
  for (const Menu& menu : menus_) {
    for (const MenuEntry& entry : menu.entries) {
      if (entry.id == id) return &entry;
    }
  }
  return nullptr;
}

const MenuEntry& LauncherModel::Entry(std::string_view id) const {
  if (const MenuEntry* entry = FindEntry(id)) return *entry;
  throw std::out_of_range("no menu entry " + std::string(id));
}

MenuEntry& LauncherModel::Entry(std::string_view id) {
  return const_cast<MenuEntry&>(static_cast<const LauncherModel&>(*this).Entry(id));
}

const std::string& LauncherModel::Text(std::string_view control) const {
  static const std::string kEmpty;
  auto it = texts_.find(control);
  return it == texts_.end() ? kEmpty : it->second;
}

void LauncherModel::SetText(std::string_view control, std::string text) {
  auto it = texts_.find(control);
  if (it == texts_.end()) {
    texts_.emplace(std::string(control), std::move(text));
  } else {
    it->second = std::move(text);
  }
}

bool LauncherModel::PanelEnabled(std::string_view panel) const {
  if (panel == "RzPanel4") return panel4Enabled_;
  if (panel == "RzPanel6") return panel6Enabled_;
  return true;
}

bool LauncherModel::TabVisible(Tab tab) const {
  if (tab == Tab::Settings) return settingsTabVisible_;
  if (tab == Tab::Monitoring) return monitoringTabVisible_;
  return true;
}

void LauncherModel::SetTabVisible(Tab tab, bool visible) {
  if (tab == Tab::Settings) settingsTabVisible_ = visible;
  if (tab == Tab::Monitoring) monitoringTabVisible_ = visible;
}

void LauncherModel::SetVisible(std::string_view id, bool visible) {
  Entry(id).visible = visible;
}

bool LauncherModel::Shows(std::string_view control, std::string_view entryId) const {
  return Text(control) == Entry(entryId).caption;
}

const MenuEntry* LauncherModel::Chosen(Group group) const {
  for (const Menu& menu : menus_) {
    for (const MenuEntry& entry : menu.entries) {
      if (entry.group == group && entry.checked) return &entry;
    }
  }
  return nullptr;
}

void LauncherModel::UncheckGroup(Group group) {
  if (group == Group::None) return;
  for (Menu& menu : menus_) {
    for (MenuEntry& entry : menu.entries) {
      if (entry.group == group) entry.checked = false;
    }
  }
}

PasswordDialogTexts LauncherModel::PasswordDialog() const {
  return {Str(Str::PasswordDialogCaption), Str(Str::PasswordDialogPrompt)};
}

void LauncherModel::FinishPasswordDialog(std::optional<std::string> typed) {
  // Cancel keeps the password: removing it silently would open the server.
  if (!typed) return;
  serverPassword = std::move(*typed);
  SetText("Label7", Str(serverPassword.empty() ? Str::PasswordNone : Str::PasswordSet));
}

AddressEditRequest LauncherModel::JoinAddressChanged(std::string text) {
  AddressSplit split = SplitJoinAddress(text);
  joinAddress_ = std::move(split.address);
  if (!split.port) return {};
  joinPort_ = std::move(*split.port);
  return {joinPort_.empty()};
}

}  // namespace wv
