#include "core/remembered_choices.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "core/catalogue.h"
#include "core/settings_keys.h"

namespace wv {

namespace {

constexpr std::string_view kCustomMapGroup = "customMap";

// In restoring order: a mode's cascade sets the campaign and chapter
// defaults that the later lines may replace.
constexpr std::array<std::pair<Group, std::string_view>, 7> kRemembered = {{
    {Group::Mode, "mode"},
    {Group::Campaign, "campaign"},
    {Group::Chapter, "chapter"},
    {Group::Difficulty, "difficulty"},
    {Group::Slots, "slots"},
    {Group::Port, "port"},
    {Group::Character, "character"},
}};

std::optional<std::string> FileNameOf(const LauncherModel& model, std::size_t index) {
  return Find(model.Settings(), key::kFileName.In(kCustomMapSections[index]));
}

}  // namespace

std::vector<RememberedChoice> ChoicesToRemember(const LauncherModel& model) {
  std::vector<RememberedChoice> choices;
  for (const auto& [group, name] : kRemembered) {
    const std::optional<std::string_view> shown = model.Shown(group);
    if (!shown) continue;
    bool custom = false;
    for (std::size_t i = 0; i < kCustomMapCount && group == Group::Chapter; ++i) {
      if (*shown != CustomMapEntry(static_cast<int>(i + 1))) continue;
      custom = true;
      if (const auto file = FileNameOf(model, i); file && !file->empty()) {
        choices.push_back({std::string(kCustomMapGroup), *file});
      }
    }
    if (!custom) choices.push_back({std::string(name), std::string(*shown)});
  }
  return choices;
}

void RestoreChoices(LauncherModel& model, const std::vector<RememberedChoice>& choices) {
  for (const RememberedChoice& choice : choices) {
    Group group = Group::None;
    std::string id = choice.id;
    if (choice.group == kCustomMapGroup) {
      group = Group::Chapter;
      id.clear();
      for (std::size_t i = 0; i < kCustomMapCount && id.empty(); ++i) {
        if (FileNameOf(model, i) == choice.id) id = CustomMapEntry(static_cast<int>(i + 1));
      }
    } else {
      for (const auto& [remembered, name] : kRemembered) {
        if (name == choice.group) group = remembered;
      }
    }
    if (group == Group::None || id.empty() || !CataloguePlace(id)) continue;
    const MenuEntry entry = model.Entry(id);
    if (entry.group == group && entry.visible) model.ChooseEntry(id);
  }
}

}  // namespace wv
