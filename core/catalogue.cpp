#include "core/catalogue.h"

#include <charconv>
#include <stdexcept>
#include <vector>

namespace wv {

namespace {

using S = Str;
constexpr Str F = kFixedCaption;
constexpr OnClick kSep = OnClick::None;
constexpr Group kNone = Group::None;

// id, on click, group, caption, fixed caption, visible at start, checked at start, section
constexpr CatalogueEntry kGameMode[] = {
    {entry::kCoop, OnClick::Coop, Group::Mode, S::ModeCoop, "", true, true},
    {entry::kVersus, OnClick::Versus, Group::Mode, S::ModeVersus, "", true, false},
    {entry::kCustomMaps, OnClick::CustomMaps, Group::Mode, S::ModeCustom, "", true, false},
};

constexpr CatalogueEntry kCompany[] = {
    {"MenuItem1", OnClick::Campaign, Group::Campaign, S::Campaign1, "", true, true},
    {"MenuItem2", OnClick::Campaign, Group::Campaign, S::Campaign2, "", true, false},
    {"N3", OnClick::Campaign, Group::Campaign, S::Campaign3, "", true, false},
    {"N4", OnClick::Campaign, Group::Campaign, S::Campaign4, "", true, false},
    {"N49", kSep, kNone, F, "-", true, false},
    {entry::kAddonCampaign, OnClick::AddonCampaign, Group::Campaign, S::AddonCampaign, "", false,
     false},
};

constexpr OnClick kCh = OnClick::Chapter;
constexpr OnClick kFl = OnClick::FlaggedMap;
constexpr Group kChG = Group::Chapter;

constexpr CatalogueEntry kMap[] = {
    {"N5", kCh, kChG, S::Chapter1_1, "", true, true},
    {"N6", kCh, kChG, S::Chapter1_2, "", true, false},
    {"N7", kCh, kChG, S::Chapter1_3, "", true, false},
    {"N8", kCh, kChG, S::Chapter1_4, "", true, false},
    {"N9", kCh, kChG, S::Chapter1_5, "", true, false},
    {"N10", kSep, kNone, F, "-", false, false},
    {"N11", kCh, kChG, S::Chapter2_1, "", false, false},
    {"N12", kCh, kChG, S::Chapter2_2, "", false, false},
    {"N13", kCh, kChG, S::Chapter2_3, "", false, false},
    {"N14", kCh, kChG, S::Chapter2_4, "", false, false},
    {"N15", kCh, kChG, S::Chapter2_5, "", false, false},
    {"N16", kSep, kNone, F, "-", false, false},
    {"N17", kCh, kChG, S::Chapter3_1, "", false, false},
    {"N18", kCh, kChG, S::Chapter3_2, "", false, false},
    {"N19", kCh, kChG, S::Chapter3_3, "", false, false},
    {"N20", kCh, kChG, S::Chapter3_4, "", false, false},
    {"N21", kCh, kChG, S::Chapter3_5, "", false, false},
    {"N22", kSep, kNone, F, "-", false, false},
    {"N23", kCh, kChG, S::Chapter4_1, "", false, false},
    {"N24", kCh, kChG, S::Chapter4_2, "", false, false},
    {"N25", kCh, kChG, S::Chapter4_3, "", false, false},
    {"N26", kCh, kChG, S::Chapter4_4, "", false, false},
    {"N27", kCh, kChG, S::Chapter4_5, "", false, false},
    {"N47", kSep, kNone, F, "-", false, false},
    {"Foundry1", kFl, kChG, S::ExtraMap1, "", false, false, "MAP_Foundry"},
    {"Rockfall", kFl, kChG, S::ExtraMap2, "", false, false, "MAP_Rockfall"},
    {"TownSquare1", kFl, kChG, S::ExtraMap3, "", false, false, "MAP_TownSquare"},
    {"N48", kSep, kNone, F, "-", false, false},
    {"custommap1", kFl, kChG, F, "custom_map_1", false, false, "CustomMap1"},
    {"custommap2", kFl, kChG, F, "custom_map_2", false, false, "CustomMap2"},
    {"custommap3", kFl, kChG, F, "custom_map_3", false, false, "CustomMap3"},
    {"custommap4", kFl, kChG, F, "custom_map_4", false, false, "CustomMap4"},
    {"custommap5", kFl, kChG, F, "custom_map_5", false, false, "CustomMap5"},
    {"custommap6", kFl, kChG, F, "custom_map_6", false, false, "CustomMap6"},
    {"custommap7", kFl, kChG, F, "custom_map_7", false, false, "CustomMap7"},
    {"custommap8", kFl, kChG, F, "custom_map_8", false, false, "CustomMap8"},
    {"custommap9", kFl, kChG, F, "custom_map_9", false, false, "CustomMap9"},
    {"custommap10", kFl, kChG, F, "custom_map_10", false, false, "CustomMap10"},
    {"custommap11", kFl, kChG, F, "custom_map_11", false, false, "CustomMap11"},
    {"custommap12", kFl, kChG, F, "custom_map_12", false, false, "CustomMap12"},
    {"custommap13", kFl, kChG, F, "custom_map_13", false, false, "CustomMap13"},
    {"custommap14", kFl, kChG, F, "custom_map_14", false, false, "CustomMap14"},
    {"custommap15", kFl, kChG, F, "custom_map_15", false, false, "CustomMap15"},
    {"custommap16", kFl, kChG, F, "custom_map_16", false, false, "CustomMap16"},
    {"N50", kSep, kNone, F, "-", true, false},
    {"OldQuay", kFl, kChG, F, "Old Quay", false, false, section::kAddon},
    {"HarbourArcades", kFl, kChG, F, "Harbour Arcades", false, false, section::kAddon},
    {"CanneryMarket", kFl, kChG, F, "Cannery Market", false, false, section::kAddon},
    {"TheLights", kFl, kChG, F, "The Lights ", false, false, section::kAddon},
};

constexpr OnClick kCho = OnClick::Choice;

constexpr CatalogueEntry kDifficulty[] = {
    {"N32", kCho, Group::Difficulty, S::Difficulty1, "", true, false},
    {"N33", kCho, Group::Difficulty, S::Difficulty2, "", true, true},
    {"N34", kCho, Group::Difficulty, S::Difficulty3, "", true, false},
    {"N35", kCho, Group::Difficulty, S::Difficulty4, "", true, false},
};

constexpr Group kSl = Group::Slots;
// clang-format off
constexpr CatalogueEntry kSlots[] = {
    {"N110", kCho, kSl, F, "1", true, false},  {"N28", kCho, kSl, F, "2", true, false},
    {"N31", kCho, kSl, F, "3", true, false},   {"N41", kCho, kSl, F, "4", true, false},
    {"N29", kSep, kNone, F, "-", true, false}, {"N51", kCho, kSl, F, "5", true, false},
    {"N61", kCho, kSl, F, "6", true, false},   {"N71", kCho, kSl, F, "7", true, false},
    {entry::kFewestVersusSlots, kCho, kSl, F, "8", true, false},
    {"N30", kSep, kNone, F, "-", true, false},
    {"N91", kCho, kSl, F, "9", true, false},   {"N101", kCho, kSl, F, "10", true, false},
    {"N111", kCho, kSl, F, "11", true, false}, {"N121", kCho, kSl, F, "12", true, false},
    {"N141", kCho, kSl, F, "13", true, false}, {"N142", kCho, kSl, F, "14", true, true},
};
// clang-format on

constexpr Group kPo = Group::Port;
constexpr CatalogueEntry kPort[] = {
    {"N270151", kCho, kPo, F, "27015", true, true},
    {"N270161", kCho, kPo, F, "27016", true, false},
    {"N270171", kCho, kPo, F, "27017", true, false},
    {"N270181", kCho, kPo, F, "27018", true, false},
    {"N270191", kCho, kPo, F, "27019", true, false},
    {"N36", kSep, kNone, F, "-", true, false},
    {"N270201", kCho, kPo, F, "27020", true, false},
    {"N270211", kCho, kPo, F, "27021", true, false},
    {"N270221", kCho, kPo, F, "27022", true, false},
    {"N270231", kCho, kPo, F, "27023", true, false},
    {"N270241", kCho, kPo, F, "27024", true, false},
    {"N270251", kCho, kPo, F, "27025", true, false},
};

constexpr CatalogueEntry kPassword[] = {
    {"N44", OnClick::RemovePassword, kNone, S::PasswordMenuRemove, "", true, false},
    {"N45", OnClick::SetPassword, kNone, S::PasswordMenuSet, "", true, false},
};

constexpr Group kChr = Group::Character;
constexpr CatalogueEntry kName[] = {
    {"N37", kCho, kChr, S::Character1, "", true, true},
    {"N38", kCho, kChr, S::Character2, "", true, false},
    {"N39", kCho, kChr, S::Character3, "", true, false},
    {"N40", kCho, kChr, S::Character4, "", true, false},
    {entry::kInfectedSeparator, kSep, kNone, F, "-", false, false},
    {entry::kInfected, kCho, kChr, S::Character5, "", false, false},
};

}  // namespace

// id, shown in, entries, left button only, {frame, arrow, frame caption, frame tooltip}
// clang-format off
const std::array<CatalogueMenu, 8> kMenus = {{
    {"Menu_GameMode",   "Label1", kGameMode,   true,  {"RzGroupBox1", "RzRapidFireButton1", S::GroupMode,       S::HintMode}},
    {"Menu_Company",    "Label2", kCompany,    true,  {"RzGroupBox2", "RzRapidFireButton2", S::GroupCampaign,   S::HintCampaign}},
    {"Menu_Map",        "Label4", kMap,        false, {"RzGroupBox4", "RzRapidFireButton4", S::GroupChapter,    S::HintChapter}},
    {"Menu_Difficulty", "Label3", kDifficulty, false, {"RzGroupBox3", "RzRapidFireButton3", S::GroupDifficulty, S::HintDifficulty}},
    {"Menu_Slots",      "Label5", kSlots,      false, {"RzGroupBox5", "RzRapidFireButton5", S::GroupSlots,      S::HintSlots}},
    {"Menu_Port",       "Label6", kPort,       false, {"RzGroupBox6", "RzRapidFireButton6", S::GroupPort,       S::HintPort}},
    {"Menu_Password",   "Label7", kPassword,   false, {"RzGroupBox8", "RzRapidFireButton7", S::GroupPassword,   S::HintPassword}},
    {"Menu_Name",       "RzToolButton1", kName},
}};
// clang-format on

const CatalogueMenu& CatalogueMenuOf(std::string_view id) {
  for (const CatalogueMenu& menu : kMenus) {
    if (menu.id == id) return menu;
  }
  throw std::out_of_range("no menu " + std::string(id));
}

const std::array<EntryHint, 1> kEntryHints = {{
    {entry::kCustomMaps, "Дополнительные карты"},
}};

const CatalogueMenu& MenuOf(Group group) {
  for (const CatalogueMenu& menu : kMenus) {
    if (menu.entries.front().group == group) return menu;
  }
  throw std::out_of_range("no menu of the group");
}

const std::array<MapRow, 20> kCoopMaps = {{
    {"N5", "wrv_hospital01_apartment"},
    {"N6", "wrv_hospital02_subway"},
    {"N7", "wrv_hospital03_sewers"},
    {"N8", "wrv_hospital04_interior"},
    {"N9", "wrv_hospital05_rooftop"},
    {"N11", "wrv_smalltown01_caves"},
    {"N12", "wrv_smalltown02_drainage"},
    {"N13", "wrv_smalltown03_ranchhouse"},
    {"N14", "wrv_smalltown04_mainstreet"},
    {"N15", "wrv_smalltown05_houseboat"},
    {"N17", "wrv_airport01_greenhouse"},
    {"N18", "wrv_airport02_offices"},
    {"N19", "wrv_airport03_garage"},
    {"N20", "wrv_airport04_terminal"},
    {"N21", "wrv_airport05_runway"},
    {"N23", "wrv_farm01_hilltop"},
    {"N24", "wrv_farm02_traintunnel"},
    {"N25", "wrv_farm03_bridge"},
    {"N26", "wrv_farm04_barn"},
    {"N27", "wrv_farm05_cornfield"},
}};

const std::array<MapRow, 10> kVersusMaps = {{
    {"N5", "wrv_vs_hospital01_apartment"},
    {"N6", "wrv_vs_hospital02_subway"},
    {"N7", "wrv_vs_hospital03_sewers"},
    {"N8", "wrv_vs_hospital04_interior"},
    {"N9", "wrv_vs_hospital05_rooftop"},
    {"N23", "wrv_vs_farm01_hilltop"},
    {"N24", "wrv_vs_farm02_traintunnel"},
    {"N25", "wrv_vs_farm03_bridge"},
    {"N26", "wrv_vs_farm04_barn"},
    {"N27", "wrv_vs_farm05_cornfield"},
}};

const std::array<ExtraMap, kExtraMapCount> kExtraMaps = {{
    {"Foundry1", "MAP_Foundry", "wrv_foundry"},
    {"Rockfall", "MAP_Rockfall", "wrv_rockfall02"},
    {"TownSquare1", "MAP_TownSquare", "wrv_town_square"},
}};

const std::array<Campaign, 4> kCampaigns = {{
    {"MenuItem1", {"N5", "N6", "N7", "N8", "N9"}},
    {"MenuItem2", {"N11", "N12", "N13", "N14", "N15"}},
    {"N3", {"N17", "N18", "N19", "N20", "N21"}},
    {"N4", {"N23", "N24", "N25", "N26", "N27"}},
}};

const std::array<AddonChapter, 4> kAddonChapters = {{
    {"OldQuay", "Old Quay"},
    {"HarbourArcades", "Harbour Arcades"},
    {"CanneryMarket", "Cannery Market"},
    {"TheLights", "The Lights"},
}};

const std::array<TokenRow, 4> kDifficultyTokens = {{
    {"N32", "+z_difficulty easy "},
    {"N33", "+z_difficulty normal "},
    {"N34", "+z_difficulty hard "},
    {"N35", "+z_difficulty impossible  "},
}};

const std::array<TokenRow, 5> kTeamTokens = {{
    {"N37", "+team_desired \"Survivor Arno\""},
    {"N38", "+team_desired \"Survivor Matthis\""},
    {"N39", "+team_desired \"Survivor Vidar\""},
    {"N40", "+team_desired \"Survivor Wren\""},
    {entry::kInfected, "+team_desired \"Infected\""},
}};

std::string CustomMapEntry(int n) {
  return "custommap" + std::to_string(n);
}
std::string CustomMapSection(int n) {
  return "CustomMap" + std::to_string(n);
}

namespace {

const std::vector<const CatalogueEntry*>& Entries() {
  static const std::vector<const CatalogueEntry*> entries = [] {
    std::vector<const CatalogueEntry*> all;
    for (const CatalogueMenu& menu : kMenus) {
      for (const CatalogueEntry& entry : menu.entries) all.push_back(&entry);
    }
    return all;
  }();
  return entries;
}

}  // namespace

std::size_t CatalogueSize() {
  return Entries().size();
}

const CatalogueEntry& CatalogueAt(std::size_t index) {
  return *Entries().at(index);
}

std::optional<std::size_t> CataloguePlace(std::string_view id) {
  const auto& entries = Entries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i]->id == id) return i;
  }
  return std::nullopt;
}

std::size_t DefaultEntry(Group group) {
  const auto& entries = Entries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i]->group == group && entries[i]->checkedAtStart) return i;
  }
  throw std::out_of_range("no default entry");
}

bool PlaysVersus(const Campaign& campaign) {
  for (const MapRow& row : kVersusMaps) {
    if (row.entry == campaign.chapters[0]) return true;
  }
  return false;
}

int CustomMapNumber(std::string_view id) {
  for (int n = 1; n <= kCustomMapCount; ++n) {
    if (CustomMapEntry(n) == id) return n;
  }
  return 0;
}

int SlotCount(std::string_view id) {
  const CatalogueEntry& entry = CatalogueAt(CataloguePlace(id).value());
  int count = 0;
  std::from_chars(entry.fixedCaption.data(), entry.fixedCaption.data() + entry.fixedCaption.size(),
                  count);
  return count;
}

}  // namespace wv
