#include "core/catalogue.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <vector>

namespace wv {

namespace {

using S = Str;

// Short names that keep each row on one line.
constexpr OnClick kChapter = OnClick::Chapter;
constexpr OnClick kFlagged = OnClick::FlaggedMap;
constexpr Group kChapters = Group::Chapter;

constexpr CatalogueEntry Separator(std::string_view id, bool visibleAtStart) {
  return {.id = id, .fixedCaption = "-", .visibleAtStart = visibleAtStart};
}

// clang-format off
constexpr CatalogueEntry kModeRows[] = {
    {.id = entry::kCoop,       .onClick = OnClick::Coop,       .group = Group::Mode, .caption = S::ModeCoop,   .visibleAtStart = true, .checkedAtStart = true},
    {.id = entry::kVersus,     .onClick = OnClick::Versus,     .group = Group::Mode, .caption = S::ModeVersus, .visibleAtStart = true},
    {.id = entry::kCustomMaps, .onClick = OnClick::CustomMaps, .group = Group::Mode, .caption = S::ModeCustom, .visibleAtStart = true},
};

constexpr CatalogueEntry kCampaignRows[] = {
    {.id = entry::kLastWard,       .onClick = OnClick::Campaign,      .group = Group::Campaign, .caption = S::Campaign1,     .visibleAtStart = true, .checkedAtStart = true},
    {.id = entry::kStoneBell,      .onClick = OnClick::Campaign,      .group = Group::Campaign, .caption = S::Campaign2,     .visibleAtStart = true},
    {.id = entry::kStillWind,      .onClick = OnClick::Campaign,      .group = Group::Campaign, .caption = S::Campaign3,     .visibleAtStart = true},
    {.id = entry::kRedFurrow,      .onClick = OnClick::Campaign,      .group = Group::Campaign, .caption = S::Campaign4,     .visibleAtStart = true},
    Separator("afterRedFurrow", true),
    {.id = entry::kAddonCampaign,  .onClick = OnClick::AddonCampaign, .group = Group::Campaign, .caption = S::AddonCampaign},
};

// Chapters with their engine maps (versus only where the campaign plays it),
// then the extra maps with their own sections. The custom maps and the
// add-on's chapters follow them in the menu.
constexpr CatalogueEntry kBuiltInChapterRows[] = {
    {.id = "apartments",  .onClick = kChapter, .group = kChapters, .caption = S::Chapter1_1, .visibleAtStart = true, .checkedAtStart = true, .coopMap = "wrv_hospital01_apartment", .versusMap = "wrv_vs_hospital01_apartment", .campaign = entry::kLastWard},
    {.id = "subway",  .onClick = kChapter, .group = kChapters, .caption = S::Chapter1_2, .visibleAtStart = true, .coopMap = "wrv_hospital02_subway", .versusMap = "wrv_vs_hospital02_subway", .campaign = entry::kLastWard},
    {.id = "sewer",  .onClick = kChapter, .group = kChapters, .caption = S::Chapter1_3, .visibleAtStart = true, .coopMap = "wrv_hospital03_sewers", .versusMap = "wrv_vs_hospital03_sewers", .campaign = entry::kLastWard},
    {.id = "hospital",  .onClick = kChapter, .group = kChapters, .caption = S::Chapter1_4, .visibleAtStart = true, .coopMap = "wrv_hospital04_interior", .versusMap = "wrv_vs_hospital04_interior", .campaign = entry::kLastWard},
    {.id = "rooftops",  .onClick = kChapter, .group = kChapters, .caption = S::Chapter1_5, .visibleAtStart = true, .coopMap = "wrv_hospital05_rooftop", .versusMap = "wrv_vs_hospital05_rooftop", .campaign = entry::kLastWard},
    Separator("afterLastWardChapters", false),
    {.id = "turnpike", .onClick = kChapter, .group = kChapters, .caption = S::Chapter2_1, .coopMap = "wrv_smalltown01_caves", .campaign = entry::kStoneBell},
    {.id = "drains", .onClick = kChapter, .group = kChapters, .caption = S::Chapter2_2, .coopMap = "wrv_smalltown02_drainage", .campaign = entry::kStoneBell},
    {.id = "church", .onClick = kChapter, .group = kChapters, .caption = S::Chapter2_3, .coopMap = "wrv_smalltown03_ranchhouse", .campaign = entry::kStoneBell},
    {.id = "town", .onClick = kChapter, .group = kChapters, .caption = S::Chapter2_4, .coopMap = "wrv_smalltown04_mainstreet", .campaign = entry::kStoneBell},
    {.id = "boathouse", .onClick = kChapter, .group = kChapters, .caption = S::Chapter2_5, .coopMap = "wrv_smalltown05_houseboat", .campaign = entry::kStoneBell},
    Separator("afterStoneBellChapters", false),
    {.id = "greenhouse", .onClick = kChapter, .group = kChapters, .caption = S::Chapter3_1, .coopMap = "wrv_airport01_greenhouse", .campaign = entry::kStillWind},
    {.id = "crane", .onClick = kChapter, .group = kChapters, .caption = S::Chapter3_2, .coopMap = "wrv_airport02_offices", .campaign = entry::kStillWind},
    {.id = "constructionSite", .onClick = kChapter, .group = kChapters, .caption = S::Chapter3_3, .coopMap = "wrv_airport03_garage", .campaign = entry::kStillWind},
    {.id = "terminal", .onClick = kChapter, .group = kChapters, .caption = S::Chapter3_4, .coopMap = "wrv_airport04_terminal", .campaign = entry::kStillWind},
    {.id = "runway", .onClick = kChapter, .group = kChapters, .caption = S::Chapter3_5, .coopMap = "wrv_airport05_runway", .campaign = entry::kStillWind},
    Separator("afterStillWindChapters", false),
    {.id = "woods", .onClick = kChapter, .group = kChapters, .caption = S::Chapter4_1, .coopMap = "wrv_farm01_hilltop", .versusMap = "wrv_vs_farm01_hilltop", .campaign = entry::kRedFurrow},
    {.id = "tunnel", .onClick = kChapter, .group = kChapters, .caption = S::Chapter4_2, .coopMap = "wrv_farm02_traintunnel", .versusMap = "wrv_vs_farm02_traintunnel", .campaign = entry::kRedFurrow},
    {.id = "bridge", .onClick = kChapter, .group = kChapters, .caption = S::Chapter4_3, .coopMap = "wrv_farm03_bridge", .versusMap = "wrv_vs_farm03_bridge", .campaign = entry::kRedFurrow},
    {.id = "trainStation", .onClick = kChapter, .group = kChapters, .caption = S::Chapter4_4, .coopMap = "wrv_farm04_barn", .versusMap = "wrv_vs_farm04_barn", .campaign = entry::kRedFurrow},
    {.id = "farmhouse", .onClick = kChapter, .group = kChapters, .caption = S::Chapter4_5, .coopMap = "wrv_farm05_cornfield", .versusMap = "wrv_vs_farm05_cornfield", .campaign = entry::kRedFurrow},
    Separator("afterRedFurrowChapters", false),
    {.id = "foundry", .onClick = kFlagged, .group = kChapters, .caption = S::ExtraMap1, .versusFlag = key::kVersus.In(ExtraMapSection{"MAP_Foundry"}), .defaultMap = "wrv_foundry"},
    {.id = "rockfall", .onClick = kFlagged, .group = kChapters, .caption = S::ExtraMap2, .versusFlag = key::kVersus.In(ExtraMapSection{"MAP_Rockfall"}), .defaultMap = "wrv_rockfall02"},
    {.id = "townSquare", .onClick = kFlagged, .group = kChapters, .caption = S::ExtraMap3, .versusFlag = key::kVersus.In(ExtraMapSection{"MAP_TownSquare"}), .defaultMap = "wrv_town_square"},
    Separator("afterExtraMaps", false),
};

constexpr CatalogueEntry kAddonChapterRows[] = {
    Separator("beforeAddonChapters", true),
    {.id = "oldQuay", .onClick = kFlagged, .group = kChapters, .fixedCaption = "Old Quay", .campaign = entry::kAddonCampaign, .versusFlag = key::kVersus.In(section::kAddon), .mapKey = "Old Quay"},
    {.id = "harbourArcades", .onClick = kFlagged, .group = kChapters, .fixedCaption = "Harbour Arcades", .campaign = entry::kAddonCampaign, .versusFlag = key::kVersus.In(section::kAddon), .mapKey = "Harbour Arcades"},
    {.id = "canneryMarket", .onClick = kFlagged, .group = kChapters, .fixedCaption = "Cannery Market", .campaign = entry::kAddonCampaign, .versusFlag = key::kVersus.In(section::kAddon), .mapKey = "Cannery Market"},
    {.id = "theLights", .onClick = kFlagged, .group = kChapters, .fixedCaption = "The Lights ", .campaign = entry::kAddonCampaign, .versusFlag = key::kVersus.In(section::kAddon), .mapKey = "The Lights"},
};
// clang-format on

constexpr std::array<CatalogueEntry, kCustomMapCount> CustomMapRows() {
  std::array<CatalogueEntry, kCustomMapCount> rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    rows[i] = {.id = detail::kCustomMapIds[i],
               .onClick = OnClick::FlaggedMap,
               .group = Group::Chapter,
               .fixedCaption = detail::kCustomMapCaptions[i],
               .versusFlag = key::kVersus.In(kCustomMapSections[i])};
  }
  return rows;
}

template <std::size_t... Sizes>
constexpr auto Joined(const std::array<CatalogueEntry, Sizes>&... parts) {
  std::array<CatalogueEntry, (Sizes + ...)> rows;
  std::size_t next = 0;
  ((std::copy(parts.begin(), parts.end(), rows.begin() + next), next += Sizes), ...);
  return rows;
}

// Chapters, extra maps, custom maps, then the add-on's chapters.
constexpr auto kChapterRows =
    Joined(std::to_array(kBuiltInChapterRows), CustomMapRows(), std::to_array(kAddonChapterRows));

// A slots or port entry: captioned by its number.
constexpr CatalogueEntry Numeric(std::string_view id, Group group, std::string_view number,
                                 bool checkedAtStart = false) {
  return {.id = id,
          .onClick = OnClick::Choice,
          .group = group,
          .fixedCaption = number,
          .visibleAtStart = true,
          .checkedAtStart = checkedAtStart};
}

// The difficulty options end in blank(s); the character's do not.
// clang-format off
constexpr CatalogueEntry kDifficultyRows[] = {
    {.id = "easy", .onClick = OnClick::Choice, .group = Group::Difficulty, .caption = S::Difficulty1, .visibleAtStart = true,                         .token = "+z_difficulty easy "},
    {.id = "normal", .onClick = OnClick::Choice, .group = Group::Difficulty, .caption = S::Difficulty2, .visibleAtStart = true, .checkedAtStart = true, .token = "+z_difficulty normal "},
    {.id = "hard", .onClick = OnClick::Choice, .group = Group::Difficulty, .caption = S::Difficulty3, .visibleAtStart = true,                         .token = "+z_difficulty hard "},
    {.id = "impossible", .onClick = OnClick::Choice, .group = Group::Difficulty, .caption = S::Difficulty4, .visibleAtStart = true,                         .token = "+z_difficulty impossible  "},
};

constexpr Group kSl = Group::Slots;
constexpr CatalogueEntry kSlotRows[] = {
    Numeric("slots1", kSl, "1"),  Numeric("slots2", kSl, "2"),   Numeric("slots3", kSl, "3"),
    Numeric("slots4", kSl, "4"),   Separator("afterSlots4", true),     Numeric("slots5", kSl, "5"),
    Numeric("slots6", kSl, "6"),   Numeric("slots7", kSl, "7"),   Numeric(entry::kFewestVersusSlots, kSl, "8"),
    Separator("afterSlots8", true),     Numeric("slots9", kSl, "9"),   Numeric("slots10", kSl, "10"),
    Numeric("slots11", kSl, "11"), Numeric("slots12", kSl, "12"), Numeric("slots13", kSl, "13"),
    Numeric("slots14", kSl, "14", true),
};

constexpr Group kPo = Group::Port;
constexpr CatalogueEntry kPortRows[] = {
    Numeric("port27015", kPo, "27015", true), Numeric("port27016", kPo, "27016"),
    Numeric("port27017", kPo, "27017"),       Numeric("port27018", kPo, "27018"),
    Numeric("port27019", kPo, "27019"),       Separator("afterPort27019", true),
    Numeric("port27020", kPo, "27020"),       Numeric("port27021", kPo, "27021"),
    Numeric("port27022", kPo, "27022"),       Numeric("port27023", kPo, "27023"),
    Numeric("port27024", kPo, "27024"),       Numeric("port27025", kPo, "27025"),
};

constexpr CatalogueEntry kPasswordRows[] = {
    {.id = entry::kRemovePassword, .onClick = OnClick::RemovePassword, .caption = S::PasswordMenuRemove, .visibleAtStart = true},
    {.id = entry::kSetPassword,    .onClick = OnClick::SetPassword,    .caption = S::PasswordMenuSet,    .visibleAtStart = true},
};

constexpr Group kChr = Group::Character;
constexpr CatalogueEntry kCharacterRows[] = {
    {.id = "arno",            .onClick = OnClick::Choice, .group = kChr, .caption = S::Character1, .visibleAtStart = true, .checkedAtStart = true, .token = "+team_desired \"Survivor Arno\""},
    {.id = "matthis",            .onClick = OnClick::Choice, .group = kChr, .caption = S::Character2, .visibleAtStart = true,                         .token = "+team_desired \"Survivor Matthis\""},
    {.id = "vidar",            .onClick = OnClick::Choice, .group = kChr, .caption = S::Character3, .visibleAtStart = true,                         .token = "+team_desired \"Survivor Vidar\""},
    {.id = "wren",            .onClick = OnClick::Choice, .group = kChr, .caption = S::Character4, .visibleAtStart = true,                         .token = "+team_desired \"Survivor Wren\""},
    Separator(entry::kInfectedSeparator, false),
    {.id = entry::kInfected, .onClick = OnClick::Choice, .group = kChr, .caption = S::Character5,                                                 .token = "+team_desired \"Infected\""},
};
// clang-format on

// Every menu's rows, in the order of kMenus.
constexpr std::array<std::span<const CatalogueEntry>, 8> kMenuRows = {
    kModeRows, kCampaignRows, kChapterRows,  kDifficultyRows,
    kSlotRows, kPortRows,     kPasswordRows, kCharacterRows,
};

template <typename Test>
constexpr std::size_t CountRows(Test test) {
  std::size_t count = 0;
  for (std::span<const CatalogueEntry> rows : kMenuRows) {
    for (const CatalogueEntry& row : rows) count += test(row) ? 1 : 0;
  }
  return count;
}

constexpr bool IdsUnique() {
  return std::ranges::all_of(kMenuRows, [](std::span<const CatalogueEntry> rows) {
    return std::ranges::all_of(rows, [](const CatalogueEntry& row) {
      return CountRows([&row](const CatalogueEntry& other) { return other.id == row.id; }) == 1;
    });
  });
}
static_assert(IdsUnique(), "an id names one entry");

constexpr bool OneDefaultPerGroup() {
  for (std::size_t g = 1; g < kGroupCount; ++g) {
    const auto group = static_cast<Group>(g);
    if (CountRows([group](const CatalogueEntry& row) {
          return row.group == group && row.checkedAtStart;
        }) != 1) {
      return false;
    }
  }
  return true;
}
static_assert(OneDefaultPerGroup(), "each group starts with one choice");

// A menu holds the entries of one group, and separators.
constexpr bool MenusOfOneGroup() {
  return std::ranges::all_of(kMenuRows, [](std::span<const CatalogueEntry> rows) {
    const Group group = rows.front().group;
    return std::ranges::all_of(rows, [group](const CatalogueEntry& row) {
      return row.group == group || row.onClick == OnClick::None;
    });
  });
}
static_assert(MenusOfOneGroup());

// The chapters of a campaign, in the order of the chapter menu.
template <std::size_t N>
constexpr std::array<std::string_view, N> ChaptersOf(std::string_view campaign) {
  std::array<std::string_view, N> chapters{};
  std::size_t n = 0;
  for (const CatalogueEntry& row : kChapterRows) {
    if (row.campaign == campaign && n < N) chapters[n++] = row.id;
  }
  return chapters;
}

constexpr std::size_t ChapterCount(std::string_view campaign) {
  return CountRows([campaign](const CatalogueEntry& row) { return row.campaign == campaign; });
}

// A campaign plays versus with all of its chapters or with none.
constexpr bool VersusWhole(std::string_view campaign) {
  const std::size_t withVersus = CountRows([campaign](const CatalogueEntry& row) {
    return row.campaign == campaign && !row.versusMap.empty();
  });
  return withVersus == 0 || withVersus == ChapterCount(campaign);
}

constexpr bool CampaignsWhole() {
  return std::ranges::all_of(kCampaignRows, [](const CatalogueEntry& row) {
    return row.onClick != OnClick::Campaign || (ChapterCount(row.id) == 5 && VersusWhole(row.id) &&
                                                ChaptersOf<5>(row.id)[0] != std::string_view{});
  });
}
static_assert(CampaignsWhole(), "each campaign has five chapters, all with versus or none");
static_assert(ChapterCount(entry::kAddonCampaign) == 4);

// The chapter menu lists the campaigns' chapters in the campaign menu's order.
constexpr bool ChaptersInCampaignOrder() {
  std::size_t campaign = 0;
  for (const CatalogueEntry& row : kChapterRows) {
    if (row.campaign.empty()) continue;
    while (campaign < std::size(kCampaignRows) && kCampaignRows[campaign].id != row.campaign) {
      ++campaign;
    }
    if (campaign == std::size(kCampaignRows)) return false;
  }
  return true;
}
static_assert(ChaptersInCampaignOrder());

template <std::size_t N, typename Row, typename Test, typename Make>
constexpr std::array<Row, N> Collect(Test test, Make make) {
  std::array<Row, N> rows{};
  std::size_t n = 0;
  for (std::span<const CatalogueEntry> menu : kMenuRows) {
    for (const CatalogueEntry& row : menu) {
      if (!test(row)) continue;
      if (n == N) throw std::logic_error("more rows than the table holds");
      rows[n++] = make(row);
    }
  }
  if (n != N) throw std::logic_error("fewer rows than the table holds");
  return rows;
}

}  // namespace

