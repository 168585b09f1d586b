#include "i18n/string_tables.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/string_set.h"

namespace wv {
namespace {

struct NamedTable {
  const char* language;
  const StringTable* table;
};

const NamedTable kTables[] = {{"English", &kEnglishStrings}, {"Russian", &kRussianStrings}};

// Bytes that continue a character are not counted.
std::size_t Utf8Length(std::string_view text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

std::size_t Index(Str id) {
  return static_cast<std::size_t>(id);
}

TEST(StringTables, EveryEntryFitsInOnePiece) {
  for (const NamedTable& t : kTables) {
    for (std::size_t i = 0; i < kStrCount; ++i) {
      EXPECT_LE(Utf8Length((*t.table)[i]), kMaxEntryChars) << t.language << " entry " << i;
    }
  }
}

TEST(StringTables, OnlyTheShortEnglishMessagesLeaveAPieceEmpty) {
  const std::set<Str> englishEmpty = {
      Str::ClipboardHint2,     Str::CannotRemove2, Str::WrongFolder3, Str::CannotCreate2,
      Str::LaunchWrongFolder3, Str::CannotRead2,   Str::BadSetting2,  Str::RunPrefixHint4};
  for (std::size_t i = 0; i < kStrCount; ++i) {
    const bool documentedEmpty = englishEmpty.count(static_cast<Str>(i)) != 0;
    EXPECT_EQ(kEnglishStrings[i].empty(), documentedEmpty) << "English entry " << i;
    EXPECT_FALSE(kRussianStrings[i].empty()) << "Russian entry " << i;
  }
}

TEST(StringTables, ActionCaptionsEndInOneBlankAndTabCaptionsInNone) {
  for (const NamedTable& t : kTables) {
    for (Str id : {Str::ActionCreate, Str::ActionJoin, Str::ActionForum}) {
      const std::string_view text = (*t.table)[Index(id)];
      EXPECT_TRUE(text.ends_with(' ') && !text.ends_with("  ")) << t.language << ": " << text;
    }
    for (Str id : {Str::ActionRefresh, Str::Tab1, Str::Tab2, Str::Tab3, Str::Tab4}) {
      EXPECT_FALSE((*t.table)[Index(id)].ends_with(' ')) << t.language << " entry " << Index(id);
    }
  }
}

// Captions are the keys of the choices, so two entries of one menu must differ.
TEST(StringTables, CaptionsWithinOneMenuDiffer) {
  const std::pair<Str, Str> menus[] = {
      {Str::ModeCoop, Str::ModeCustom},   {Str::Difficulty1, Str::Difficulty4},
      {Str::Character1, Str::Character5}, {Str::AddonCampaign, Str::Campaign4},
      {Str::Chapter1_1, Str::ExtraMap3},  // the chapter menu holds the extra maps too
  };
  for (const NamedTable& t : kTables) {
    for (const auto& [first, last] : menus) {
      std::set<std::string_view> seen;
      for (std::size_t i = Index(first); i <= Index(last); ++i) {
        EXPECT_TRUE(seen.insert((*t.table)[i]).second)
            << t.language << " repeats " << (*t.table)[i];
      }
    }
  }
}

struct WholeMessage {
  const StringTable* table;
  std::vector<Str> pieces;
  const char* tail;
  const char* expected;
};

TEST(StringSet, PiecesJoinIntoWholeMessages) {
  const WholeMessage messages[] = {
      {&kRussianStrings,
       {Str::ClipboardHint1, Str::ClipboardHint2},
       "",
       "Кликните, чтобы скопировать настройки игры в буфер обмена"},
      {&kEnglishStrings,
       {Str::WrongFolder1, Str::WrongFolder2, Str::WrongFolder3},
       "wreckvale.exe",
       "You must run this launcher from folder with qr7.exe or wreckvale.exe"},
      {&kEnglishStrings,
       {Str::LaunchWrongFolder1, Str::LaunchWrongFolder2, Str::LaunchWrongFolder3},
       "wreckvale.exe",
       "You must run this launcher from folder with qr7.exe or wreckvale.exe"},
      {&kRussianStrings,
       {Str::LaunchWrongFolder1, Str::LaunchWrongFolder2, Str::LaunchWrongFolder3},
       "wreckvale.exe",
       "Запускать лаунчер следует из директории, содержащей файл qr7.exe или wreckvale.exe"},
      {&kEnglishStrings,
       {Str::CannotRemove1, Str::CannotRemove2},
       " (wreckvale_launcher.ini)",
       "Can not remove old settings file (wreckvale_launcher.ini)"},
      {&kRussianStrings,
       {Str::CannotCreate1, Str::CannotCreate2},
       "",
       "Нет доступа к созданию файла в папке запуска"},
      {&kRussianStrings,
       {Str::CannotRead1, Str::CannotRead2},
       " (wreckvale_launcher.ini: file too large)",
       "Не удалось прочитать файл настроек (wreckvale_launcher.ini: file too large)"},
      {&kRussianStrings,
       {Str::BadSetting1, Str::BadSetting2},
       "",
       "Недопустимое значение в файле настроек"},
      {&kEnglishStrings,
       {Str::SettingsBusy1, Str::SettingsBusy2},
       "",
       "The settings file was busy, its refresh was skipped"},
      {&kRussianStrings,
       {Str::SettingsBusy1, Str::SettingsBusy2},
       "",
       "Файл настроек был занят, его обновление пропущено"},
  };
  for (const WholeMessage& m : messages) {
    StringSet set;
    set.Fill(*m.table);
    const std::string joined = m.pieces.size() == 2
                                   ? set.Join(m.pieces[0], m.pieces[1])
                                   : set.Join(m.pieces[0], m.pieces[1], m.pieces[2]);
    EXPECT_EQ(joined + m.tail, m.expected);
  }
}

TEST(StringSet, FillOverwritesEveryEntry) {
  StringSet set;
  EXPECT_EQ(set[Str::ActionCreate], "");
  set.Fill(kRussianStrings);
  set.Fill(kEnglishStrings);
  for (std::size_t i = 0; i < kStrCount; ++i) {
    EXPECT_EQ(set[static_cast<Str>(i)], kEnglishStrings[i]) << "entry " << i;
  }
}

// Only oversized pieces can reach the cut; it must count characters, not bytes.
TEST(StringSet, JoinCutsOversizedPiecesByCharacters) {
  std::string piece = "a";  // 40 characters, first one ASCII
  for (int i = 1; i < 40; ++i) piece += "Ж";
  StringTable table{};
  for (Str id : {Str::WrongFolder1, Str::WrongFolder2, Str::WrongFolder3}) table[Index(id)] = piece;
  StringSet set;
  set.Fill(table);

  const std::string two = set.Join(Str::WrongFolder1, Str::WrongFolder2);
  EXPECT_EQ(two, piece + piece.substr(0, 1 + 23 * 2));
  const std::string three = set.Join(Str::WrongFolder1, Str::WrongFolder2, Str::WrongFolder3);
  EXPECT_EQ(three, piece + piece + piece.substr(0, 1 + 15 * 2));
}

}  // namespace
}  // namespace wv
