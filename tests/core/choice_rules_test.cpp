#include <algorithm>
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

// A separator shown reads "-": none may end a menu or stand next to another.
Ids VisibleIds(const LauncherModel& model, std::string_view menu) {
  Ids ids;
  for (const Menu& m : model.Menus())
    for (const MenuEntry& e : m.entries)
      if (m.id == menu && e.visible) ids.push_back(e.IsSeparator() ? "-" : e.id);
  return ids;
}

TEST_F(ChoiceRules, StartStateShowsTheDefaults) {
  const std::pair<Control, const char*> texts[] = {{Control::ModeChoice, "CO-OP"},
                                                   {Control::CampaignChoice, "Last ward"},
                                                   {Control::DifficultyChoice, "Normal"},
                                                   {Control::MapChoice, "Apartmens"},
                                                   {Control::SlotsChoice, "14"},
                                                   {Control::PortChoice, "27015"},
                                                   {Control::PasswordChoice, "Not protected"},
                                                   {Control::CharacterButton, "Arno"}};
  for (const auto& [control, text] : texts) EXPECT_EQ(Shown(control), text) << ObjectName(control);
  for (const char* id :
       {"coop", "lastWard", "apartments", "normal", "slots14", "port27015", "arno"})
    EXPECT_TRUE(Checked(id)) << id;
  // Only the choices of a group take a check mark; the password's entries act.
  for (const char* id : {"coop", "customMaps", "easy", "slots1", "port27015", "wren", "infected"})
    EXPECT_TRUE(model.Entry(id).checkable) << id;
  for (const char* id : {"setPassword", "removePassword"})
    EXPECT_FALSE(model.Entry(id).checkable) << id;
  EXPECT_EQ(VisibleIds(model, "mapMenu"),
            (Ids{"apartments", "subway", "sewer", "hospital", "rooftops"}));
  EXPECT_FALSE(Visible("infected"));
  EXPECT_FALSE(Visible("greyTideRising"));
  EXPECT_EQ(model.Entry("customMaps").hint, "Дополнительные карты");
  ExpectOneCheckPerGroup(model);
}

TEST_F(ChoiceRules, CustomMapsThenCoopChoosesCampaignOneAndHidesMaps) {
  WriteSettings("[MAP_Rockfall]\r\nVisible=Yes\r\n");
  Choose({"customMaps"});
  EXPECT_EQ(Shown(Control::CampaignChoice), "-");
  EXPECT_EQ(Shown(Control::MapChoice), "Rockfall");
  Choose({"coop"});
  EXPECT_EQ(Shown(Control::ModeChoice), "CO-OP");
  EXPECT_EQ(Shown(Control::CampaignChoice), "Last ward");
  EXPECT_EQ(Shown(Control::MapChoice), "Apartmens");
  EXPECT_FALSE(Visible("rockfall"));
  EXPECT_EQ(VisibleIds(model, "campaignMenu"),
            (Ids{"lastWard", "stoneBell", "stillWind", "redFurrow"}));
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
      {"", "Subway", "coop", "Subway", "+map wrv_hospital02_subway +team"},
      {"", "Subway", "versus", "Subway", "+map wrv_vs_hospital02_subway +team"},
      {"Language=RU\r\n", "Метро", "coop", "Метро", "+map wrv_hospital02_subway +team"},
      {"", "subway", "coop", "Apartmens", "+map wrv_hospital01_apartment +team"},
      {"", "Metro", "coop", "Apartmens", "+map wrv_hospital01_apartment +team"},
  };
  for (const auto& c : cases) {
    RestartWith(c.language, "[CustomMap3]\r\nMap name=" + std::string(c.mapName) +
                                "\r\nFile name=cm_named\r\n");
    Choose({"customMaps"});
    ASSERT_EQ(Shown(Control::MapChoice), c.mapName);
    Choose({c.mode});
    EXPECT_EQ(Shown(Control::MapChoice), c.chapter) << c.mapName << " " << c.mode;
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
      {{"stoneBell"}, "Last ward", "Apartmens"},
      {{"stillWind", "constructionSite"}, "Last ward", "Apartmens"},
      {{"sewer"}, "Last ward", "Sewer"},
      {{"redFurrow", "trainStation"}, "Red furrow", "Train Station"},
  };
  for (const auto& c : cases) {
    Restart();
    for (std::string_view id : c.before) model.ChooseEntry(id);
    Choose({"versus"});
    EXPECT_EQ(Shown(Control::CampaignChoice), c.campaign) << c.before.front();
    EXPECT_EQ(Shown(Control::MapChoice), c.chapter) << c.before.front();
    EXPECT_EQ(VisibleIds(model, "campaignMenu"), (Ids{"lastWard", "redFurrow"}));
    EXPECT_TRUE(Visible("infected"));
  }
}

