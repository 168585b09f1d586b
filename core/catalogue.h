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
  Coop,            // N1
  Versus,          // N2
  CustomMaps,      // N46
  Campaign,        // a built-in campaign; its chapters are in kCampaigns
  AddonCampaign,   // GreyTideRising2
  Chapter,         // a built-in chapter
  FlaggedMap,      // extra map, custom map, add-on chapter: versus flag in `section`
  Choice,          // difficulty, slots, port, character: the plain choice step
  RemovePassword,  // N44
  SetPassword,     // N45
};

inline constexpr Str kFixedCaption = Str::Count;

struct CatalogueEntry {
  std::string_view id;  // designer name
  OnClick onClick;
  Group group;
  Str caption;                    // from the string set, or kFixedCaption
  std::string_view fixedCaption;  // used when `caption` is kFixedCaption
  bool visibleAtStart;
  bool checkedAtStart;
  std::string_view section = {};  // settings section of a flagged map
};

// The frame a choice of the create-server tab sits in, with its caption and
// tooltip, and the arrow button that drops the menu.
struct ChoiceFrame {
  std::string_view frame;  // RzGroupBox…; empty for a menu of no frame
  std::string_view arrow;  // RzRapidFireButton…
  Str caption = kFixedCaption;
  Str hint = kFixedCaption;
};

struct CatalogueMenu {
  std::string_view id;       // Menu_…
  std::string_view shownIn;  // control that shows the chosen entry
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
// The control that shows the choice of a group.
inline std::string_view ShownIn(Group group) {
  return MenuOf(group).shownIn;
}
inline constexpr std::size_t kGroupCount = static_cast<std::size_t>(Group::Character) + 1;

struct MapRow {
  std::string_view entry;
  std::string_view mapId;
};
extern const std::array<MapRow, 20> kCoopMaps;
extern const std::array<MapRow, 10> kVersusMaps;

struct ExtraMap {
  std::string_view entry;
  std::string_view section;  // MAP_… section with Visible and Versus
  std::string_view defaultId;
};
inline constexpr std::size_t kExtraMapCount = 3;
extern const std::array<ExtraMap, kExtraMapCount> kExtraMaps;  // Foundry1, Rockfall, TownSquare1

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

struct TokenRow {
  std::string_view entry;
  std::string_view token;
};
extern const std::array<TokenRow, 4> kDifficultyTokens;  // each with its trailing blank(s)
extern const std::array<TokenRow, 5> kTeamTokens;        // no trailing blank

inline constexpr int kCustomMapCount = 16;
std::string CustomMapEntry(int n);    // "custommap" n
std::string CustomMapSection(int n);  // "CustomMap" n

inline constexpr std::string_view kNoChoice = "-";
inline constexpr std::string_view kEngineExe = "qr7.exe";

// Entries the rules name.
namespace entry {
inline constexpr std::string_view kCoop = "N1";
inline constexpr std::string_view kVersus = "N2";
inline constexpr std::string_view kCustomMaps = "N46";
inline constexpr std::string_view kAddonCampaign = "GreyTideRising2";
inline constexpr std::string_view kFewestVersusSlots = "N81";
inline constexpr std::string_view kInfectedSeparator = "N42";
inline constexpr std::string_view kInfected = "N43";
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
