#include <string>
#include <utility>
#include <vector>

#include "tests/core/model_fixture.h"

namespace wv::test {
namespace {

using ChoiceRules = ModelTest;
using Ids = std::vector<std::string>;

// Exactly one check mark in every group, whatever the choices were.
void ExpectOneCheckPerGroup(const LauncherModel& model) {
  for (Group g : {Group::Mode, Group::Difficulty, Group::Slots, Group::Port, Group::Character}) {
    int checked = 0;
    for (const Menu& menu : model.Menus())
      for (const MenuEntry& e : menu.entries) checked += (e.group == g && e.checked) ? 1 : 0;
    EXPECT_EQ(checked, 1) << "group " << static_cast<int>(g);
  }
}

Ids VisibleIds(const LauncherModel& model, std::string_view menu) {
  Ids ids;
  for (const Menu& m : model.Menus())
    for (const MenuEntry& e : m.entries)
      if (m.id == menu && e.visible && !e.IsSeparator()) ids.push_back(e.id);
  return ids;
}

TEST_F(ChoiceRules, StartStateShowsTheDefaults) {
  const std::pair<const char*, const char*> texts[] = {
      {"Label1", "CO-OP"},         {"Label2", "Last ward"},  {"Label3", "Normal"},
      {"Label4", "Apartmens"},     {"Label5", "14"},         {"Label6", "27015"},
      {"Label7", "Not protected"}, {"RzToolButton1", "Arno"}};
  for (const auto& [control, text] : texts) EXPECT_EQ(Shown(control), text) << control;
  for (const char* id : {"N1", "MenuItem1", "N5", "N33", "N142", "N270151", "N37"})
    EXPECT_TRUE(Checked(id)) << id;
  EXPECT_EQ(VisibleIds(model, "Menu_Map"), (Ids{"N5", "N6", "N7", "N8", "N9"}));
  EXPECT_FALSE(Visible("N43"));
  EXPECT_FALSE(Visible("GreyTideRising2"));
  EXPECT_EQ(model.Entry("N46").hint, "Дополнительные карты");
  ExpectOneCheckPerGroup(model);
}

TEST_F(ChoiceRules, CustomMapsThenCoopChoosesCampaignOneAndHidesMaps) {
  WriteSettings("[MAP_Rockfall]\r\nVisible=Yes\r\n");
  Choose({"N46"});
  EXPECT_EQ(Shown("Label2"), "-");
  EXPECT_EQ(Shown("Label4"), "Rockfall");
  Choose({"N1"});
  EXPECT_EQ(Shown("Label1"), "CO-OP");
  EXPECT_EQ(Shown("Label2"), "Last ward");
  EXPECT_EQ(Shown("Label4"), "Apartmens");
  EXPECT_FALSE(Visible("Rockfall"));
  EXPECT_EQ(VisibleIds(model, "Menu_Company"), (Ids{"MenuItem1", "MenuItem2", "N3", "N4"}));
  ExpectOneCheckPerGroup(model);
}

// The chapter rule reads the chapter box: a custom map named like a chapter
// of the campaign the mode falls back to stays, and plays as that chapter.
TEST_F(ChoiceRules, ChapterRuleComparesTheShownCaption) {
  const struct {
    const char* language;
    const char* mapName;
    const char* mode;
    const char* chapter;
    const char* mapToken;
  } cases[] = {
      {"", "Subway", "N1", "Subway", "+map wrv_hospital02_subway +team"},
      {"", "Subway", "N2", "Subway", "+map wrv_vs_hospital02_subway +team"},
      {"Language=RU\r\n", "Метро", "N1", "Метро", "+map wrv_hospital02_subway +team"},
      {"", "subway", "N1", "Apartmens", "+map wrv_hospital01_apartment +team"},
      {"", "Metro", "N1", "Apartmens", "+map wrv_hospital01_apartment +team"},
  };
  for (const auto& c : cases) {
    RestartWith(c.language, "[CustomMap3]\r\nMap name=" + std::string(c.mapName) +
                                "\r\nFile name=cm_named\r\n");
    Choose({"N46"});
    ASSERT_EQ(Shown("Label4"), c.mapName);
    Choose({c.mode});
    EXPECT_EQ(Shown("Label4"), c.chapter) << c.mapName << " " << c.mode;
    const std::string command = Command();
    EXPECT_NE(command.find(c.mapToken), std::string::npos) << command;
    EXPECT_EQ(command.find("cm_named"), std::string::npos) << command;
    ExpectOneCheckPerGroup(model);
  }
}

TEST_F(ChoiceRules, VersusKeepsOnlyCampaignsWithVersusMaps) {
  const struct {
    std::vector<std::string_view> before;
    std::string campaign, chapter;
  } cases[] = {
      {{"MenuItem2"}, "Last ward", "Apartmens"},
      {{"N3", "N19"}, "Last ward", "Apartmens"},
      {{"N7"}, "Last ward", "Sewer"},
      {{"N4", "N26"}, "Red furrow", "Train Station"},
  };
  for (const auto& c : cases) {
    Restart();
    for (std::string_view id : c.before) model.ChooseEntry(id);
    Choose({"N2"});
    EXPECT_EQ(Shown("Label2"), c.campaign) << c.before.front();
    EXPECT_EQ(Shown("Label4"), c.chapter) << c.before.front();
    EXPECT_EQ(VisibleIds(model, "Menu_Company"), (Ids{"MenuItem1", "N4"}));
    EXPECT_TRUE(Visible("N43"));
  }
}

TEST_F(ChoiceRules, VersusRaisesSlotsToEightOnly) {
  const struct {
    const char *slots, *shown, *checked;
  } cases[] = {
      {"N110", "8", "N81"}, {"N51", "8", "N81"},    {"N71", "8", "N81"},
      {"N81", "8", "N81"},  {"N101", "10", "N101"}, {"N142", "14", "N142"},
  };
  for (const auto& c : cases) {
    Choose({"N1", c.slots, "N2"});
    EXPECT_EQ(Shown("Label5"), c.shown) << c.slots;
    EXPECT_TRUE(Checked(c.checked)) << c.slots;
  }
  Choose({"N51", "N1"});
  EXPECT_EQ(Shown("Label5"), "5") << "co-op leaves the slots alone";
  Choose({"N2", "N1"});
  EXPECT_EQ(Shown("Label5"), "8");
  Choose({"N2", "N31"});
  EXPECT_EQ(Shown("Label5"), "3") << "fewer slots may be chosen in versus";
}

TEST_F(ChoiceRules, LeavingVersusWithdrawsTheInfectedSide) {
  Choose({"N2", "N43"});
  EXPECT_EQ(Shown("RzToolButton1"), "Infected");
  Choose({"N1"});
  EXPECT_EQ(Shown("RzToolButton1"), "Arno");
  EXPECT_TRUE(Checked("N37"));
  EXPECT_FALSE(Visible("N43"));
  EXPECT_FALSE(Visible("N42"));
  ExpectOneCheckPerGroup(model);
}

TEST_F(ChoiceRules, CustomMapsOffersTheEnabledMapsAndChoosesTheFirst) {
  WriteSettings(
      "[MAP_Foundry]\r\nVisible=No\r\n[MAP_Rockfall]\r\nVisible=YES\r\n"
      "[CustomMap1]\r\nMap name=Half\r\nFile name=\r\n"
      "[CustomMap2]\r\nMap name=\r\nFile name=orphan\r\n"
      "[CustomMap3]\r\nMap name=Docks\r\nFile name=wrv_docks\r\n");
  Choose({"N46"});
  EXPECT_EQ(Shown("Label1"), "Custom maps");
  EXPECT_EQ(Shown("Label4"), "Rockfall");
  EXPECT_EQ(VisibleIds(model, "Menu_Map"), (Ids{"Rockfall", "custommap3"}));
  EXPECT_EQ(Caption("custommap3"), "Docks");
  EXPECT_EQ(Caption("custommap1"), "custom_map_1");
  EXPECT_TRUE(Checked("MenuItem1")) << "the campaign keeps its check mark";
}

TEST_F(ChoiceRules, CustomMapsWithNothingEnabledLeavesNoMap) {
  Choose({"N43"});  // hidden entries can still be chosen
  Choose({"N46"});
  EXPECT_EQ(Shown("Label4"), "-");
  EXPECT_EQ(Shown("RzToolButton1"), "Infected") << "no map: the character menu stays";
  EXPECT_EQ(VisibleIds(model, "Menu_Map"), Ids{});
}

TEST_F(ChoiceRules, CustomMapNamedDashCountsAsNoMap) {
  WriteSettings(
      "[CustomMap1]\r\nMap name=-\r\nFile name=dash\r\n"
      "[CustomMap2]\r\nMap name=Real\r\nFile name=real\r\n");
  Choose({"N46"});
  EXPECT_EQ(Shown("Label4"), "Real");
  EXPECT_TRUE(Checked("custommap2"));
}

TEST_F(ChoiceRules, VersusFlagOfEachFlaggedMapSetsTheInfectedSide) {
  const struct {
    std::string_view entry, sections;
  } cases[] = {
      {"Foundry1", "[MAP_Foundry]\r\nVisible=Yes\r\nVersus=yes\r\n"},
      {"Rockfall", "[MAP_Rockfall]\r\nVisible=Yes\r\nVersus=Yes\r\n"},
      {"TownSquare1", "[MAP_TownSquare]\r\nVisible=Yes\r\nVersus=YES\r\n"},
      {"custommap1", "[CustomMap1]\r\nMap name=A\r\nFile name=a\r\nVersus=yes\r\n"},
      {"custommap11", "[CustomMap11]\r\nMap name=K\r\nFile name=k\r\nversus=yEs\r\n"},
      {"custommap16", "[CustomMap16]\r\nMap name=P\r\nFile name=p\r\nVersus=Yes\r\n"},
      {"OldQuay", "[Campaign_GreyTideRising]\r\nVersus=yes\r\n"},
      {"TheLights", "[Campaign_GreyTideRising]\r\nVersus=Yes\r\n"},
  };
  for (const auto& c : cases) {
    WriteSettings(c.sections);
    Choose({"N1", "N46", c.entry});
    EXPECT_TRUE(Visible("N43")) << c.entry;
    Choose({"N43"});
    // Without the flag the same map withdraws the side and falls back to survivor 1.
    std::string unflagged(c.sections);
    WriteSettings(unflagged.replace(unflagged.rfind("ersus=") + 6, 3, "No"));
    Choose({c.entry});
    EXPECT_FALSE(Visible("N43")) << c.entry;
    EXPECT_EQ(Shown("RzToolButton1"), "Arno") << c.entry;
  }
}

TEST_F(ChoiceRules, FlagsAreReadAtTheMomentOfTheChoice) {
  WriteSettings(
      "[MAP_Rockfall]\r\nVisible=Yes\r\nVersus=Yes\r\n[MAP_TownSquare]\r\nVisible=Yes\r\n");
  Choose({"N46"});
  EXPECT_TRUE(Visible("N43"));
  Choose({"N43", "TownSquare1"});
  EXPECT_FALSE(Visible("N43"));
  EXPECT_EQ(Shown("RzToolButton1"), "Arno");
  WriteSettings(
      "[MAP_Rockfall]\r\nVisible=Yes\r\nVersus=No\r\n[MAP_TownSquare]\r\nVisible=Yes\r\n");
  Choose({"Rockfall"});
  EXPECT_FALSE(Visible("N43"));
}

TEST_F(ChoiceRules, AddonCampaign) {
  WriteSettings("[Campaign_GreyTideRising]\r\nVisible=Yes\r\nVersus=Yes\r\n");
  Choose({"GreyTideRising2"});
  EXPECT_EQ(Shown("Label2"), "Grey Tide Rising");
  EXPECT_EQ(Shown("Label4"), "Old Quay");
  EXPECT_TRUE(Visible("N43")) << "its versus flag offers the infected side, even in co-op";
  EXPECT_EQ(VisibleIds(model, "Menu_Map"),
            (Ids{"OldQuay", "HarbourArcades", "CanneryMarket", "TheLights"}));

  Choose({"TheLights", "N43", "GreyTideRising2"});
  EXPECT_EQ(Shown("Label4"), "The Lights ") << "a chapter of its own stays";
  EXPECT_EQ(Shown("RzToolButton1"), "Infected");

  Choose({"MenuItem1"});
  EXPECT_EQ(Shown("Label4"), "Apartmens");
  EXPECT_FALSE(Visible("TheLights"));
}

TEST_F(ChoiceRules, AddonCampaignInVersus) {
  const struct {
    const char* settings;
    bool offered;
    const char* campaign;
  } cases[] = {
      {"Visible=Yes\r\nVersus=Yes\r\n", true, "Grey Tide Rising"},
      {"Visible=No\r\nVersus=Yes\r\n", true, "Last ward"},
      {"Visible=\r\nVersus=Yes\r\n", true, "Grey Tide Rising"},
      {"Visible=Yes\r\nVersus=No\r\n", false, "Last ward"},
  };
  for (const auto& c : cases) {
    WriteSettings(std::string("[Campaign_GreyTideRising]\r\n") + c.settings);
    Choose({"N1", "GreyTideRising2", "N2"});
    EXPECT_EQ(Visible("GreyTideRising2"), c.offered) << c.settings;
    EXPECT_EQ(Shown("Label2"), c.campaign) << c.settings;
  }
}

TEST_F(ChoiceRules, CoopShowsAddonOnlyWhenVisible) {
  Choose({"N1"});
  EXPECT_FALSE(Visible("GreyTideRising2"));
  WriteSettings("[Campaign_GreyTideRising]\r\nVisible=yes\r\n");
  Choose({"N1"});
  EXPECT_TRUE(Visible("GreyTideRising2"));
  WriteSettings("[Campaign_GreyTideRising]\r\nVisible=No\r\n");
  Choose({"N1"});
  EXPECT_TRUE(Visible("GreyTideRising2")) << "co-op never hides it";
}

TEST_F(ChoiceRules, TwoCustomMapsOfOneNameShowTheSameText) {
  WriteSettings(
      "[CustomMap4]\r\nMap name=Twin\r\nFile name=first\r\n"
      "[CustomMap9]\r\nMap name=Twin\r\nFile name=second\r\n");
  Choose({"N46"});
  EXPECT_TRUE(Visible("custommap4"));
  EXPECT_TRUE(Visible("custommap9"));
  Choose({"custommap9"});
  EXPECT_EQ(Shown("Label4"), "Twin");
}

TEST_F(ChoiceRules, ServerOptionChoicesShowTheirCaption) {
  const std::pair<const char*, std::pair<const char*, const char*>> cases[] = {
      {"N35", {"Label3", "Impossible"}},  {"N32", {"Label3", "Easy"}},
      {"N28", {"Label5", "2"}},           {"N141", {"Label5", "13"}},
      {"N270251", {"Label6", "27025"}},   {"N270191", {"Label6", "27019"}},
      {"N40", {"RzToolButton1", "Wren"}}, {"N43", {"RzToolButton1", "Infected"}},
  };
  for (const auto& [id, shown] : cases) {
    Choose({id});
    EXPECT_EQ(Shown(shown.first), shown.second) << id;
    EXPECT_TRUE(Checked(id));
    ExpectOneCheckPerGroup(model);
  }
  EXPECT_EQ(Shown("Label1"), "CO-OP") << "the infected side does not change the mode";
}

TEST_F(ChoiceRules, PasswordDialog) {
  EXPECT_EQ(model.PasswordDialog().title, "Setup password");
  EXPECT_EQ(model.PasswordDialog().prompt, "Enter password");

  model.FinishPasswordDialog("s3cret");
  EXPECT_EQ(model.ServerPassword(), "s3cret");
  EXPECT_EQ(Shown("Label7"), "Protected");

  model.FinishPasswordDialog(std::nullopt);  // Cancel keeps what was set
  EXPECT_EQ(model.ServerPassword(), "s3cret");
  EXPECT_EQ(Shown("Label7"), "Protected");

  model.FinishPasswordDialog(" ");
  EXPECT_EQ(model.ServerPassword(), " ");
  EXPECT_EQ(Shown("Label7"), "Protected");

  model.FinishPasswordDialog("");
  EXPECT_EQ(model.ServerPassword(), "");
  EXPECT_EQ(Shown("Label7"), "Not protected");

  model.FinishPasswordDialog("again");
  Choose({"N44"});
  EXPECT_EQ(model.ServerPassword(), "");
  EXPECT_EQ(Shown("Label7"), "Not protected");
}

}  // namespace
}  // namespace wv::test
