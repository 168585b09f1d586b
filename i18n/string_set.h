#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace wv {

// Entries of the string set, in table order. Texts longer than 32 characters
// are held as consecutive pieces (…1, …2, …3).
enum class Str : std::size_t {
  ActionCreate,
  ActionJoin,
  ActionRefresh,
  ActionForum,
  Tab1,
  Tab2,
  Tab3,
  Tab4,
  GroupMode,
  GroupDifficulty,
  GroupCampaign,
  GroupChapter,
  GroupSlots,
  GroupPort,
  GroupPassword,
  GroupAddress,
  GroupJoinPassword,
  ModeCoop,
  ModeVersus,
  ModeCustom,
  Difficulty1,
  Difficulty2,
  Difficulty3,
  Difficulty4,
  PasswordNone,
  PasswordSet,
  PasswordMenuRemove,
  PasswordMenuSet,
  PasswordDialogCaption,
  PasswordDialogPrompt,
  Character1,
  Character2,
  Character3,
  Character4,
  Character5,
  AddonCampaign,
  Campaign1,
  Campaign2,
  Campaign3,
  Campaign4,
  Chapter1_1,
  Chapter1_2,
  Chapter1_3,
  Chapter1_4,
  Chapter1_5,
  Chapter2_1,
  Chapter2_2,
  Chapter2_3,
  Chapter2_4,
  Chapter2_5,
  Chapter3_1,
  Chapter3_2,
  Chapter3_3,
  Chapter3_4,
  Chapter3_5,
  Chapter4_1,
  Chapter4_2,
  Chapter4_3,
  Chapter4_4,
  Chapter4_5,
  ExtraMap1,
  ExtraMap2,
  ExtraMap3,
  ClipboardHint1,
  ClipboardHint2,
  CannotRemove1,
  CannotRemove2,
  WrongFolder1,
  WrongFolder2,
  WrongFolder3,
  CannotCreate1,
  CannotCreate2,
  LaunchWrongFolder1,
  LaunchWrongFolder2,
  LaunchWrongFolder3,
  NoMap,
  CannotStart,
  CannotRead1,
  CannotRead2,
  BadSetting1,
  BadSetting2,
  EnterAddress,
  RunPrefixHint1,
  RunPrefixHint2,
  RunPrefixHint3,
  RunPrefixHint4,
  // Keyboard and screen-reader texts: tooltips and accessible names.
  Close,
  Minimize,
  HintMode,
  HintDifficulty,
  HintCampaign,
  HintChapter,
  HintSlots,
  HintPort,
  HintPassword,
  HintAddress,
  HintJoinPort,
  HintJoinPassword,
  HintCharacter,
  HintTab1,
  HintTab2,
  HintTab3,
  HintTab4,
  HintTab5,
  HintRefresh,
  HintForum,
  Count
};

inline constexpr std::size_t kStrCount = static_cast<std::size_t>(Str::Count);
inline constexpr std::size_t kMaxEntryChars = 32;

using StringTable = std::array<std::string_view, kStrCount>;

// The built-in sets, UTF-8.
extern const StringTable kEnglishStrings;
extern const StringTable kRussianStrings;

// The active string set: empty until a language fills it.
class StringSet {
 public:
  const std::string& operator[](Str id) const { return entries_[static_cast<std::size_t>(id)]; }
  void Fill(const StringTable& table);

  // Pieces joined in order with nothing between them, at most 32 characters
  // for each.
  template <typename... More>
  std::string Join(Str first, More... more) const {
    return JoinPieces({first, more...});
  }

 private:
  std::string JoinPieces(std::initializer_list<Str> pieces) const;

  std::array<std::string, kStrCount> entries_{};
};

}  // namespace wv
