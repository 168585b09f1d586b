#include "core/launcher_model.h"

namespace wv {

TabSwitchRequest LauncherModel::SwitchTab(Tab active) {
  activeTab_ = active;
  TabSwitchRequest request;
  switch (active) {
    case Tab::CreateServer:
      SetText("RzGoButton", Str(Str::ActionCreate));
      actionMode_ = 1;
      panel4Enabled_ = true;
      panel6Enabled_ = true;
      if (Text("Label1") == Str(Str::ModeCoop)) WithdrawInfectedTeam();
      break;
    case Tab::JoinGame:
      actionMode_ = 2;
      panel4Enabled_ = true;
      panel6Enabled_ = false;
      SetText("RzGoButton", Str(Str::ActionJoin));
      OfferInfectedTeam();
      break;
    case Tab::Monitoring:
      actionMode_ = 3;
      panel4Enabled_ = false;
      panel6Enabled_ = false;
      SetText("RzGoButton", Str(Str::ActionRefresh));
      request.navigateMonitoring = true;
      break;
    case Tab::About:
      actionMode_ = 4;
      panel4Enabled_ = false;
      panel6Enabled_ = false;
      SetText("RzGoButton", Str(Str::ActionForum));
      break;
    case Tab::Settings:  // hidden from start-up on: never active
      break;
  }
  return request;
}

}  // namespace wv
