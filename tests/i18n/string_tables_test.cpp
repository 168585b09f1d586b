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

// Every text of both built-in sets, byte for byte: blanks at either end and
// the game's own spellings belong to them.
TEST(StringTables, EveryEntryInBothLanguages) {
  const struct {
    Str id;
    std::string_view english, russian;
  } entries[] = {
      {Str::ActionCreate, "Create server ", "Создать сервер "},
      {Str::ActionJoin, "Join game ", "Подключиться к игре "},
      {Str::ActionRefresh, "Refresh", "Обновить"},
      {Str::ActionForum, "Forum ", "Форум "},
      {Str::Tab1, "Create server", "Создание сервера"},
      {Str::Tab2, "Join game", "Подключение к игре"},
      {Str::Tab3, "Settings", "Настройки"},
      {Str::Tab4, "Monitoring", "Мониторинг"},
      {Str::GroupMode, "Game mode", "Режим игры"},
      {Str::GroupDifficulty, "Difficulty", "Сложность"},
      {Str::GroupCampaign, "Campaign", "Кампания"},  // kept as mended: "Кампания", not "Компания"
      {Str::GroupChapter, "Chapter", "Глава"},
      {Str::GroupSlots, "Slots", "Слотов"},
      {Str::GroupPort, "Port", "Порт"},
      {Str::GroupPassword, "Password", "Пароль"},
      {Str::GroupAddress, "Host address (IP / PORT)", "Адрес сервера (IP / PORT)"},
      {Str::GroupJoinPassword, "Password", "Пароль"},
      {Str::ModeCoop, "CO-OP", "Кооператив"},
      {Str::ModeVersus, "Versus", "Сражение"},
      {Str::ModeCustom, "Custom maps", "Доп. карты"},
      {Str::Difficulty1, "Easy", "Легко"},
      {Str::Difficulty2, "Normal", "Нормально"},
      {Str::Difficulty3, "Hard", "Сложно"},
      {Str::Difficulty4, "Impossible", "Эксперт"},
      {Str::PasswordNone, "Not protected", "Не установлен"},
      {Str::PasswordSet, "Protected", "Установлен"},
      {Str::PasswordMenuRemove, "Remove password", "Снять пароль"},
      {Str::PasswordMenuSet, "Setup password", "Установить пароль"},
      {Str::PasswordDialogCaption, "Setup password", "Установка пароля"},
      {Str::PasswordDialogPrompt, "Enter password", "Введите пароль"},
      {Str::Character1, "Arno", "Арно"},
      {Str::Character2, "Matthis", "Маттис"},
      {Str::Character3, "Vidar", "Видар"},
      {Str::Character4, "Wren", "Рен"},
      {Str::Character5, "Infected", "Зараженные"},
      {Str::AddonCampaign, "Grey Tide Rising", "Grey Tide Rising"},
      {Str::Campaign1, "Last ward", "Последняя палата"},
      {Str::Campaign2, "Stone bell", "Каменный колокол"},
      {Str::Campaign3, "Still wind", "Тихий ветер"},
      {Str::Campaign4, "Red furrow", "Красная борозда"},
      {Str::Chapter1_1, "Apartmens", "Апартаменты"},  // "Apartmens" as the game has it
      {Str::Chapter1_2, "Subway", "Метро"},
      {Str::Chapter1_3, "Sewer", "Канализация"},
      {Str::Chapter1_4, "Hospital", "Госпиталь"},
      {Str::Chapter1_5, "Rooftops", "Крыша"},
      {Str::Chapter2_1, "Turnpike", "Ограждение"},
      {Str::Chapter2_2, "Drains", "Водосток"},
      {Str::Chapter2_3, "Church", "Церковь"},
      {Str::Chapter2_4, "Town", "Город"},
      {Str::Chapter2_5, "Boathouse", "Лодочная станция"},
      {Str::Chapter3_1, "Greenhouse", "Теплица"},
      {Str::Chapter3_2, "Crane", "Кран"},
      {Str::Chapter3_3, "Construction Site", "Стройка"},
      {Str::Chapter3_4, "Terminal", "Терминал"},
      {Str::Chapter3_5, "Runway", "Взлетная полоса"},
      {Str::Chapter4_1, "Woods", "Леса"},
      {Str::Chapter4_2, "Tunnel", "Тоннель"},
      {Str::Chapter4_3, "Bridge", "Мост"},
      {Str::Chapter4_4, "Train Station", "Ж/Д станция"},
      {Str::Chapter4_5, "Farmhouse", "Ферма"},
      {Str::ExtraMap1, "Foundry", "Foundry"},
      {Str::ExtraMap2, "Rockfall", "Rockfall"},
      {Str::ExtraMap3, "Town square", "Town square"},
      {Str::ClipboardHint1, "Copy map settings to clipboard", "Кликните, чтобы скопировать наст"},
      {Str::ClipboardHint2, "",
       "ройки игры в буфер обмена"},  // kept as mended: "буфер", not "буффер"
      {Str::CannotRemove1, "Can not remove old settings file",
       "Не могу удалить устаревший файл "},  // "Can not" as the game has it
      {Str::CannotRemove2, "", "настроек"},
      {Str::WrongFolder1, "You must run this launcher from ", "Запускать лаунчер следует из дир"},
      {Str::WrongFolder2, "folder with qr7.exe or ", "ектории, содержащей файл qr7.exe"},
      {Str::WrongFolder3, "", " или "},
      {Str::CannotCreate1, "Can not create settings file!",
       "Нет доступа к созданию файла в п"},  // "Can not" as the game has it
      {Str::CannotCreate2, "", "апке запуска"},
      {Str::LaunchWrongFolder1, "You must run this launcher from ",
       "Запускать лаунчер следует из дир"},
      {Str::LaunchWrongFolder2, "folder with qr7.exe or ", "ектории, содержащей файл qr7.exe"},
      {Str::LaunchWrongFolder3, "", " или "},
      {Str::NoMap, "Choose map!", "Карта не выбрана"},
      {Str::CannotStart, "Can not start the game", "Не удалось запустить игру"},
      {Str::CannotRead1, "Can not read settings file", "Не удалось прочитать файл настро"},
      {Str::CannotRead2, "", "ек"},
      {Str::BadSetting1, "Invalid value in settings file", "Недопустимое значение в файле на"},
      {Str::BadSetting2, "", "строек"},
      {Str::EnterAddress, "Enter the server address", "Введите адрес сервера"},
      {Str::RunPrefixHint1, "Set USEPrefix=Yes, RunPrefix=win", "Укажите в wreckvale_launcher.ini"},
      {Str::RunPrefixHint2, "e (or another program that runs ", " USEPrefix=Yes, RunPrefix=wine ("},
      {Str::RunPrefixHint3, "it) and an empty RunPrefixParam=", "или другую программу запуска) и "},
      {Str::RunPrefixHint4, " in wreckvale_launcher.ini.", "пустой RunPrefixParam=."},
      {Str::Close, "Close", "Закрыть"},
      {Str::Minimize, "Minimize", "Свернуть"},
      {Str::HintMode, "Choose the game mode", "Выбрать режим игры"},
      {Str::HintDifficulty, "Choose the difficulty", "Выбрать сложность"},
      {Str::HintCampaign, "Choose the campaign", "Выбрать кампанию"},
      {Str::HintChapter, "Choose the chapter or map", "Выбрать главу или карту"},
      {Str::HintSlots, "Choose the player slots", "Выбрать число слотов"},
      {Str::HintPort, "Choose the server port", "Выбрать порт сервера"},
      {Str::HintPassword, "Set or remove the password", "Установить или снять пароль"},
      {Str::HintAddress, "Server address or address:port", "Адрес сервера или адрес:порт"},
      {Str::HintJoinPort, "Server port", "Порт сервера"},
      {Str::HintJoinPassword, "Server password, if it has one", "Пароль сервера, если он есть"},
      {Str::HintCharacter, "Choose your character", "Выбрать персонажа"},
      {Str::HintTab1, "Start a server on this computer", "Запустить сервер на этом ПК"},
      {Str::HintTab2, "Join a game on a server", "Подключиться к серверу"},
      {Str::HintTab3, "Launcher options", "Настройки лаунчера"},
      {Str::HintTab4, "Watch the game servers", "Мониторинг серверов"},
      {Str::HintTab5, "About the launcher", "О лаунчере"},
      {Str::HintRefresh, "Reload the monitoring page", "Обновить страницу мониторинга"},
      {Str::HintForum, "Open the forum in the browser", "Открыть форум в браузере"},
      {Str::MonitoringUnavailable, "Monitoring page unavailable",
       "Страница мониторинга недоступна"},
      {Str::ModuleNotFound, "not found", "не найден"},
      {Str::ModuleForeign1, "is not a web-view module of this", "не является модулем веб-страниц "},
      {Str::ModuleForeign2, " launcher", "этого лаунчера"},
      {Str::ModuleNotLoaded1, "the web-view module is not loade",
       "модуль веб-страниц не был загруж"},
      {Str::ModuleNotLoaded2, "d", "ен"},
      {Str::EngineNotStarted, "the web engine did not start", "веб-движок не запустился"},
      {Str::PasswordDialogOk, "OK", "ОК"},
      {Str::PasswordDialogCancel, "Cancel", "Отмена"},
      {Str::About, "About", "О программе"},
      {Str::GameStarted, "Game started", "Игра запущена"},
      {Str::SettingsBusy1, "The settings file was busy, its ", "Файл настроек был занят, его обн"},
      {Str::SettingsBusy2, "refresh was skipped", "овление пропущено"},
      {Str::NotRegularFile, "not a regular file", "не обычный файл"},
      {Str::FileTooLarge, "file too large", "файл слишком велик"},
      {Str::OnPath, "on PATH", "в PATH"},
      {Str::MonitoringNotLoaded, "The monitoring page did not load",
       "Не удалось загрузить мониторинг"},
      {Str::EngineAsRoot, "run as root, the engine needs", "от root движку нужна переменная"},
      {Str::GameEndedAtOnce, "The game ended at once", "Игра сразу завершилась"},
      {Str::EndCode, "code", "код"},
      {Str::EndSignal, "signal", "сигнал"},
      {Str::GameOutputIn, "Its output:", "Её вывод:"},
      {Str::OpenSettingsFile, "Open settings file", "Открыть файл настроек"},
      {Str::OpenGameFolder, "Open game folder", "Открыть папку игры"},
      {Str::EnterPort, "Enter the port", "Введите порт"},
      {Str::NoMapsEnabled1, "No maps enabled: see wreckvale_l", "Нет включённых карт: см. wreckva"},
      {Str::NoMapsEnabled2, "auncher.ini", "le_launcher.ini"},
      {Str::WineQuestion1, "Start Windows programs through w", "Запускать программы Windows чере"},
      {Str::WineQuestion2, "ine?", "з wine?"},
      {Str::QuestionYes, "Yes", "Да"},
      {Str::QuestionNo, "No", "Нет"},
      {Str::PageNotLoaded, "the page did not load in time", "страница не загрузилась вовремя"},
      {Str::OpenInBrowser, "Open in the browser", "Открыть в браузере"},
      {Str::SettingsNotChanged1, "The launcher does not change a r",
       "Лаунчер не меняет wreckvale_laun"},
      {Str::SettingsNotChanged2, "ead-only or linked wreckvale_lau",
       "cher.ini: файл только для чтения"},
      {Str::SettingsNotChanged3, "ncher.ini.", " или ссылка."},
      {Str::SettingsUtf16_1, "The launcher can not change wrec",
       "Лаунчер не может изменить wreckv"},
      {Str::SettingsUtf16_2, "kvale_launcher.ini: it is saved ",
       "ale_launcher.ini: файл сохранён "},
      {Str::SettingsUtf16_3, "as UTF-16.", "в UTF-16."},
      {Str::BlankInAddress, "The server address has a blank", "В адресе сервера есть пробел"},
      {Str::BadPort, "The port must be 1 to 65535", "Порт должен быть от 1 до 65535"},
      {Str::RecentServers, "Recent servers", "Недавние серверы"},
      {Str::CannotWrite, "Can not write the file", "Не удалось записать файл"},
      {Str::NotInCodePage1, "its path has letters the ANSI co", "в пути есть буквы, которых нет в"},
      {Str::NotInCodePage2, "de page lacks", " кодовой странице ANSI"},
      {Str::PathTooLong, "path longer than 260 characters", "путь длиннее 260 символов"},
      {Str::OldSettings1, "The settings file of launcher ve", "Файл настроек, записанный лаунче"},
      {Str::OldSettings2, "rsion ", "ром версии "},
      {Str::OldSettingsKept1, " was replaced by a new one and i",
       " заменён новым файлом и сохранён"},
      {Str::OldSettingsKept2, "s kept as ", " как "},
      {Str::CarryValues1, ". Carry your values over into th", ". Перенести ваши значения в новы"},
      {Str::CarryValues2, "e new file?", "й файл?"},
      {Str::CustomMapsHint1, "Fill in Map name and File name o",
       "Заполните Map name и File name в"},
      {Str::CustomMapsHint2, "f a [CustomMap1] to [CustomMap16",
       " одной из секций [CustomMap1]–[C"},
      {Str::CustomMapsHint3, "] section in wreckvale_launcher.",
       "ustomMap16] файла wreckvale_laun"},
      {Str::CustomMapsHint4, "ini, then choose the custom-maps",
       "cher.ini, затем снова выберите р"},
      {Str::CustomMapsHint5, " mode again.", "ежим доп. карт."},
      {Str::CannotOpen1, "Nothing here could open it; open", "Не удалось открыть, откройте вру"},
      {Str::CannotOpen2, " it by hand:", "чную:"},
      {Str::NoWebView1, "this system offers no built-in w", "в этой системе нет встроенного в"},
      {Str::NoWebView2, "eb view", "еб-просмотра"},
      {Str::NotJoinLink1, "The link is not a join link this", "Это не ссылка для подключения, к"},
      {Str::NotJoinLink2, " launcher can use", "оторую понимает этот лаунчер"},
      {Str::OpenJoinLinksHere1, "Open join links with this launch",
       "Открывать ссылки подключения эти"},
      {Str::OpenJoinLinksHere2, "er", "м лаунчером"},
      {Str::StopJoinLinksHere, "Stop opening join links here", "Не открывать ссылки подключения"},
      {Str::JoinLinksKept1, "The system kept join links as th", "Система оставила ссылки подключе"},
      {Str::JoinLinksKept2, "ey were", "ния как были"},
  };
  ASSERT_EQ(std::size(entries), kStrCount) << "every entry has its row";
  for (std::size_t i = 0; i < kStrCount; ++i) {
    ASSERT_EQ(entries[i].id, static_cast<Str>(i)) << "rows in table order, at " << kStrNames[i];
    EXPECT_EQ(kEnglishStrings[i], entries[i].english) << kStrNames[i];
    EXPECT_EQ(kRussianStrings[i], entries[i].russian) << kStrNames[i];
  }
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
      Str::LaunchWrongFolder3, Str::CannotRead2,   Str::BadSetting2};
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
  const char* expected;
  const char* tail = "";  // what the code puts after the pieces
};

