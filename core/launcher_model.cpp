#include "core/launcher_model.h"

#include <stdexcept>

#include "core/join_address.h"
#include "core/text.h"

namespace wv {

LauncherModel::LauncherModel(SettingsReader reader) : settings_(std::move(reader)) {
  visible_.reserve(CatalogueSize());
  for (std::size_t i = 0; i < CatalogueSize(); ++i)
    visible_.push_back(CatalogueAt(i).visibleAtStart);
  for (std::size_t g = 1; g < kGroupCount; ++g)
    choices_[g].entry = DefaultEntry(static_cast<Group>(g));
  joinPort_ = Caption(ChoiceOf(Group::Port).entry);
}

std::size_t LauncherModel::Place(std::string_view id) const {
  if (const auto place = CataloguePlace(id)) return *place;
  throw std::out_of_range("no menu entry " + std::string(id));
}

std::string LauncherModel::Caption(std::size_t place) const {
  const CatalogueEntry& entry = CatalogueAt(place);
  if (const int n = CustomMapNumber(entry.id); n > 0 && !customMapNames_[n - 1].empty()) {
    return customMapNames_[n - 1];
  }
  return entry.caption == kFixedCaption ? std::string(entry.fixedCaption) : Str(entry.caption);
}

namespace {

// A separator shows only between two shown entries, never at a menu's ends
// nor next to another.
void HideStraySeparators(std::vector<MenuEntry>& entries) {
  bool entryBefore = false;
  MenuEntry* open = nullptr;  // a separator still waiting for an entry after it
  for (MenuEntry& e : entries) {
    if (!e.visible) continue;
    if (!e.IsSeparator()) {
      entryBefore = true;
      open = nullptr;
    } else if (!entryBefore || open != nullptr) {
      e.visible = false;
    } else {
      open = &e;
    }
  }
  if (open != nullptr) open->visible = false;
}

}  // namespace

std::vector<Menu> LauncherModel::Menus() const {
  std::vector<Menu> menus;
  menus.reserve(kMenus.size());
  for (const CatalogueMenu& source : kMenus) {
    Menu menu{std::string(source.id), {}, source.leftButtonOnly};
    menu.entries.reserve(source.entries.size());
    bool anyShown = false;
    for (const CatalogueEntry& e : source.entries) {
      menu.entries.push_back(Entry(e.id));
      anyShown = anyShown || (menu.entries.back().visible && !menu.entries.back().IsSeparator());
    }
    if (menu.id == "mapMenu") {
      MenuEntry notice;
      notice.id = kNoMapsNotice;
      notice.caption = strings_.Join(Str::NoMapsEnabled1, Str::NoMapsEnabled2);
      notice.onClick = OnClick::Notice;
      notice.visible = !anyShown && Shows(Group::Mode, entry::kCustomMaps);
      notice.enabled = false;
      menu.entries.push_back(std::move(notice));
    }
    HideStraySeparators(menu.entries);
    menus.push_back(std::move(menu));
  }
  return menus;
}

MenuEntry LauncherModel::Entry(std::string_view id) const {
  const std::size_t place = Place(id);
  const CatalogueEntry& e = CatalogueAt(place);
  MenuEntry entry;
  entry.id = e.id;
  entry.caption = Caption(place);
  entry.group = e.group;
  entry.onClick = e.onClick;
  entry.section = e.versusFlag.section;
  for (const EntryHint& h : kEntryHints) {
    if (h.entry == e.id) entry.hint = h.hint;
  }
  entry.visible = visible_[place];
  entry.checkable = e.group != Group::None;
  entry.checked = entry.checkable && ChoiceOf(e.group).entry == place;
  return entry;
}

std::optional<std::string_view> LauncherModel::Shown(Group group) const {
  if (group == Group::None) return std::nullopt;
  const Choice& choice = ChoiceOf(group);
  if (!choice.shown) return std::nullopt;
  const std::string_view id = CatalogueAt(choice.entry).id;
  // A custom map is known by its name alone: one named like no choice is none.
  if (CustomMapNumber(id) > 0 && Caption(choice.entry) == kNoChoice) return std::nullopt;
  return id;
}

std::string_view LauncherModel::Checked(Group group) const {
  if (group == Group::None) return {};
  return CatalogueAt(ChoiceOf(group).entry).id;
}

std::string LauncherModel::ChoiceText(Group group) const {
  if (group == Group::None) return {};
  const Choice& choice = ChoiceOf(group);
  return choice.shown ? Caption(choice.entry) : std::string(kNoChoice);
}

bool LauncherModel::TabVisible(Tab tab) const {
  if (tab == Tab::Settings) return settingsTabVisible_;
  if (tab == Tab::Monitoring) return monitoringTabVisible_;
  return true;
}

PasswordDialogTexts LauncherModel::PasswordDialog() const {
  return {Str(Str::PasswordDialogCaption), Str(Str::PasswordDialogPrompt),
          Str(Str::PasswordDialogOk), Str(Str::PasswordDialogCancel)};
}

void LauncherModel::FinishPasswordDialog(std::optional<std::string> typed) {
  // Cancel keeps the password: removing it silently would open the server.
  if (typed) serverPassword_ = WithoutControls(std::move(*typed));
}

JoinEditRequest LauncherModel::JoinAddressChanged(std::string text) {
  // A pasted line break drops out rather than cutting the text: what
  // followed it stays in sight in the boxes instead of vanishing.
  AddressSplit split = SplitJoinAddress(text);
  joinAddress_ = std::move(split.address);
  if (split.port) joinPort_ = std::move(*split.port);
  return TakePassword(std::move(split.password), split.port && joinPort_.empty());
}

JoinEditRequest LauncherModel::JoinPortChanged(std::string text) {
  PortSplit split = SplitJoinPort(text);
  joinPort_ = std::move(split.port);
  return TakePassword(std::move(split.password), false);
}

JoinEditRequest LauncherModel::TakePassword(std::optional<std::string> password, bool portEmpty) {
  if (!password) return {portEmpty, false};
  joinPassword_ = std::move(*password);
  // Typed key by key, the password comes next; pasted whole, the port may.
  return {portEmpty && !joinPassword_.empty(), joinPassword_.empty()};
}

void LauncherModel::JoinPasswordChanged(std::string text) {
  joinPassword_ = WithoutControls(std::move(text));
}

}  // namespace wv
