#include "core/language.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/launcher_model.h"
#include "core/settings_file.h"
#include "core/view_state.h"
#include "tests/support/temp_folder.h"

namespace wv {
namespace {

enum class Field { Text, ToolTip, Name };

// A control's or a tab's text as the view state shows it.
using Shows = std::variant<Control, Tab>;
std::string Shown(const LauncherModel& model, Shows where, Field field = Field::Text) {
  ViewState view;
  ShowModel(model, view);
  if (const Control* control = std::get_if<Control>(&where)) {
    const ControlView& shown = view[*control];
    const std::optional<std::string>& text = field == Field::Text      ? shown.text
                                             : field == Field::ToolTip ? shown.toolTip
                                                                       : shown.accessibleName;
    return text.value_or("");
  }
  const TabView& tab = view.TabOf(std::get<Tab>(where));
  return field == Field::Text      ? tab.caption
         : field == Field::ToolTip ? tab.toolTip
                                   : tab.accessibleName.value_or("");
}

struct ShownText {
  Shows where;
  Field field;
  std::string_view text;
};

// The second code is applied with the settings file `translations`; `text`
// is the entry's text then, the co-op caption where no entry is named.
TEST(Language, CodesSelectOrKeepTheSet) {
  struct Case {
    std::string_view first, second;
    std::string translations;
    std::string text;
    wv::Str entry = Str::ModeCoop;
  };
  const std::string long40 = "Co-operative play with friends online!!";
  const Case cases[] = {
      {"LOCAL_EN", "", "", "CO-OP"},
      {"local_ru", "", "", "Кооператив"},
      {"LoCaL_eN", "", "", "CO-OP"},
      {"LOCAL_EN", "LOCAL_DE", "", "CO-OP"},
      {"LOCAL_RU", "RU", "", "Кооператив"},
      {"LOCAL_RU", "EN", "", "CO-OP"},
      {"LOCAL_EN", "**", "", "CO-OP"},
      {"LOCAL_EN", "LOC", "", "CO-OP"},
      {"LOCAL_EN", "", "", "CO-OP"},
      {"LOCAL_DE", "", "", ""},
      {"", "", "", ""},
      {"LOCAL_EN ", "", "", ""},
      // Translations in the settings file, by entry name.
      {"LOCAL_EN", "ru", "[Language_RU]\r\nModeCoop=Кооп\r\n", "Кооп"},
      {"LOCAL_RU", "en", "[Language_EN]\r\nmodecoop=Co-op\r\n", "Co-op"},
      {"LOCAL_RU", "**", "[Language_Custom]\r\nModeCoop=Coopératif\r\n", "Coopératif"},
      {"LOCAL_RU", "**", "[Language_Custom]\r\nModeVersus=Duel\r\n", "CO-OP"},
      {"LOCAL_EN", "**", "[Language_RU]\r\nModeCoop=Кооп\r\n", "CO-OP"},
      {"LOCAL_RU", "LOCAL_EN", "[Language_EN]\r\nModeCoop=Co-op\r\n", "CO-OP"},
      {"LOCAL_EN", "EN", "[Language_EN]\r\nModeCoop=" + long40 + "\r\n", long40.substr(0, 32)},
      {"LOCAL_EN", "RU", "[Language_RU]\r\nModeCoop=" + std::string(40, 'x') + "Я\r\n",
       std::string(32, 'x')},
      {"LOCAL_EN", "RU", "[Language_RU]\r\nModeCoop=\xCA\xEE\xEE\xEF \xB9\x31\r\n", "Кооп №1"},
      {"LOCAL_EN", "RU", "[Language_RU]\r\nModeCoop=\r\n", ""},
      // The monitoring page's reasons and the password dialog's buttons.
      {"LOCAL_EN", "RU", "", "Страница мониторинга недоступна", Str::MonitoringUnavailable},
      {"LOCAL_EN", "LOCAL_RU", "", "ОК", Str::PasswordDialogOk},
      {"LOCAL_RU", "LOCAL_EN", "", "the web engine did not start", Str::EngineNotStarted},
      {"LOCAL_RU", "**", "[Language_Custom]\r\nPasswordDialogCancel=Abbrechen\r\n", "Abbrechen",
       Str::PasswordDialogCancel},
      {"LOCAL_EN", "**", "[Language_Custom]\r\nModuleForeign2=\" du lanceur\"\r\n", " du lanceur",
       Str::ModuleForeign2},
      {"LOCAL_EN", "RU", "[Language_RU]\r\nModuleNotFound=нет\r\n", "нет", Str::ModuleNotFound},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.first) + " then " + std::string(c.second));
    test::TempFolder folder;
    const SettingsReader translations(folder.Write("translations.ini", c.translations));
    LauncherModel model;
    model.ChangeLanguage(c.first);
    model.ChangeLanguage(c.second, translations);
    EXPECT_EQ(model.Str(c.entry), c.text);
    if (c.entry != Str::ModeCoop) continue;
    EXPECT_EQ(Shown(model, Control::ModeChoice), c.text);
    EXPECT_EQ(model.Entry("coop").caption, c.text);
  }
}

