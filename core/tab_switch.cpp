#include "core/launcher_model.h"

namespace wv {

TabSwitchRequest LauncherModel::SwitchTab(Tab active) {
  activeTab_ = active;
  TabSwitchRequest request;
  switch (active) {
    case Tab::CreateServer:
      actionMode_ = 1;
      panel4Enabled_ = true;
      panel6Enabled_ = true;
      if (Shows(Group::Mode, entry::kCoop)) WithdrawInfectedTeam();
      break;
    case Tab::JoinGame:
      actionMode_ = 2;
      panel4Enabled_ = true;
      panel6Enabled_ = false;
      OfferInfectedTeam();
      break;
    case Tab::Monitoring:
      actionMode_ = 3;
      panel4Enabled_ = false;
      panel6Enabled_ = false;
      request.navigateMonitoring = true;
      break;
    case Tab::About:
      actionMode_ = 4;
      panel4Enabled_ = false;
      panel6Enabled_ = false;
      break;
    case Tab::Settings:  // hidden from start-up on: never active
      break;
  }
  return request;
}

}  // namespace wv
