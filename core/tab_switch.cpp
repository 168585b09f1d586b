#include "core/launcher_model.h"

namespace wv {

TabSwitchRequest LauncherModel::SwitchTab(Tab active) {
  activeTab_ = active;
  TabSwitchRequest request;
  switch (active) {
    case Tab::CreateServer:
      actionMode_ = ActionMode::CreateServer;
      characterPanelEnabled_ = true;
      clipboardPanelEnabled_ = true;
      if (Shows(Group::Mode, entry::kCoop)) WithdrawInfectedTeam();
      break;
    case Tab::JoinGame:
      actionMode_ = ActionMode::JoinGame;
      characterPanelEnabled_ = true;
      clipboardPanelEnabled_ = false;
      OfferInfectedTeam();
      break;
    case Tab::Monitoring:
      actionMode_ = ActionMode::RefreshMonitoring;
      characterPanelEnabled_ = false;
      clipboardPanelEnabled_ = false;
      request.navigateMonitoring = true;
      break;
    case Tab::About:
      actionMode_ = ActionMode::OpenForum;
      characterPanelEnabled_ = false;
      clipboardPanelEnabled_ = false;
      break;
    case Tab::Settings:  // hidden from start-up on: never active
      break;
  }
  return request;
}

}  // namespace wv
