#include "i18n/string_tables.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace wv {

namespace {

// Takes the texts in enum order and refuses to compile when one is missing or
// extra, so a table cannot silently shift against Str.
template <std::size_t N>
constexpr StringTable MakeTable(const std::string_view (&texts)[N]) {
  static_assert(N == kStrCount, "one text per Str entry");
  StringTable table{};
  for (std::size_t i = 0; i < N; ++i) table[i] = texts[i];
  return table;
}

}  // namespace

const std::array<std::string_view, kStrCount> kStrNames = {
#define WV_ENTRY(name) #name,
    WV_STRING_ENTRIES(WV_ENTRY)
#undef WV_ENTRY
};

// Trailing blanks are part of the texts: the action captions end in one.
const StringTable kEnglishStrings = MakeTable({
    // Action button, per tab.
    "Create server ",
    "Join game ",
    "Refresh",
    "Forum ",
    // Tabs.
    "Create server",
    "Join game",
    "Settings",
    "Monitoring",
    // Group titles.
    "Game mode",
    "Difficulty",
    "Campaign",
    "Chapter",
    "Slots",
    "Port",
    "Password",                  // create tab
    "Host address (IP / PORT)",  // join tab
    "Password",                  // join tab
    // Game modes.
    "CO-OP",
    "Versus",
    "Custom maps",
    // Difficulties.
    "Easy",
    "Normal",
    "Hard",
    "Impossible",
    // Password.
    "Not protected",    // status: none
    "Protected",        // status: set
    "Remove password",  // menu
    "Setup password",   // menu
    "Setup password",   // dialog caption
    "Enter password",   // dialog prompt
    // Characters.
    "Arno",
    "Matthis",
    "Vidar",
    "Wren",
    "Infected",
    // Campaigns.
    "Grey Tide Rising",  // add-on
    "Last ward",
    "Stone bell",
    "Still wind",
    "Red furrow",
    // Chapters of campaign 1.
    "Apartmens",
    "Subway",
    "Sewer",
    "Hospital",
    "Rooftops",
    // Campaign 2.
    "Turnpike",
    "Drains",
    "Church",
    "Town",
    "Boathouse",
    // Campaign 3.
    "Greenhouse",
    "Crane",
    "Construction Site",
    "Terminal",
    "Runway",
    // Campaign 4.
    "Woods",
    "Tunnel",
    "Bridge",
    "Train Station",
    "Farmhouse",
    // Extra maps.
    "Foundry",
    "Rockfall",
    "Town square",
    // Clipboard tooltip.
    "Copy map settings to clipboard",
    "",
    // Cannot remove the old settings file.
    "Can not remove old settings file",
    "",
    // Wrong folder at start-up.
    "You must run this launcher from ",
    "folder with qr7.exe or ",
    "",
    // Cannot create the settings file.
    "Can not create settings file!",
    "",
    // Wrong folder at launch.
    "You must run this launcher from ",
    "folder with qr7.exe or ",
    "",
    "Choose map!",
    "Can not start the game",
    // Settings file that cannot be read.
    "Can not read settings file",
    "",
    // Settings value that cannot reach the game.
    "Invalid value in settings file",
    "",
    "Enter the server address",
    // A program the system cannot run by itself.
    "Set USEPrefix=Yes, RunPrefix=win",
    "e (or another program that runs ",
    "it) and an empty RunPrefixParam=",
    " in wreckvale_launcher.ini.",
    // Close and minimise buttons.
    "Close",
    "Minimize",
    // Tooltips: choice boxes of the create tab.
    "Choose the game mode",
    "Choose the difficulty",
    "Choose the campaign",
    "Choose the chapter or map",
    "Choose the player slots",
    "Choose the server port",
    "Set or remove the password",
    // Join boxes.
    "Server address or address:port",
    "Server port",
    "Server password, if it has one",
    // Character button.
    "Choose your character",
    // Tabs.
    "Start a server on this computer",
    "Join a game on a server",
    "Launcher options",
    "Watch the game servers",
    "About the launcher",
    // Action button on the monitoring and about tabs.
    "Reload the monitoring page",
    "Open the forum in the browser",
    // Monitoring tab without its page, then why.
    "Monitoring page unavailable",
    // Why: after the module's file name.
    "not found",
    "is not a web-view module of this",
    " launcher",
    // Why, when nothing else says.
    "the web-view module is not loade",
    "d",
    "the web engine did not start",
    // Password dialog buttons.
    "OK",
    "Cancel",
    // Screen readers: the about tab, and the action button after a start.
    "About",
    "Game started",
    // Another launcher kept the settings lock through the start.
    "The settings file was busy, its ",
    "refresh was skipped",
    // Why a file was not read, or where a program was looked for.
    "not a regular file",
    "file too large",
    "on PATH",
    // The monitoring tab: a page that did not load, then why; no engine as root.
    "The monitoring page did not load",
    "run as root, the engine needs",
    // A game that ended within its first seconds, and the settings at hand.
    "The game ended at once",
    "code",
    "signal",
    "Its output:",
    "Open settings file",
    "Open game folder",
    // A join without a port.
    "Enter the port",
    // The chapter menu's one disabled entry when no custom map is enabled.
    "No maps enabled: see wreckvale_l",
    "auncher.ini",
    // Asked when a Windows program did not start and wine is at hand.
    "Start Windows programs through w",
    "ine?",
    // The question's buttons.
    "Yes",
    "No",
    // The monitoring tab where the system's web control shows no page: why,
    // and the button that opens the page elsewhere.
    "the page did not load in time",
    "Open in the browser",
    // Why the Wine question's Yes leaves the settings file as it is: read-only
    // or a link, or saved as UTF-16.
    "The launcher does not change a r",
    "ead-only or linked wreckvale_lau",
    "ncher.ini.",
    "The launcher can not change wrec",
    "kvale_launcher.ini: it is saved ",
    "as UTF-16.",
    // A join refused for the box that is wrong.
    "The server address has a blank",
    "The port must be 1 to 65535",
    // Screen readers: the address box's arrow that drops the servers joined.
    "Recent servers",
    "Can not write the file",
    // Why Windows did not start a program: a path the command line's code
    // page cannot spell, or one longer than a program may start from.
    "its path has letters the ANSI co",
    "de page lacks",
    "path longer than 260 characters",
    // A settings file of another launcher version, renewed from the template.
    "The settings file of launcher ve",
    "rsion ",
    " was replaced by a new one and i",
    "s kept as ",
    ". Carry your values over into th",
    "e new file?",
    // How custom maps are switched on, after "Choose map!".
    "Fill in Map name and File name o",
    "f a [CustomMap1] to [CustomMap16",
    "] section in wreckvale_launcher.",
    "ini, then choose the custom-maps",
    " mode again.",
    // A file, folder or page that no program here opened, before its name.
    "Nothing here could open it; open",
    " it by hand:",
    // The Windows monitoring tab where the system makes no web control.
    "this system offers no built-in w",
    "eb view",
    // A link that is no join link this launcher takes.
    "The link is not a join link this",
    " launcher can use",
    // The caption menu's join-link registration, and a refusal of the system.
    "Open join links with this launch",
    "er",
    "Stop opening join links here",
    "The system kept join links as th",
    "ey were",
});

