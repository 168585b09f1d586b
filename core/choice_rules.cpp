// The game rules that keep mode, campaign, chapter and character consistent.
#include <charconv>

#include "core/launcher_model.h"
#include "core/text.h"

namespace wv {

namespace {

constexpr std::string_view kSurvivors[] = {"N37", "N38", "N39", "N40"};

// A slots text counts only when it is a whole decimal number.
bool ParseWholeNumber(std::string_view text, long long& value) {
  if (text.empty()) return false;
  const char* first = text.data();
  if (*first == '+') ++first;
  auto [end, ec] = std::from_chars(first, text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

const Campaign* BuiltInCampaign(std::string_view id) {
  for (const Campaign& c : kCampaigns) {
    if (c.entry == id) return &c;
  }
  return nullptr;
}

}  // namespace

void LauncherModel::ChooseEntry(std::string_view id) {
  // The cascade below reads many keys; they share one reading of the file.
  const SettingsReader::ActionScope action(settings_);
  MenuEntry& entry = Entry(id);
  switch (entry.onClick) {
    case OnClick::None:
    case OnClick::SetPassword:  // the window asks, then calls FinishPasswordDialog
      return;
    case OnClick::Coop:
      return ChooseCoop();
    case OnClick::Versus:
      return ChooseVersus();
    case OnClick::CustomMaps:
      return ChooseCustomMaps();
    case OnClick::Campaign:
      return ChooseCampaign(entry);
    case OnClick::AddonCampaign:
      return ChooseAddonCampaign();
    case OnClick::Chapter:
    case OnClick::Choice:
      return ChoiceStep(entry);
    case OnClick::FlaggedMap:
      return ChooseFlaggedMap(entry);
    case OnClick::RemovePassword:
      serverPassword.clear();
      SetText("Label7", Str(Str::PasswordNone));
      return;
  }
}

void LauncherModel::ChoiceStep(MenuEntry& entry) {
  SetText(ShownIn(entry.group), entry.caption);
  UncheckGroup(entry.group);
  entry.checked = true;
}

void LauncherModel::ChooseCoop() {
  HideExtraMaps();
  UncheckGroup(Group::Mode);
  Entry("N1").checked = true;
  if (Text("Label2") == kNoChoice) ChooseEntry("MenuItem1");
  SetText("Label1", Str(Str::ModeCoop));
  for (const Campaign& c : kCampaigns) SetVisible(c.entry, true);
  if (settings_.ReadYesNo(section::kAddon, "Visible", "No")) SetVisible("GreyTideRising2", true);
  for (std::string_view s : kSurvivors) SetVisible(s, true);
  WithdrawInfectedTeam();
}

void LauncherModel::ChooseVersus() {
  HideExtraMaps();
  ChoiceStep(Entry("N2"));
  SetVisible("MenuItem1", true);
  SetVisible("N4", true);
  long long slots = 0;
  if (!ParseWholeNumber(Text("Label5"), slots) || slots < 8) ChooseEntry("N81");
  SetVisible("MenuItem2", false);
  SetVisible("N3", false);
  if (settings_.ReadYesNo(section::kAddon, "Versus", "No")) {
    SetVisible("GreyTideRising2", true);
  } else {
    SetVisible("GreyTideRising2", false);
    if (Shows("Label2", "GreyTideRising2")) ChooseEntry("MenuItem1");
  }
  if (Shows("Label2", "MenuItem2") || Shows("Label2", "N3") || Text("Label2") == kNoChoice) {
    ChooseEntry("MenuItem1");
  }
  // Only an explicit "No" withdraws the add-on campaign here; an empty value keeps it.
  if (Shows("Label2", "GreyTideRising2") &&
      EqualsIgnoringAsciiCase(settings_.ReadText(section::kAddon, "Visible", "No"), "NO")) {
    ChooseEntry("MenuItem1");
  }
  for (std::string_view s : kSurvivors) SetVisible(s, true);
  OfferInfectedTeam();
}

void LauncherModel::ChooseCustomMaps() {
  ChoiceStep(Entry("N46"));
  SetText("Label2", std::string(kNoChoice));
  for (const Campaign& c : kCampaigns) {
    SetVisible(c.entry, false);
    for (std::string_view chapter : c.chapters) SetVisible(chapter, false);
  }
  ShowEnabledExtraMaps();
  SetText("Label4", std::string(kNoChoice));
  auto offer = [this](std::string_view id) {
    if (Text("Label4") == kNoChoice && Entry(id).visible) ChooseEntry(id);
  };
  for (const ExtraMap& map : kExtraMaps) offer(map.entry);
  for (int n = 1; n <= kCustomMapCount; ++n) offer(CustomMapEntry(n));
}

void LauncherModel::ChooseCampaign(MenuEntry& entry) {
  const Campaign* campaign = BuiltInCampaign(entry.id);
  ChoiceStep(entry);
  bool chapterOfCampaign = false;
  for (std::string_view c : campaign->chapters) chapterOfCampaign |= Shows("Label4", c);
  if (!chapterOfCampaign) ChooseEntry(campaign->chapters[0]);
  HideCampaignChapters();
  for (std::string_view c : campaign->chapters) SetVisible(c, true);
}

void LauncherModel::ChooseAddonCampaign() {
  ChoiceStep(Entry("GreyTideRising2"));
  HideCampaignChapters();
  bool chapterOfAddon = false;
  for (const AddonChapter& c : kAddonChapters) {
    SetVisible(c.entry, true);
    chapterOfAddon |= Shows("Label4", c.entry);
  }
  if (!chapterOfAddon) ChooseEntry(kAddonChapters[0].entry);
}

void LauncherModel::ChooseFlaggedMap(MenuEntry& entry) {
  ChoiceStep(entry);
  if (settings_.ReadYesNo(entry.section, "Versus", "No")) {
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
    if (settings_.ReadYesNo(map.section, "Visible", "No")) SetVisible(map.entry, true);
  }
  for (int n = 1; n <= kCustomMapCount; ++n) {
    const std::string section = CustomMapSection(n);
    std::string name = settings_.ReadText(section, "Map name", "");
    if (name.empty() || settings_.ReadText(section, "File name", "").empty()) continue;
    MenuEntry& entry = Entry(CustomMapEntry(n));
    entry.visible = true;
    entry.caption = std::move(name);
  }
}

void LauncherModel::OfferInfectedTeam() {
  SetVisible("N42", true);
  SetVisible("N43", true);
}

void LauncherModel::WithdrawInfectedTeam() {
  SetVisible("N42", false);
  SetVisible("N43", false);
  if (Shows("RzToolButton1", "N43")) ChooseEntry("N37");
}

}  // namespace wv