TEST_F(ChoiceRules, VersusRaisesSlotsToEightOnly) {
  const struct {
    const char *slots, *shown, *checked;
  } cases[] = {
      {"slots1", "8", "slots8"}, {"slots5", "8", "slots8"},    {"slots7", "8", "slots8"},
      {"slots8", "8", "slots8"}, {"slots10", "10", "slots10"}, {"slots14", "14", "slots14"},
  };
  for (const auto& c : cases) {
    Choose({"coop", c.slots, "versus"});
    EXPECT_EQ(Shown(Control::SlotsChoice), c.shown) << c.slots;
    EXPECT_TRUE(Checked(c.checked)) << c.slots;
  }
  Choose({"slots5", "coop"});
  EXPECT_EQ(Shown(Control::SlotsChoice), "5") << "co-op leaves the slots alone";
  Choose({"versus", "coop"});
  EXPECT_EQ(Shown(Control::SlotsChoice), "8");
  Choose({"versus", "slots3"});
  EXPECT_EQ(Shown(Control::SlotsChoice), "3") << "fewer slots may be chosen in versus";
}

TEST_F(ChoiceRules, LeavingVersusWithdrawsTheInfectedSide) {
  Choose({"versus", "infected"});
  EXPECT_EQ(Shown(Control::CharacterButton), "Infected");
  Choose({"coop"});
  EXPECT_EQ(Shown(Control::CharacterButton), "Arno");
  EXPECT_TRUE(Checked("arno"));
  EXPECT_FALSE(Visible("infected"));
  EXPECT_FALSE(Visible("beforeInfected"));
  ExpectOneCheckPerGroup(model);
}

// The join tab offers the infected side; the create tab in co-op withdraws
// it, while versus keeps what its rule set.
TEST_F(ChoiceRules, InfectedSideOnlyOutsideCoop) {
  model.SwitchTab(Tab::JoinGame);
  EXPECT_TRUE(Visible("infected"));
  Choose({"infected"});
  model.SwitchTab(Tab::CreateServer);
  EXPECT_FALSE(Visible("infected"));
  EXPECT_EQ(Shown(Control::CharacterButton), "Arno");

  Choose({"versus", "infected"});
  model.SwitchTab(Tab::About);
  model.SwitchTab(Tab::CreateServer);
  EXPECT_TRUE(Visible("infected")) << "versus keeps what its rule set";
  EXPECT_EQ(Shown(Control::CharacterButton), "Infected");
}

TEST_F(ChoiceRules, CustomMapsOffersTheEnabledMapsAndChoosesTheFirst) {
  WriteSettings(
      "[MAP_Foundry]\r\nVisible=No\r\n[MAP_Rockfall]\r\nVisible=YES\r\n"
      "[CustomMap1]\r\nMap name=Half\r\nFile name=\r\n"
      "[CustomMap2]\r\nMap name=\r\nFile name=orphan\r\n"
      "[CustomMap3]\r\nMap name=Docks\r\nFile name=wrv_docks\r\n");
  Choose({"customMaps"});
  EXPECT_EQ(Shown(Control::ModeChoice), "Custom maps");
  EXPECT_EQ(Shown(Control::MapChoice), "Rockfall");
  EXPECT_EQ(VisibleIds(model, "mapMenu"), (Ids{"rockfall", "customMap3"}));
  EXPECT_EQ(Caption("customMap3"), "Docks");
  EXPECT_EQ(Caption("customMap1"), "custom_map_1");
  EXPECT_TRUE(Checked("lastWard")) << "the campaign keeps its check mark";
}