TEST(StringSet, PiecesJoinIntoWholeMessages) {
  using enum Str;
  const StringTable* const en = &kEnglishStrings;
  const StringTable* const ru = &kRussianStrings;
  const WholeMessage messages[] = {
      {ru,
       {ClipboardHint1, ClipboardHint2},
       "Кликните, чтобы скопировать настройки игры в буфер обмена"},
      {en,
       {WrongFolder1, WrongFolder2, WrongFolder3},
       "You must run this launcher from folder with qr7.exe or wreckvale.exe",
       "wreckvale.exe"},
      {en,
       {LaunchWrongFolder1, LaunchWrongFolder2, LaunchWrongFolder3},
       "You must run this launcher from folder with qr7.exe or wreckvale.exe",
       "wreckvale.exe"},
      {ru,
       {LaunchWrongFolder1, LaunchWrongFolder2, LaunchWrongFolder3},
       "Запускать лаунчер следует из директории, содержащей файл qr7.exe или wreckvale.exe",
       "wreckvale.exe"},
      {en,
       {CannotRemove1, CannotRemove2},
       "Can not remove old settings file (wreckvale_launcher.ini)",
       " (wreckvale_launcher.ini)"},
      {ru, {CannotCreate1, CannotCreate2}, "Нет доступа к созданию файла в папке запуска"},
      {ru,
       {CannotRead1, CannotRead2},
       "Не удалось прочитать файл настроек (wreckvale_launcher.ini: file too large)",
       " (wreckvale_launcher.ini: file too large)"},
      {ru, {BadSetting1, BadSetting2}, "Недопустимое значение в файле настроек"},
      {en, {ModuleForeign1, ModuleForeign2}, "is not a web-view module of this launcher"},
      {ru, {ModuleForeign1, ModuleForeign2}, "не является модулем веб-страниц этого лаунчера"},
      {en, {ModuleNotLoaded1, ModuleNotLoaded2}, "the web-view module is not loaded"},
      {ru, {ModuleNotLoaded1, ModuleNotLoaded2}, "модуль веб-страниц не был загружен"},
      {en, {SettingsBusy1, SettingsBusy2}, "The settings file was busy, its refresh was skipped"},
      {ru, {SettingsBusy1, SettingsBusy2}, "Файл настроек был занят, его обновление пропущено"},
      {en,
       {SettingsNotChanged1, SettingsNotChanged2, SettingsNotChanged3},
       "The launcher does not change a read-only or linked wreckvale_launcher.ini."},
      {ru,
       {SettingsNotChanged1, SettingsNotChanged2, SettingsNotChanged3},
       "Лаунчер не меняет wreckvale_launcher.ini: файл только для чтения или ссылка."},
      {en,
       {SettingsUtf16_1, SettingsUtf16_2, SettingsUtf16_3},
       "The launcher can not change wreckvale_launcher.ini: it is saved as UTF-16."},
      {ru,
       {SettingsUtf16_1, SettingsUtf16_2, SettingsUtf16_3},
       "Лаунчер не может изменить wreckvale_launcher.ini: файл сохранён в UTF-16."},
      {en, {NotInCodePage1, NotInCodePage2}, "its path has letters the ANSI code page lacks"},
      {ru,
       {NotInCodePage1, NotInCodePage2},
       "в пути есть буквы, которых нет в кодовой странице ANSI"},
      {ru, {OldSettings1, OldSettings2}, "Файл настроек, записанный лаунчером версии "},
      {ru, {OldSettingsKept1, OldSettingsKept2}, " заменён новым файлом и сохранён как "},
      {ru, {CarryValues1, CarryValues2}, ". Перенести ваши значения в новый файл?"},
      {ru, {CannotOpen1, CannotOpen2}, "Не удалось открыть, откройте вручную:"},
      {ru, {NoWebView1, NoWebView2}, "в этой системе нет встроенного веб-просмотра"},
      {en, {NotJoinLink1, NotJoinLink2}, "The link is not a join link this launcher can use"},
      {ru,
       {NotJoinLink1, NotJoinLink2},
       "Это не ссылка для подключения, которую понимает этот лаунчер"},
      {en, {OpenJoinLinksHere1, OpenJoinLinksHere2}, "Open join links with this launcher"},
      {ru, {OpenJoinLinksHere1, OpenJoinLinksHere2}, "Открывать ссылки подключения этим лаунчером"},
      {en, {JoinLinksKept1, JoinLinksKept2}, "The system kept join links as they were"},
      {ru, {JoinLinksKept1, JoinLinksKept2}, "Система оставила ссылки подключения как были"},
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