// id, entries, left button only, {frame caption, frame tooltip}
// clang-format off
const std::array<CatalogueMenu, 8> kMenus = {{
    {"modeMenu",       kMenuRows[0], true,  {S::GroupMode,       S::HintMode}},
    {"campaignMenu",   kMenuRows[1], true,  {S::GroupCampaign,   S::HintCampaign}},
    {"mapMenu",        kMenuRows[2], false, {S::GroupChapter,    S::HintChapter}},
    {"difficultyMenu", kMenuRows[3], false, {S::GroupDifficulty, S::HintDifficulty}},
    {"slotsMenu",      kMenuRows[4], false, {S::GroupSlots,      S::HintSlots}},
    {"portMenu",       kMenuRows[5], false, {S::GroupPort,       S::HintPort}},
    {"passwordMenu",   kMenuRows[6], false, {S::GroupPassword,   S::HintPassword}},
    {"characterMenu",  kMenuRows[7]},
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

constexpr std::array<ExtraMap, kExtraMapCount> kExtraMaps = Collect<kExtraMapCount, ExtraMap>(
    [](const CatalogueEntry& row) { return !row.defaultMap.empty(); },
    [](const CatalogueEntry& row) {
      return ExtraMap{row.id, {row.versusFlag.section}, row.caption, row.defaultMap};
    });

constexpr std::array<Campaign, 4> kCampaigns =
    Collect<4, Campaign>([](const CatalogueEntry& row) { return row.onClick == OnClick::Campaign; },
                         [](const CatalogueEntry& row) {
                           return Campaign{row.id, ChaptersOf<5>(row.id)};
                         });

constexpr std::array<AddonChapter, 4> kAddonChapters = [] {
  std::array<AddonChapter, 4> chapters{};
  std::size_t n = 0;
  for (const CatalogueEntry& row : kChapterRows) {
    if (row.campaign == entry::kAddonCampaign) chapters.at(n++) = {row.id, row.mapKey};
  }
  return chapters;
}();

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
  return !CatalogueAt(CataloguePlace(campaign.chapters[0]).value()).versusMap.empty();
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