TEST_F(ChoiceRules, CustomMapsWithNothingEnabledLeavesNoMap) {
  Choose({"infected"});  // hidden entries can still be chosen
  Choose({"customMaps"});
  EXPECT_EQ(Shown(Control::MapChoice), "-");
  EXPECT_EQ(Shown(Control::CharacterButton), "Infected") << "no map: the character menu stays";
  // One disabled entry says where maps are enabled, in the active language.
  EXPECT_EQ(VisibleIds(model, "mapMenu"), Ids{"noMapsEnabled"});
  for (const auto& [language, caption] :
       {std::pair{"LOCAL_EN", "No maps enabled: see wreckvale_launcher.ini"},
        std::pair{"LOCAL_RU", "Нет включённых карт: см. wreckvale_launcher.ini"}}) {
    model.ChangeLanguage(language);
    const std::vector<Menu> menus = model.Menus();
    const auto map =
        std::find_if(menus.begin(), menus.end(), [](const Menu& m) { return m.id == "mapMenu"; });
    ASSERT_NE(map, menus.end());
    const MenuEntry& notice = map->entries.back();
    EXPECT_EQ(notice.caption, caption);
    EXPECT_FALSE(notice.enabled);
  }
  model.ChooseEntry("coop");
  EXPECT_EQ(VisibleIds(model, "mapMenu"),
            (Ids{"apartments", "subway", "sewer", "hospital", "rooftops"}));
}

TEST_F(ChoiceRules, CustomMapNamedDashCountsAsNoMap) {
  WriteSettings(
      "[CustomMap1]\r\nMap name=-\r\nFile name=dash\r\n"
      "[CustomMap2]\r\nMap name=Real\r\nFile name=real\r\n");
  Choose({"customMaps"});
  EXPECT_EQ(Shown(Control::MapChoice), "Real");
  EXPECT_TRUE(Checked("customMap2"));
}

TEST_F(ChoiceRules, VersusFlagOfEachFlaggedMapSetsTheInfectedSide) {
  const struct {
    std::string_view entry, sections;
  } cases[] = {
      {"foundry", "[MAP_Foundry]\r\nVisible=Yes\r\nVersus=yes\r\n"},
      {"rockfall", "[MAP_Rockfall]\r\nVisible=Yes\r\nVersus=Yes\r\n"},
      {"townSquare", "[MAP_TownSquare]\r\nVisible=Yes\r\nVersus=YES\r\n"},
      {"customMap1", "[CustomMap1]\r\nMap name=A\r\nFile name=a\r\nVersus=yes\r\n"},
      {"customMap11", "[CustomMap11]\r\nMap name=K\r\nFile name=k\r\nversus=yEs\r\n"},
      {"customMap16", "[CustomMap16]\r\nMap name=P\r\nFile name=p\r\nVersus=Yes\r\n"},
      {"oldQuay", "[Campaign_GreyTideRising]\r\nVersus=yes\r\n"},
      {"theLights", "[Campaign_GreyTideRising]\r\nVersus=Yes\r\n"},
  };
  for (const auto& c : cases) {
    WriteSettings(c.sections);
    Choose({"coop", "customMaps", c.entry});
    EXPECT_TRUE(Visible("infected")) << c.entry;
    Choose({"infected"});
    // Without the flag the same map withdraws the side and falls back to survivor 1.
    std::string unflagged(c.sections);
    WriteSettings(unflagged.replace(unflagged.rfind("ersus=") + 6, 3, "No"));
    Choose({c.entry});
    EXPECT_FALSE(Visible("infected")) << c.entry;
    EXPECT_EQ(Shown(Control::CharacterButton), "Arno") << c.entry;
  }
}

TEST_F(ChoiceRules, FlagsAreReadAtTheMomentOfTheChoice) {
  WriteSettings(
      "[MAP_Rockfall]\r\nVisible=Yes\r\nVersus=Yes\r\n[MAP_TownSquare]\r\nVisible=Yes\r\n");
  Choose({"customMaps"});
  EXPECT_TRUE(Visible("infected"));
  Choose({"infected", "townSquare"});
  EXPECT_FALSE(Visible("infected"));
  EXPECT_EQ(Shown(Control::CharacterButton), "Arno");
  WriteSettings(
      "[MAP_Rockfall]\r\nVisible=Yes\r\nVersus=No\r\n[MAP_TownSquare]\r\nVisible=Yes\r\n");
  Choose({"rockfall"});
  EXPECT_FALSE(Visible("infected"));
}