const StringTable kRussianStrings = MakeTable({
    // Action button, per tab.
    "Создать сервер ",
    "Подключиться к игре ",
    "Обновить",
    "Форум ",
    // Tabs.
    "Создание сервера",
    "Подключение к игре",
    "Настройки",
    "Мониторинг",
    // Group titles.
    "Режим игры",
    "Сложность",
    "Кампания",
    "Глава",
    "Слотов",
    "Порт",
    "Пароль",                     // create tab
    "Адрес сервера (IP / PORT)",  // join tab
    "Пароль",                     // join tab
    // Game modes.
    "Кооператив",
    "Сражение",
    "Доп. карты",
    // Difficulties.
    "Легко",
    "Нормально",
    "Сложно",
    "Эксперт",
    // Password.
    "Не установлен",      // status: none
    "Установлен",         // status: set
    "Снять пароль",       // menu
    "Установить пароль",  // menu
    "Установка пароля",   // dialog caption
    "Введите пароль",     // dialog prompt
    // Characters.
    "Арно",
    "Маттис",
    "Видар",
    "Рен",
    "Зараженные",
    // Campaigns.
    "Grey Tide Rising",  // add-on
    "Последняя палата",
    "Каменный колокол",
    "Тихий ветер",
    "Красная борозда",
    // Chapters of campaign 1.
    "Апартаменты",
    "Метро",
    "Канализация",
    "Госпиталь",
    "Крыша",
    // Campaign 2.
    "Ограждение",
    "Водосток",
    "Церковь",
    "Город",
    "Лодочная станция",
    // Campaign 3.
    "Теплица",
    "Кран",
    "Стройка",
    "Терминал",
    "Взлетная полоса",
    // Campaign 4.
    "Леса",
    "Тоннель",
    "Мост",
    "Ж/Д станция",
    "Ферма",
    // Extra maps.
    "Foundry",
    "Rockfall",
    "Town square",
    // Clipboard tooltip.
    "Кликните, чтобы скопировать наст",
    "ройки игры в буфер обмена",
    // Cannot remove the old settings file.
    "Не могу удалить устаревший файл ",
    "настроек",
    // Wrong folder at start-up.
    "Запускать лаунчер следует из дир",
    "ектории, содержащей файл qr7.exe",
    " или ",
    // Cannot create the settings file.
    "Нет доступа к созданию файла в п",
    "апке запуска",
    // Wrong folder at launch.
    "Запускать лаунчер следует из дир",
    "ектории, содержащей файл qr7.exe",
    " или ",
    "Карта не выбрана",
    "Не удалось запустить игру",
    // Settings file that cannot be read.
    "Не удалось прочитать файл настро",
    "ек",
    // Settings value that cannot reach the game.
    "Недопустимое значение в файле на",
    "строек",
    "Введите адрес сервера",
    // A program the system cannot run by itself.
    "Укажите в wreckvale_launcher.ini",
    " USEPrefix=Yes, RunPrefix=wine (",
    "или другую программу запуска) и ",
    "пустой RunPrefixParam=.",
    // Close and minimise buttons.
    "Закрыть",
    "Свернуть",
    // Tooltips: choice boxes of the create tab.
    "Выбрать режим игры",
    "Выбрать сложность",
    "Выбрать кампанию",
    "Выбрать главу или карту",
    "Выбрать число слотов",
    "Выбрать порт сервера",
    "Установить или снять пароль",
    // Join boxes.
    "Адрес сервера или адрес:порт",
    "Порт сервера",
    "Пароль сервера, если он есть",
    // Character button.
    "Выбрать персонажа",
    // Tabs.
    "Запустить сервер на этом ПК",
    "Подключиться к серверу",
    "Настройки лаунчера",
    "Мониторинг серверов",
    "О лаунчере",
    // Action button on the monitoring and about tabs.
    "Обновить страницу мониторинга",
    "Открыть форум в браузере",
    // Monitoring tab without its page, then why.
    "Страница мониторинга недоступна",
    // Why: after the module's file name.
    "не найден",
    "не является модулем веб-страниц ",
    "этого лаунчера",
    // Why, when nothing else says.
    "модуль веб-страниц не был загруж",
    "ен",
    "веб-движок не запустился",
    // Password dialog buttons.
    "ОК",
    "Отмена",
    // Screen readers: the about tab, and the action button after a start.
    "О программе",
    "Игра запущена",
    // Another launcher kept the settings lock through the start.
    "Файл настроек был занят, его обн",
    "овление пропущено",
    // Why a file was not read, or where a program was looked for.
    "не обычный файл",
    "файл слишком велик",
    "в PATH",
    // The monitoring tab: a page that did not load, then why; no engine as root.
    "Не удалось загрузить мониторинг",
    "от root движку нужна переменная",
    // A game that ended within its first seconds, and the settings at hand.
    "Игра сразу завершилась",
    "код",
    "сигнал",
    "Её вывод:",
    "Открыть файл настроек",
    "Открыть папку игры",
    // A join without a port.
    "Введите порт",
    // The chapter menu's one disabled entry when no custom map is enabled.
    "Нет включённых карт: см. wreckva",
    "le_launcher.ini",
    // Asked when a Windows program did not start and wine is at hand.
    "Запускать программы Windows чере",
    "з wine?",
    // The question's buttons.
    "Да",
    "Нет",
    // The monitoring tab where the system's web control shows no page: why,
    // and the button that opens the page elsewhere.
    "страница не загрузилась вовремя",
    "Открыть в браузере",
    // Why the Wine question's Yes leaves the settings file as it is: read-only
    // or a link, or saved as UTF-16.
    "Лаунчер не меняет wreckvale_laun",
    "cher.ini: файл только для чтения",
    " или ссылка.",
    "Лаунчер не может изменить wreckv",
    "ale_launcher.ini: файл сохранён ",
    "в UTF-16.",
    // A join refused for the box that is wrong.
    "В адресе сервера есть пробел",
    "Порт должен быть от 1 до 65535",
    // Screen readers: the address box's arrow that drops the servers joined.
    "Недавние серверы",
    "Не удалось записать файл",
    // Why Windows did not start a program: its path.
    "в пути есть буквы, которых нет в",
    " кодовой странице ANSI",
    "путь длиннее 260 символов",
    // A settings file of another launcher version, renewed from the template.
    "Файл настроек, записанный лаунче",
    "ром версии ",
    " заменён новым файлом и сохранён",
    " как ",
    ". Перенести ваши значения в новы",
    "й файл?",
    // How custom maps are switched on, after "Choose map!".
    "Заполните Map name и File name в",
    " одной из секций [CustomMap1]–[C",
    "ustomMap16] файла wreckvale_laun",
    "cher.ini, затем снова выберите р",
    "ежим доп. карт.",
    // A file, folder or page that no program here opened, before its name.
    "Не удалось открыть, откройте вру",
    "чную:",
    // The Windows monitoring tab where the system makes no web control.
    "в этой системе нет встроенного в",
    "еб-просмотра",
    // A link that is no join link this launcher takes.
    "Это не ссылка для подключения, к",
    "оторую понимает этот лаунчер",
    // The caption menu's join-link registration, and a refusal of the system.
    "Открывать ссылки подключения эти",
    "м лаунчером",
    "Не открывать ссылки подключения",
    "Система оставила ссылки подключе",
    "ния как были",
});

}  // namespace wv