// The [Application] Language value is the start's code; what names no code
// starts in English. Without the key, a Russian system locale starts in
// Russian and any other in English.
TEST(Language, LanguageValueSelectsTheStartCode) {
  const struct {
    std::optional<std::string_view> value;
    std::string_view locale, code;
  } cases[] = {
      {"", "", "LOCAL_EN"},
      {"RU", "", "RU"},
      {"local_ru", "", "local_ru"},
      {"**", "", "**"},
      {"De", "", "LOCAL_EN"},
      {"LOCAL_DE", "", "LOCAL_EN"},
      {" RU", "", "LOCAL_EN"},
      {"LOCAL", "", "LOCAL_EN"},
      {"en", "", "en"},
      {std::nullopt, "ru_RU.UTF-8", "LOCAL_RU"},
      {std::nullopt, "ru", "LOCAL_RU"},
      {std::nullopt, "RU_ua@latin", "LOCAL_RU"},
      {std::nullopt, "ru-RU", "LOCAL_RU"},
      {std::nullopt, "rue_SK", "LOCAL_EN"},
      {std::nullopt, "russian", "LOCAL_EN"},
      {std::nullopt, "en_US.UTF-8", "LOCAL_EN"},
      {std::nullopt, "C.UTF-8", "LOCAL_EN"},
      {std::nullopt, "", "LOCAL_EN"},
      {"", "ru_RU.UTF-8", "LOCAL_EN"},
      {"LOCAL_EN", "ru_RU.UTF-8", "LOCAL_EN"},
      {"EN", "ru", "EN"},
      {"De", "ru_RU", "LOCAL_EN"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LanguageCode(c.value, c.locale), c.code)
        << c.value.value_or("(absent)") << " " << c.locale;
  }
}

// As POSIX takes the language of messages: the first of LC_ALL, LC_MESSAGES
// and LANG that is set and not empty.
TEST(Language, MessageLocaleTakesTheFirstSetVariable) {
  using Variables = std::map<std::string_view, std::string>;
  const std::pair<Variables, std::string> cases[] = {
      {{{"LC_ALL", "ru_RU.UTF-8"}, {"LC_MESSAGES", "en_US"}, {"LANG", "de_DE"}}, "ru_RU.UTF-8"},
      {{{"LC_ALL", ""}, {"LC_MESSAGES", "ru_RU"}, {"LANG", "en_US"}}, "ru_RU"},
      {{{"LC_MESSAGES", ""}, {"LANG", "ru_RU.UTF-8"}}, "ru_RU.UTF-8"},
      {{{"LC_ALL", "C"}, {"LANG", "ru_RU.UTF-8"}}, "C"},
      {{{"LC_CTYPE", "ru_RU.UTF-8"}}, ""},
      {{}, ""},
  };
  for (const auto& [variables, locale] : cases) {
    EXPECT_EQ(MessageLocale([&variables](std::string_view name) -> std::optional<std::string> {
                const auto found = variables.find(name);
                if (found == variables.end()) return std::nullopt;
                return found->second;
              }),
              locale);
  }
}

TEST(Language, CaptionsControlsAndKeepsEveryChoice) {
  LauncherModel model;
  model.ChangeLanguage("LOCAL_EN");
  model.ChooseEntry("hard");
  model.ChooseEntry("wren");
  model.ChooseEntry("customMaps");
  model.ChangeLanguage("LOCAL_RU");
  EXPECT_EQ(Shown(model, Control::ModeChoice), model.Entry("customMaps").caption);
  EXPECT_EQ(Shown(model, Control::CampaignChoice), "-");
  EXPECT_EQ(Shown(model, Control::DifficultyChoice), model.Entry("hard").caption);
  EXPECT_EQ(Shown(model, Control::CharacterButton), model.Entry("wren").caption);
  EXPECT_TRUE(model.Entry("wren").checked);
  EXPECT_EQ(model.Entry("impossible").caption, "Эксперт");
  EXPECT_EQ(model.Entry("theLights").caption, "The Lights ");
  EXPECT_EQ(model.Entry("foundry").caption, "Foundry");
  EXPECT_EQ(model.Entry("customMap2").caption, "custom_map_2");
  EXPECT_EQ(Shown(model, Control::ActionButton), "") << "the tab switch captions the action button";
  EXPECT_EQ(Shown(model, Control::ClipboardButton, Field::Name),
            Shown(model, Control::ClipboardButton, Field::ToolTip));

  // Each language's texts, by control.
  const struct {
    std::string_view code;
    std::vector<ShownText> texts;
  } languages[] = {
      {"LOCAL_RU",
       {{Tab::CreateServer, Field::Text, "Создание сервера"},
        {Tab::About, Field::Text, "?"},
        {Control::ClipboardButton, Field::ToolTip,
         "Кликните, чтобы скопировать настройки игры в буфер обмена"},
        {Control::SlotsChoice, Field::Text, "14"},
        {Control::CloseButton, Field::Text, "Закрыть"},
        {Control::MinimizeButton, Field::Text, "Свернуть"},
        {Control::CloseButton, Field::ToolTip, "Закрыть"},
        {Control::MapBox, Field::ToolTip, "Выбрать главу или карту"},
        {Control::MapArrow, Field::Name, "Глава"},
        {Control::JoinPort, Field::Name, "Порт"}}},
      {"LOCAL_EN",
       {{Control::DifficultyChoice, Field::Text, "Hard"},
        {Control::ClipboardButton, Field::ToolTip, "Copy map settings to clipboard"},
        {Control::JoinAddressFrame, Field::Text, "Host address (IP / PORT)"},
        {Control::MinimizeButton, Field::Text, "Minimize"},
        {Tab::About, Field::ToolTip, "About the launcher"},
        {Control::JoinAddress, Field::Name, "Host address (IP / PORT)"}}},
  };
  for (const auto& language : languages) {
    model.ChangeLanguage(language.code);
    for (const ShownText& row : language.texts) {
      EXPECT_EQ(Shown(model, row.where, row.field), row.text) << language.code << " " << row.text;
    }
  }
}

}  // namespace
}  // namespace wv
