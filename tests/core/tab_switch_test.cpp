#include "tests/core/model_fixture.h"

namespace wv::test {
namespace {

using TabSwitch = ModelTest;

TEST_F(TabSwitch, EachTabSetsCaptionModeAndPanels) {
  const struct {
    Tab tab;
    std::string_view caption;
    ActionMode mode;
    bool characterPanel, clipboardPanel, navigate;
  } cases[] = {
      {Tab::JoinGame, "Join game ", ActionMode::JoinGame, true, false, false},
      {Tab::Monitoring, "Refresh", ActionMode::RefreshMonitoring, false, false, true},
      {Tab::About, "Forum ", ActionMode::OpenForum, false, false, false},
      {Tab::CreateServer, "Create server ", ActionMode::CreateServer, true, true, false},
  };
  for (const auto& c : cases) {
    const TabSwitchRequest request = model.SwitchTab(c.tab);
    EXPECT_EQ(Shown(Control::ActionButton), c.caption);
    EXPECT_EQ(model.ActionMode(), c.mode);
    EXPECT_EQ(model.CharacterPanelEnabled(), c.characterPanel);
    EXPECT_EQ(model.ClipboardPanelEnabled(), c.clipboardPanel);
    EXPECT_EQ(request.navigateMonitoring, c.navigate);
  }
}

TEST_F(TabSwitch, InfectedSideOnlyOutsideCoop) {
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
  EXPECT_TRUE(model.CharacterPanelEnabled());
  EXPECT_TRUE(model.ClipboardPanelEnabled());
}

}  // namespace
}  // namespace wv::test