TEST_F(ChoiceRules, AddonCampaign) {
  WriteSettings("[Campaign_GreyTideRising]\r\nVisible=Yes\r\nVersus=Yes\r\n");
  Choose({"greyTideRising"});
  EXPECT_EQ(Shown(Control::CampaignChoice), "Grey Tide Rising");
  EXPECT_EQ(Shown(Control::MapChoice), "Old Quay");
  EXPECT_TRUE(Visible("infected")) << "its versus flag offers the infected side, even in co-op";
  EXPECT_EQ(VisibleIds(model, "mapMenu"),
            (Ids{"oldQuay", "harbourArcades", "canneryMarket", "theLights"}));

  Choose({"theLights", "infected", "greyTideRising"});
  EXPECT_EQ(Shown(Control::MapChoice), "The Lights ") << "a chapter of its own stays";
  EXPECT_EQ(Shown(Control::CharacterButton), "Infected");

  Choose({"lastWard"});
  EXPECT_EQ(Shown(Control::MapChoice), "Apartmens");
  EXPECT_FALSE(Visible("theLights"));
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
    Choose({"coop", "greyTideRising", "versus"});
    EXPECT_EQ(Visible("greyTideRising"), c.offered) << c.settings;
    EXPECT_EQ(Shown(Control::CampaignChoice), c.campaign) << c.settings;
  }
}

TEST_F(ChoiceRules, CoopShowsAddonOnlyWhenVisible) {
  Choose({"coop"});
  EXPECT_FALSE(Visible("greyTideRising"));
  WriteSettings("[Campaign_GreyTideRising]\r\nVisible=yes\r\n");
  Choose({"coop"});
  EXPECT_TRUE(Visible("greyTideRising"));
  WriteSettings("[Campaign_GreyTideRising]\r\nVisible=No\r\n");
  Choose({"coop"});
  EXPECT_TRUE(Visible("greyTideRising")) << "co-op never hides it";
}

TEST_F(ChoiceRules, TwoCustomMapsOfOneNameShowTheSameText) {
  WriteSettings(
      "[CustomMap4]\r\nMap name=Twin\r\nFile name=first\r\n"
      "[CustomMap9]\r\nMap name=Twin\r\nFile name=second\r\n");
  Choose({"customMaps"});
  EXPECT_TRUE(Visible("customMap4"));
  EXPECT_TRUE(Visible("customMap9"));
  Choose({"customMap9"});
  EXPECT_EQ(Shown(Control::MapChoice), "Twin");
}

TEST_F(ChoiceRules, ServerOptionChoicesShowTheirCaption) {
  const std::pair<const char*, std::pair<Control, const char*>> cases[] = {
      {"impossible", {Control::DifficultyChoice, "Impossible"}},
      {"easy", {Control::DifficultyChoice, "Easy"}},
      {"slots2", {Control::SlotsChoice, "2"}},
      {"slots13", {Control::SlotsChoice, "13"}},
      {"port27025", {Control::PortChoice, "27025"}},
      {"port27019", {Control::PortChoice, "27019"}},
      {"wren", {Control::CharacterButton, "Wren"}},
      {"infected", {Control::CharacterButton, "Infected"}},
  };
  for (const auto& [id, shown] : cases) {
    Choose({id});
    EXPECT_EQ(Shown(shown.first), shown.second) << id;
    EXPECT_TRUE(Checked(id));
    ExpectOneCheckPerGroup(model);
  }
  EXPECT_EQ(Shown(Control::ModeChoice), "CO-OP") << "the infected side does not change the mode";
}

TEST_F(ChoiceRules, PasswordDialog) {
  EXPECT_EQ(model.PasswordDialog().title, "Setup password");
  EXPECT_EQ(model.PasswordDialog().prompt, "Enter password");

  model.FinishPasswordDialog("s3cret");
  EXPECT_EQ(model.ServerPassword(), "s3cret");
  EXPECT_EQ(Shown(Control::PasswordChoice), "Protected");

  model.FinishPasswordDialog(std::nullopt);  // Cancel keeps what was set
  EXPECT_EQ(model.ServerPassword(), "s3cret");
  EXPECT_EQ(Shown(Control::PasswordChoice), "Protected");

  model.FinishPasswordDialog(" ");
  EXPECT_EQ(model.ServerPassword(), " ");
  EXPECT_EQ(Shown(Control::PasswordChoice), "Protected");

  model.FinishPasswordDialog("");
  EXPECT_EQ(model.ServerPassword(), "");
  EXPECT_EQ(Shown(Control::PasswordChoice), "Not protected");

  model.FinishPasswordDialog("again");
  Choose({"removePassword"});
  EXPECT_EQ(model.ServerPassword(), "");
  EXPECT_EQ(Shown(Control::PasswordChoice), "Not protected");
}

}  // namespace
}  // namespace wv::test
