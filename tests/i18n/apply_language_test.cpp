#include "i18n/apply_language.h"

#include <gtest/gtest.h>

#include "core/launcher_model.h"

namespace wv {
namespace {

TEST(ApplyLanguage, CodesSelectOrKeepTheSet) {
  struct Case {
    std::string_view first, second, coop;
  };
  const Case cases[] = {
      {"LOCAL_EN", "", "CO-OP"},
      {"local_ru", "", "Кооператив"},
      {"LoCaL_eN", "", "CO-OP"},
      {"LOCAL_EN", "LOCAL_DE", "CO-OP"},
      {"LOCAL_RU", "RU", "Кооператив"},
      {"LOCAL_RU", "EN", "Кооператив"},
      {"LOCAL_EN", "**", "CO-OP"},
      {"LOCAL_EN", "LOC", "CO-OP"},
      {"LOCAL_EN", "", "CO-OP"},
      {"LOCAL_DE", "", ""},
      {"", "", ""},
      {"LOCAL_EN ", "", ""},
  };
  for (const Case& c : cases) {
    LauncherModel model;
    ApplyLanguage(model, c.first);
    model.SetText("Label1", "stale");
    ApplyLanguage(model, c.second);
    EXPECT_EQ(model.Text("Label1"), c.coop) << c.first << " then " << c.second;
    EXPECT_EQ(model.Entry("N1").caption, c.coop);
  }
}

TEST(ApplyLanguage, CaptionsControlsAndResetsTheShownChoices) {
  LauncherModel model;
  ApplyLanguage(model, "LOCAL_EN");
  model.ChooseEntry("N34");
  model.ChooseEntry("N40");
  ApplyLanguage(model, "LOCAL_RU");
  EXPECT_EQ(model.Text("Label3"), "Нормально");
  EXPECT_EQ(model.Text("RzToolButton1"), "Арно");
  EXPECT_EQ(model.Entry("N35").caption, "Эксперт");
  EXPECT_EQ(model.Text("TabSheet1"), "Создание сервера");
  EXPECT_EQ(model.Text("TabSheet5"), "?");
  EXPECT_EQ(model.Text("RzToolButton2.Hint"),
            "Кликните, чтобы скопировать настройки игры в буффер обмена");
  EXPECT_EQ(model.Text("RzGoButton"), "") << "the tab switch captions the action button";
  EXPECT_EQ(model.Entry("TheLights").caption, "The Lights ");
  EXPECT_EQ(model.Entry("Foundry1").caption, "Foundry");
  EXPECT_EQ(model.Entry("custommap2").caption, "custom_map_2");
  EXPECT_EQ(model.Text("Label5"), "14");
  EXPECT_EQ(model.Text("RzLabel1"), "Закрыть");
  EXPECT_EQ(model.Text("RzLabel2"), "Свернуть");
  EXPECT_EQ(model.Text("RzLabel1.Hint"), "Закрыть");
  EXPECT_EQ(model.Text("RzGroupBox4.Hint"), "Выбрать главу или карту");
  EXPECT_EQ(model.Text("RzRapidFireButton4.Name"), "Глава");
  EXPECT_EQ(model.Text("RzEdit2.Name"), "Порт");
  EXPECT_EQ(model.Text("RzToolButton2.Name"), model.Text("RzToolButton2.Hint"));

  ApplyLanguage(model, "LOCAL_EN");
  EXPECT_EQ(model.Text("RzToolButton2.Hint"), "Copy map settings to clipboard");
  EXPECT_EQ(model.Text("RzGroupBox7"), "Host address (IP / PORT)");
  EXPECT_EQ(model.Text("RzLabel2"), "Minimize");
  EXPECT_EQ(model.Text("TabSheet5.Hint"), "About the launcher");
  EXPECT_EQ(model.Text("RzEdit1.Name"), "Host address (IP / PORT)");
}

}  // namespace
}  // namespace wv
