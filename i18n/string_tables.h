#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace wv {

// Entries of the string set, in table order, by the names a translation in
// the settings file uses. Texts longer than 32 characters are held as
// consecutive pieces (…1, …2, …3).
#define WV_STRING_ENTRIES(X)                                                     \
  X(ActionCreate)                                                                \
  X(ActionJoin)                                                                  \
  X(ActionRefresh)                                                               \
  X(ActionForum)                                                                 \
  X(Tab1)                                                                        \
  X(Tab2)                                                                        \
  X(Tab3)                                                                        \
  X(Tab4)                                                                        \
  X(GroupMode)                                                                   \
  X(GroupDifficulty)                                                             \
  X(GroupCampaign)                                                               \
  X(GroupChapter)                                                                \
  X(GroupSlots)                                                                  \
  X(GroupPort)                                                                   \
  X(GroupPassword)                                                               \
  X(GroupAddress)                                                                \
  X(GroupJoinPassword)                                                           \
  X(ModeCoop)                                                                    \
  X(ModeVersus)                                                                  \
  X(ModeCustom)                                                                  \
  X(Difficulty1)                                                                 \
  X(Difficulty2)                                                                 \
  X(Difficulty3)                                                                 \
  X(Difficulty4)                                                                 \
  X(PasswordNone)                                                                \
  X(PasswordSet)                                                                 \
  X(PasswordMenuRemove)                                                          \
  X(PasswordMenuSet)                                                             \
  X(PasswordDialogCaption)                                                       \
  X(PasswordDialogPrompt)                                                        \
  X(Character1)                                                                  \
  X(Character2)                                                                  \
  X(Character3)                                                                  \
  X(Character4)                                                                  \
  X(Character5)                                                                  \
  X(AddonCampaign)                                                               \
  X(Campaign1)                                                                   \
  X(Campaign2)                                                                   \
  X(Campaign3)                                                                   \
  X(Campaign4)                                                                   \
  X(Chapter1_1)                                                                  \
  X(Chapter1_2)                                                                  \
  X(Chapter1_3)                                                                  \
  X(Chapter1_4)                                                                  \
  X(Chapter1_5)                                                                  \
  X(Chapter2_1)                                                                  \
  X(Chapter2_2)                                                                  \
  X(Chapter2_3)                                                                  \
  X(Chapter2_4)                                                                  \
  X(Chapter2_5)                                                                  \
  X(Chapter3_1)                                                                  \
  X(Chapter3_2)                                                                  \
  X(Chapter3_3)                                                                  \
  X(Chapter3_4)                                                                  \
  X(Chapter3_5)                                                                  \
  X(Chapter4_1)                                                                  \
  X(Chapter4_2)                                                                  \
  X(Chapter4_3)                                                                  \
  X(Chapter4_4)                                                                  \
  X(Chapter4_5)                                                                  \
  X(ExtraMap1)                                                                   \
  X(ExtraMap2)                                                                   \
  X(ExtraMap3)                                                                   \
  X(ClipboardHint1)                                                              \
  X(ClipboardHint2)                                                              \
  X(CannotRemove1)                                                               \
  X(CannotRemove2)                                                               \
  X(WrongFolder1)                                                                \
  X(WrongFolder2)                                                                \
  X(WrongFolder3)                                                                \
  X(CannotCreate1)                                                               \
  X(CannotCreate2)                                                               \
  X(LaunchWrongFolder1)                                                          \
  X(LaunchWrongFolder2)                                                          \
  X(LaunchWrongFolder3)                                                          \
  X(NoMap)                                                                       \
  X(CannotStart)                                                                 \
  X(CannotRead1)                                                                 \
  X(CannotRead2)                                                                 \
  X(BadSetting1)                                                                 \
  X(BadSetting2)                                                                 \
  X(EnterAddress)                                                                \
  X(RunPrefixHint1)                                                              \
  X(RunPrefixHint2)                                                              \
  X(RunPrefixHint3)                                                              \
  X(RunPrefixHint4)                                                              \
  /* Keyboard and screen-reader texts: tooltips and accessible names. */         \
  X(Close)                                                                       \
  X(Minimize)                                                                    \
  X(HintMode)                                                                    \
  X(HintDifficulty)                                                              \
  X(HintCampaign)                                                                \
  X(HintChapter)                                                                 \
  X(HintSlots)                                                                   \
  X(HintPort)                                                                    \
  X(HintPassword)                                                                \
  X(HintAddress)                                                                 \
  X(HintJoinPort)                                                                \
  X(HintJoinPassword)                                                            \
  X(HintCharacter)                                                               \
  X(HintTab1)                                                                    \
  X(HintTab2)                                                                    \
  X(HintTab3)                                                                    \
  X(HintTab4)                                                                    \
  X(HintTab5)                                                                    \
  X(HintRefresh)                                                                 \
  X(HintForum)                                                                   \
  /* The monitoring page's reasons and the password dialog's buttons. */         \
  X(MonitoringUnavailable)                                                       \
  X(ModuleNotFound)                                                              \
  X(ModuleForeign1)                                                              \
  X(ModuleForeign2)                                                              \
  X(ModuleNotLoaded1)                                                            \
  X(ModuleNotLoaded2)                                                            \
  X(EngineNotStarted)                                                            \
  X(PasswordDialogOk)                                                            \
  X(PasswordDialogCancel)                                                        \
  /* Screen readers: the about tab, and the action button after a start. */      \
  X(About)                                                                       \
  X(GameStarted)                                                                 \
  /* Another launcher kept the settings lock through the start. */               \
  X(SettingsBusy1)                                                               \
  X(SettingsBusy2)                                                               \
  /* Why a file was not read or a program not found, in the launcher's words. */ \
  X(NotRegularFile)                                                              \
  X(FileTooLarge)                                                                \
  X(OnPath)                                                                      \
  /* The monitoring tab: a page that did not load; no engine as root. */         \
  X(MonitoringNotLoaded)                                                         \
  X(EngineAsRoot)                                                                \
  /* A game that ended within its first seconds, and the settings at hand. */    \
  X(GameEndedAtOnce)                                                             \
  X(EndCode)                                                                     \
  X(EndSignal)                                                                   \
  X(GameOutputIn)                                                                \
  X(OpenSettingsFile)                                                            \
  X(OpenGameFolder)                                                              \
  /* A join without a port, custom maps with none enabled, the Wine question. */ \
  X(EnterPort)                                                                   \
  X(NoMapsEnabled1)                                                              \
  X(NoMapsEnabled2)                                                              \
  X(WineQuestion1)                                                               \
  X(WineQuestion2)                                                               \
  X(QuestionYes)                                                                 \
  X(QuestionNo)                                                                  \
  /* The monitoring tab where the system's web control shows no page. */         \
  X(PageNotLoaded)                                                               \
  X(OpenInBrowser)                                                               \
  /* Why the Wine question's Yes leaves the settings file as it is. */           \
  X(SettingsNotChanged1)                                                         \
  X(SettingsNotChanged2)                                                         \
  X(SettingsNotChanged3)                                                         \
  X(SettingsUtf16_1)                                                             \
  X(SettingsUtf16_2)                                                             \
  X(SettingsUtf16_3)                                                             \
  /* A join whose address holds a blank or whose port is no port number. */      \
  X(BlankInAddress)                                                              \
  X(BadPort)                                                                     \
  /* Screen readers: the address box's arrow that drops the servers joined. */   \
  X(RecentServers)                                                               \
  /* Something other than a regular file holds a name the launcher writes. */    \
  X(CannotWrite)                                                                 \
  /* Why Windows did not start a program: its path. */                           \
  X(NotInCodePage1)                                                              \
  X(NotInCodePage2)                                                              \
  X(PathTooLong)                                                                 \
  /* A settings file of another launcher version, renewed from the template. */  \
  X(OldSettings1)                                                                \
  X(OldSettings2)                                                                \
  X(OldSettingsKept1)                                                            \
  X(OldSettingsKept2)                                                            \
  X(CarryValues1)                                                                \
  X(CarryValues2)                                                                \
  /* How custom maps are switched on, after "Choose map!". */                    \
  X(CustomMapsHint1)                                                             \
  X(CustomMapsHint2)                                                             \
  X(CustomMapsHint3)                                                             \
  X(CustomMapsHint4)                                                             \
  X(CustomMapsHint5)                                                             \
  /* A file, folder or page that no program here opened, before its name. */     \
  X(CannotOpen1)                                                                 \
  X(CannotOpen2)                                                                 \
  /* The Windows monitoring tab where the system makes no web control. */        \
  X(NoWebView1)                                                                  \
  X(NoWebView2)                                                                  \
  /* A link that is no join link this launcher takes. */                         \
  X(NotJoinLink1)                                                                \
  X(NotJoinLink2)                                                                \
  /* The caption menu's join-link registration, and a refusal of the system. */  \
  X(OpenJoinLinksHere1)                                                          \
  X(OpenJoinLinksHere2)                                                          \
  X(StopJoinLinksHere)                                                           \
  X(JoinLinksKept1)                                                              \
  X(JoinLinksKept2)

enum class Str : std::size_t {
#define WV_ENTRY(name) name,
  WV_STRING_ENTRIES(WV_ENTRY)
#undef WV_ENTRY
      Count
};

inline constexpr std::size_t kStrCount = static_cast<std::size_t>(Str::Count);
inline constexpr std::size_t kMaxEntryChars = 32;

using StringTable = std::array<std::string_view, kStrCount>;

// The names of the entries, in table order.
extern const std::array<std::string_view, kStrCount> kStrNames;

// The built-in sets, UTF-8.
extern const StringTable kEnglishStrings;
extern const StringTable kRussianStrings;

}  // namespace wv
