#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/settings_keys.h"
#include "i18n/string_tables.h"

namespace wv {

// One clearing of check marks covers one group.
enum class Group { None, Mode, Campaign, Chapter, Difficulty, Slots, Port, Character };

// What a click on an entry does.
enum class OnClick {
  None,            // separators
  Coop,            // entry::kCoop
  Versus,          // entry::kVersus
  CustomMaps,      // entry::kCustomMaps
  Campaign,        // a built-in campaign; its chapters name it in `campaign`
  AddonCampaign,   // entry::kAddonCampaign
  Chapter,         // a built-in chapter
  FlaggedMap,      // extra map, custom map, add-on chapter: offers versus by `versusFlag`
  Choice,          // difficulty, slots, port, character: the plain choice step
  RemovePassword,  // entry::kRemovePassword
  SetPassword,     // entry::kSetPassword
  Notice,          // a disabled entry that only tells something; no catalogue row
};

inline constexpr Str kFixedCaption = Str::Count;

// One menu entry and every fact about it.
struct CatalogueEntry {
  std::string_view id;  // also the menu item's object name
  OnClick onClick = OnClick::None;
  Group group = Group::None;
  Str caption = kFixedCaption;         // from the string set, or kFixedCaption
  std::string_view fixedCaption = {};  // used when `caption` is kFixedCaption
  bool visibleAtStart = false;
  bool checkedAtStart = false;
  std::string_view coopMap = {};     // a built-in chapter's engine map in co-op
  std::string_view versusMap = {};   // …in versus; empty where the campaign has no versus
  std::string_view campaign = {};    // a chapter's campaign entry
  Key<bool> versusFlag = {};         // a flagged map's Versus, in the map's own section
  std::string_view mapKey = {};      // an add-on chapter's key naming its engine map
  std::string_view defaultMap = {};  // an extra map's engine map while [CustomMaps] names none
  std::string_view token = {};       // a difficulty's or character's command-line option
};

// The caption and tooltip of the frame a choice of the create-server tab
// sits in.
struct ChoiceFrame {
  Str caption = kFixedCaption;
  Str hint = kFixedCaption;
};

struct CatalogueMenu {
  std::string_view id;
  std::span<const CatalogueEntry> entries;
  bool leftButtonOnly = false;  // a right click in the menu picks nothing
  ChoiceFrame frame = {};
};

// The eight popup menus, each in menu order.
extern const std::array<CatalogueMenu, 8> kMenus;
const CatalogueMenu& CatalogueMenuOf(std::string_view id);  // throws std::out_of_range

// Hints menu entries carry, the same in both languages.
struct EntryHint {
  std::string_view entry;
  std::string_view hint;
};
extern const std::array<EntryHint, 1> kEntryHints;

// The menu holding the group's entries; of Group::None, the password's.
const CatalogueMenu& MenuOf(Group group);
inline constexpr std::size_t kGroupCount = static_cast<std::size_t>(Group::Character) + 1;

// The custom maps: entries customMap1…16 with sections [CustomMap1…16].
inline constexpr int kCustomMapCount = 16;

namespace detail {
// Names "<prefix>1" … "<prefix>16" with static storage.
struct NumberedNames {
  std::array<std::array<char, 16>, kCustomMapCount> text{};
  std::array<std::size_t, kCustomMapCount> size{};
  constexpr std::string_view operator[](std::size_t i) const { return {text[i].data(), size[i]}; }
};
constexpr NumberedNames Numbered(std::string_view prefix) {
  NumberedNames names;
  for (std::size_t i = 0; i < kCustomMapCount; ++i) {
    std::size_t n = 0;
    for (char c : prefix) names.text[i][n++] = c;
    const std::size_t number = i + 1;
    if (number >= 10) names.text[i][n++] = static_cast<char>('0' + number / 10);
    names.text[i][n++] = static_cast<char>('0' + number % 10);
    names.size[i] = n;
  }
  return names;
}
inline constexpr NumberedNames kCustomMapIds = Numbered("customMap");
inline constexpr NumberedNames kCustomMapCaptions = Numbered("custom_map_");
inline constexpr NumberedNames kCustomMapSectionNames = Numbered("CustomMap");
}  // namespace detail

inline constexpr std::array<CustomMapSection, kCustomMapCount> kCustomMapSections = [] {
  std::array<CustomMapSection, kCustomMapCount> sections;
  for (std::size_t i = 0; i < sections.size(); ++i) {
    sections[i] = {detail::kCustomMapSectionNames[i]};
  }
  return sections;
}();
// The entry of custom map n, 1…16.
constexpr std::string_view CustomMapEntry(int n) {
  return detail::kCustomMapIds[static_cast<std::size_t>(n - 1)];
}

// The extra maps, in menu order, with what the rows say of them.
struct ExtraMap {
  std::string_view entry;
  ExtraMapSection section;  // MAP_… section with Visible and Versus
  Str caption;
  std::string_view defaultId;
};
inline constexpr std::size_t kExtraMapCount = 3;
extern const std::array<ExtraMap, kExtraMapCount> kExtraMaps;

// A built-in campaign and its chapters, in menu order.
struct Campaign {
  std::string_view entry;
  std::array<std::string_view, 5> chapters;
};
extern const std::array<Campaign, 4> kCampaigns;
// The add-on campaign's chapters, each with its key in [Campaign_GreyTideRising]:
// the chapter's engine map, empty while the add-on names none.
struct AddonChapter {
  std::string_view entry;
  std::string_view mapKey;
};
extern const std::array<AddonChapter, 4> kAddonChapters;

inline constexpr std::string_view kNoChoice = "-";
inline constexpr std::string_view kEngineExe = "qr7.exe";

// Entries the rules name.
namespace entry {
inline constexpr std::string_view kCoop = "coop";
inline constexpr std::string_view kVersus = "versus";
inline constexpr std::string_view kCustomMaps = "customMaps";
inline constexpr std::string_view kLastWard = "lastWard";  // the built-in campaigns
inline constexpr std::string_view kStoneBell = "stoneBell";
inline constexpr std::string_view kStillWind = "stillWind";
inline constexpr std::string_view kRedFurrow = "redFurrow";
inline constexpr std::string_view kAddonCampaign = "greyTideRising";
inline constexpr std::string_view kFewestVersusSlots = "slots8";
inline constexpr std::string_view kRemovePassword = "removePassword";
inline constexpr std::string_view kSetPassword = "setPassword";
inline constexpr std::string_view kInfectedSeparator = "beforeInfected";
inline constexpr std::string_view kInfected = "infected";
}  // namespace entry

// Every entry of every menu, menus in order: the model keeps its state per
// position.
std::size_t CatalogueSize();
const CatalogueEntry& CatalogueAt(std::size_t index);
std::optional<std::size_t> CataloguePlace(std::string_view id);
// The entry of the group checked at start: its default choice.
std::size_t DefaultEntry(Group group);
// A campaign with versus maps for its chapters.
bool PlaysVersus(const Campaign& campaign);
// The number of a custom-map entry, 0 for other entries.
int CustomMapNumber(std::string_view id);
// The players of a slots entry.
int SlotCount(std::string_view id);

}  // namespace wv
