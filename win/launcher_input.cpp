// The window's input: its own keys, the controls' clicks and edits, the
// menus they drop and the tooltips' texts, each one call into the controller.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "win/control_ids.h"
#include "win/keys.h"
#include "win/launcher_window.h"
#include "win/layout.h"
#include "win/popup_menu.h"
#include "win/recent_arrow.h"
#include "win/text.h"

namespace wv {

bool LauncherWindow::TakeKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  HWND focus = GetFocus();
  const Control control = ControlOf(focus);
  const FocusKind kind = focus == tabRow_->Window() ? FocusKind::TabRow : FocusKindOf(control);
  const KeyCommand command = CommandFor(ChordOf(message), kind);
  if (command == KeyCommand::None) return false;
  Do(command, control);
  return true;
}

void LauncherWindow::Do(KeyCommand command, Control focused) {
  if (std::optional<ViewState> view = controller_.OnKey(command)) return Show(*view);
  switch (command) {
    case KeyCommand::DropMenu:
      DropMenuOf(focused, MenuOpening::Keyboard);
      return;
    case KeyCommand::Press:
      OnCommand(ControlId(focused), BN_CLICKED);
      return;
    case KeyCommand::PressAction:
      if (IsWindowEnabled(bottom_.action)) OnCommand(ControlId(Control::ActionButton), BN_CLICKED);
      return;
    case KeyCommand::DropRecent:
      ShowRecentServers();
      return;
    case KeyCommand::CaptionMenu:
      ShowCaptionMenu(CaptionArea(), MenuOpening::Keyboard);
      return;
    default:
      return;
  }
}

// Deactivating the tooltips hides the one shown, but a tooltip whose delay
// began before the menu opened still shows over its entries when the delay
// ends: while the menu is down the tooltips get no text, and none shows.
template <typename Menu>
auto LauncherWindow::WithoutToolTips(Menu menu) {
  menuDown_ = true;
  SendMessageW(toolTips_, TTM_ACTIVATE, FALSE, 0);
  SendMessageW(toolTips_, TTM_POP, 0, 0);
  auto chosen = menu();
  SendMessageW(toolTips_, TTM_POP, 0, 0);
  SendMessageW(toolTips_, TTM_ACTIVATE, TRUE, 0);
  menuDown_ = false;
  return chosen;
}

void LauncherWindow::DropMenuOf(Control control, MenuOpening how) {
  HWND anchor = Hwnd(control);
  if (anchor == nullptr || !IsWindowEnabled(anchor)) return;
  RECT area{};
  GetWindowRect(anchor, &area);
  const std::optional<std::string> chosen =
      WithoutToolTips([&] { return DropMenu(window_, menus_, DroppedMenu(control), area, how); });
  if (chosen) Show(controller_.OnMenuEntryChosen(*chosen));
}

void LauncherWindow::ShowCaptionMenu(const RECT& anchor, MenuOpening how) {
  std::vector<std::string> captions;
  for (const CaptionMenuEntry& entry : captionMenu_) captions.push_back(entry.caption);
  const std::optional<std::size_t> chosen = WithoutToolTips(
      [&] { return DropList(window_, captions, anchor, OpeningEntry(captionMenu_, how)); });
  if (chosen) Show(controller_.OnCaptionCommand(captionMenu_[*chosen].command));
}

// Dropped below the address box's ground, as a choice box drops its menu.
void LauncherWindow::ShowRecentServers() {
  if (recentServers_.empty()) return;
  HWND address = Hwnd(Control::JoinAddress);
  RECT area = look_.scale.Rect(layout::ToRect(layout::kJoinBoxes.front().area));
  MapWindowPoints(GetParent(address), nullptr, reinterpret_cast<POINT*>(&area), 2);
  const std::optional<std::size_t> chosen =
      WithoutToolTips([&] { return DropList(window_, recentServers_, area); });
  if (!chosen) return;
  Show(controller_.OnRecentServerChosen(*chosen));
}

void LauncherWindow::OnCommand(int id, int code) {
  if (id == kRecentServersArrowId) {
    if (code == STN_CLICKED) ShowRecentServers();
    return;
  }
  const Control control = static_cast<Control>(id - ControlId(Control{}));
  if (id < ControlId(Control{}) || control >= Control::Count) return;
  if (code == EN_CHANGE) {
    if (!quiet_) OnEdited(control);
    return;
  }
  if (code != BN_CLICKED) return;
  switch (control) {
    case Control::ActionButton:
      Show(controller_.OnActionPressed());
      return;
    case Control::ClipboardButton:
      controller_.OnClipboardPressed();
      return;
    default:
      if (!DroppedMenu(control).empty()) DropMenuOf(control, MenuOpening::Click);
      return;
  }
}

void LauncherWindow::OnEdited(Control control) {
  const std::string bytes = TypedBytes(WindowText(Hwnd(control)));
  switch (control) {
    case Control::JoinAddress:
      Show(controller_.OnJoinAddressEdited(bytes));
      break;
    case Control::JoinPort:
      Show(controller_.OnJoinPortEdited(bytes));
      break;
    case Control::JoinPassword:
      Show(controller_.OnJoinPasswordEdited(bytes));
      break;
    default:
      break;
  }
}

LRESULT LauncherWindow::ToolTipText(LPARAM lParam) {
  NMTTDISPINFOW& info = *reinterpret_cast<NMTTDISPINFOW*>(lParam);
  const Control control = ControlOf(reinterpret_cast<HWND>(info.hdr.idFrom));
  toolTip_.clear();
  if (menuDown_) {
    // An empty text shows no tooltip.
  } else if (control == Control::ActionButton) {
    toolTip_ = Wide(controller_.ActionPreview());
  } else if (control != Control::Count) {
    toolTip_ = Wide(shown_[static_cast<std::size_t>(control)].toolTip.value_or(std::string()));
  }
  info.lpszText = toolTip_.data();
  info.szText[0] = L'\0';
  info.hinst = nullptr;
  return 0;
}

}  // namespace wv
