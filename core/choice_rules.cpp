// The game rules that keep mode, campaign, chapter and character consistent.
#include "core/launcher_model.h"
#include "core/settings_keys.h"

namespace wv {

namespace {

const Campaign* BuiltInCampaign(std::string_view id) {
  for (const Campaign& c : kCampaigns) {
    if (c.entry == id) return &c;
  }
  return nullptr;
}

// The default character and the others of the survivors' team.
template <typename F>
void ForEachSurvivor(F&& f) {
  for (std::size_t i = 0; i < CatalogueSize(); ++i) {
    const CatalogueEntry& e = CatalogueAt(i);
    if (e.group == Group::Character && e.id != entry::kInfected) f(e.id);
  }
}

}  // namespace

void LauncherModel::ChooseEntry(std::string_view id) {
  // The cascade below reads many keys; they share one reading of the file.
  const SettingsReader::ActionScope action(settings_);
  const std::size_t place = Place(id);
  switch (CatalogueAt(place).onClick) {
    case OnClick::None:
    case OnClick::Notice:
    case OnClick::SetPassword:  // the window asks, then calls FinishPasswordDialog
      return;
    case OnClick::Coop:
      return ChooseCoop();
    case OnClick::Versus:
      return ChooseVersus();
    case OnClick::CustomMaps:
      return ChooseCustomMaps();
    case OnClick::Campaign:
      return ChooseCampaign(place);
    case OnClick::AddonCampaign:
      return ChooseAddonCampaign();
    case OnClick::Chapter:
    case OnClick::Choice:
      return ChoiceStep(place);
    case OnClick::FlaggedMap:
      return ChooseFlaggedMap(place);
    case OnClick::RemovePassword:
      serverPassword_.clear();
      return;
  }
}

void LauncherModel::ChoiceStep(std::size_t place) {
  ChoiceOf(CatalogueAt(place).group) = {place, true};
}

void LauncherModel::ChooseCoop() {
  HideExtraMaps();
  ChoiceStep(Place(entry::kCoop));
  if (!Shown(Group::Campaign)) ChooseEntry(kCampaigns[0].entry);
  for (const Campaign& c : kCampaigns) SetVisible(c.entry, true);
  if (ReadAddonVisibility(settings_) == AddonVisibility::Offered) {
    SetVisible(entry::kAddonCampaign, true);
  }
  ForEachSurvivor([this](std::string_view id) { SetVisible(id, true); });
  WithdrawInfectedTeam();
}

void LauncherModel::ChooseVersus() {
  HideExtraMaps();
  ChoiceStep(Place(entry::kVersus));
  for (const Campaign& c : kCampaigns) SetVisible(c.entry, PlaysVersus(c));
  if (SlotCount(Checked(Group::Slots)) < SlotCount(entry::kFewestVersusSlots)) {
    ChooseEntry(entry::kFewestVersusSlots);
  }
  const bool addonVersus = Read(settings_, key::kVersus.In(section::kAddon));
  SetVisible(entry::kAddonCampaign, addonVersus);
  if (!addonVersus && ShowsCaptionOf(Group::Campaign, entry::kAddonCampaign)) {
    ChooseEntry(kCampaigns[0].entry);
  }
  bool withoutVersus = !Shown(Group::Campaign);
  for (const Campaign& c : kCampaigns) {
    withoutVersus |= !PlaysVersus(c) && ShowsCaptionOf(Group::Campaign, c.entry);
  }
  if (withoutVersus) ChooseEntry(kCampaigns[0].entry);
  if (ShowsCaptionOf(Group::Campaign, entry::kAddonCampaign) &&
      ReadAddonVisibility(settings_) == AddonVisibility::Withdrawn) {
    ChooseEntry(kCampaigns[0].entry);
  }
  ForEachSurvivor([this](std::string_view id) { SetVisible(id, true); });
  OfferInfectedTeam();
}

void LauncherModel::ChooseCustomMaps() {
  ChoiceStep(Place(entry::kCustomMaps));
  ChoiceOf(Group::Campaign).shown = false;
  for (const Campaign& c : kCampaigns) {
    SetVisible(c.entry, false);
    for (std::string_view chapter : c.chapters) SetVisible(chapter, false);
  }
  ShowEnabledExtraMaps();
  ChoiceOf(Group::Chapter).shown = false;
  auto offer = [this](std::string_view id) {
    if (!Shown(Group::Chapter) && Visible(id)) ChooseEntry(id);
  };
  for (const ExtraMap& map : kExtraMaps) offer(map.entry);
  for (int n = 1; n <= kCustomMapCount; ++n) offer(CustomMapEntry(n));
}

void LauncherModel::ChooseCampaign(std::size_t place) {
  const Campaign& campaign = *BuiltInCampaign(CatalogueAt(place).id);
  ChoiceStep(place);
  if (!MatchChapterCaption(campaign.chapters)) ChooseEntry(campaign.chapters[0]);
  HideCampaignChapters();
  for (std::string_view c : campaign.chapters) SetVisible(c, true);
}

void LauncherModel::ChooseAddonCampaign() {
  ChoiceStep(Place(entry::kAddonCampaign));
  HideCampaignChapters();
  std::array<std::string_view, kAddonChapters.size()> chapters;
  for (std::size_t i = 0; i < chapters.size(); ++i) {
    chapters[i] = kAddonChapters[i].entry;
    SetVisible(chapters[i], true);
  }
  if (!MatchChapterCaption(chapters)) ChooseEntry(kAddonChapters[0].entry);
}

// The chapter stays while the chapter box shows one of these captions; the
// choice then becomes the chapter whose caption it shows, whichever entry
// gave the text (a custom map named like a chapter plays that chapter).
bool LauncherModel::MatchChapterCaption(std::span<const std::string_view> chapters) {
  for (std::string_view chapter : chapters) {
    if (!ShowsCaptionOf(Group::Chapter, chapter)) continue;
    ChoiceStep(Place(chapter));
    return true;
  }
  return false;
}

bool LauncherModel::ShowsCaptionOf(Group group, std::string_view id) const {
  return ChoiceText(group) == Caption(Place(id));
}

void LauncherModel::ChooseFlaggedMap(std::size_t place) {
  ChoiceStep(place);
  if (Read(settings_, CatalogueAt(place).versusFlag)) {
    OfferInfectedTeam();
  } else {
    WithdrawInfectedTeam();
  }
}

void LauncherModel::HideCampaignChapters() {
  for (const Campaign& c : kCampaigns) {
    for (std::string_view chapter : c.chapters) SetVisible(chapter, false);
  }
  for (const AddonChapter& chapter : kAddonChapters) SetVisible(chapter.entry, false);
}

void LauncherModel::HideExtraMaps() {
  for (const ExtraMap& map : kExtraMaps) SetVisible(map.entry, false);
  for (int n = 1; n <= kCustomMapCount; ++n) SetVisible(CustomMapEntry(n), false);
}

void LauncherModel::ShowEnabledExtraMaps() {
  for (const ExtraMap& map : kExtraMaps) {
    if (Read(settings_, key::kVisible.In(map.section))) SetVisible(map.entry, true);
  }
  for (int n = 1; n <= kCustomMapCount; ++n) {
    const CustomMapSection& section = kCustomMapSections[n - 1];
    std::string name = Read(settings_, key::kMapName.In(section));
    // Offered only with both names; a missing file name is no name here.
    if (name.empty() || Find(settings_, key::kFileName.In(section)).value_or("").empty()) continue;
    SetVisible(CustomMapEntry(n), true);
    customMapNames_[n - 1] = std::move(name);
  }
}

void LauncherModel::OfferInfectedTeam() {
  SetVisible(entry::kInfectedSeparator, true);
  SetVisible(entry::kInfected, true);
}

void LauncherModel::WithdrawInfectedTeam() {
  SetVisible(entry::kInfectedSeparator, false);
  SetVisible(entry::kInfected, false);
  if (ShowsCaptionOf(Group::Character, entry::kInfected)) {
    ChoiceStep(DefaultEntry(Group::Character));
  }
}

}  // namespace wv
