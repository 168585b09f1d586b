// Showing a view: every control's texts and state, the current tab, and the
// view's one-off requests.
#include <oleacc.h>

#include <algorithm>

#include "win/accessible_name.h"
#include "win/first_frame.h"
#include "win/launcher_window.h"
#include "win/layout.h"
#include "win/text.h"

namespace wv {

namespace {

void SetText(HWND control, const std::wstring& text) {
  if (WindowText(control) != text) SetWindowTextW(control, text.c_str());
}

// Only the fields a view sets.
void Merge(ControlView& shown, const ControlView& view) {
  if (view.text) shown.text = view.text;
  if (view.toolTip) shown.toolTip = view.toolTip;
  if (view.accessibleName) shown.accessibleName = view.accessibleName;
  if (view.enabled) shown.enabled = view.enabled;
}

}  // namespace

void LauncherWindow::Show(const ViewState& view) {
  if (!DrawnBeforeControls(view)) MakeControls();
  for (std::size_t i = 0; i < kControlCount; ++i) Merge(shown_[i], view.controls[i]);
  for (std::size_t i = 0; i < kControlCount; ++i) ShowControl(static_cast<Control>(i));
  menus_ = view.menus;
  captionMenu_ = view.captionMenu;
  recentServers_ = view.recentServers;
  tabRow_->Show(view.tabs, view.currentTab);
  if (!controlsMade_) {
    if (view.focus != FocusRequest::None) firstFocus_ = view.focus;
    InvalidateRect(window_, nullptr, FALSE);
    return;
  }
  for (std::size_t i = 0; i < layout::kOptionRows.size(); ++i) {
    const layout::OptionRow& row = layout::kOptionRows[i];
    SendMessageW(Hwnd(row.box), BM_SETCHECK, view.options.*row.value ? BST_CHECKED : BST_UNCHECKED,
                 0);
  }
  if (view.currentTab != currentTab_ || !IsWindowVisible(PageOf(view.currentTab).Window())) {
    HWND focus = GetFocus();
    for (Tab tab : kTabs) {
      ShowWindow(PageOf(tab).Window(), tab == view.currentTab ? SW_SHOW : SW_HIDE);
    }
    currentTab_ = view.currentTab;
    // Focus on a page just hidden moves on, as the Tab key would.
    if (focus != nullptr && IsChild(window_, focus) && !IsWindowVisible(focus)) {
      if (HWND next = GetNextDlgTabItem(window_, focus, FALSE)) SetFocus(next);
    }
  }
  if (monitoring_ != nullptr) monitoring_->Show(view.currentTab == Tab::Monitoring);
  if (resting_ != view.actionResting) {
    resting_ = view.actionResting;
    // Screen readers hear why the button ignores presses for a while.
    SetAccessibleDescription(bottom_.action, Wide(view.actionRestDescription));
    InvalidateRect(bottom_.action, nullptr, FALSE);
  }
  if (view.wakeAfter.count() > 0) {
    SetTimer(window_, kRestTimer, static_cast<UINT>(view.wakeAfter.count()), nullptr);
  }
  const auto shownBytes = [this](Control box) { return TypedBytes(WindowText(Hwnd(box))); };
  for (const EditWrite& write : JoinBoxWrites(view, shownBytes)) {
    SetEditText(write.control, write.bytes);
  }
  if (const std::optional<FocusTarget> target = FocusTargetOf(view.focus)) {
    FocusOn(Hwnd(target->control), target->selectAll);
  }
  if (monitoring_ != nullptr) {
    switch (view.browser) {
      case BrowserRequest::None:
        break;
      case BrowserRequest::Navigate:
        monitoring_->Navigate(Wide(view.monitoringUrl));
        break;
      case BrowserRequest::Reload:
        monitoring_->Reload();
        break;
    }
  }
  ShowRecentArrow(!recentServers_.empty());
  SetAccessibleName(recentArrow_, Wide(view.recentServersName), ROLE_SYSTEM_PUSHBUTTON);
  if (view.watchGameAfter) {
    SetTimer(window_, kGameWatchTimer,
             std::max<UINT>(USER_TIMER_MINIMUM, static_cast<UINT>(view.watchGameAfter->count())),
             nullptr);
  }
  ShowHidden(view.windowHidden);
  if (view.closeWindow) PostMessageW(window_, WM_CLOSE, 0, 0);
}

void LauncherWindow::ShowRecentArrow(bool shown) {
  if (ArrowShown() == shown) return;
  ShowWindow(recentArrow_, shown ? SW_SHOWNA : SW_HIDE);
  PlaceEdits();
}

void LauncherWindow::ShowHidden(bool hidden) {
  if (hidden == hiddenForGame_) return;
  hiddenForGame_ = hidden;
  if (hidden) {
    ShowWindow(window_, SW_HIDE);
    return;
  }
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  if (pendingFocus_ != nullptr) SetFocus(pendingFocus_);
  pendingFocus_ = nullptr;
}

void LauncherWindow::ShowControl(Control control) {
  const ControlView& view = shown_[static_cast<std::size_t>(control)];
  const std::wstring text = Wide(view.text.value_or(std::string()));
  const auto enable = [](HWND window, bool enabled) {
    if ((IsWindowEnabled(window) != FALSE) != enabled) EnableWindow(window, enabled);
  };
  for (std::size_t i = 0; i < layout::kChoiceRows.size(); ++i) {
    const layout::ChoiceRow& row = layout::kChoiceRows[i];
    if (row.box != control) continue;
    const ControlView& choice = shown_[static_cast<std::size_t>(PartsOf(row.box).choice)];
    choiceBoxes_[i]->Show(text, Wide(choice.text.value_or(std::string())),
                          Wide(view.accessibleName.value_or(view.text.value_or(std::string()))),
                          view.enabled.value_or(true));
    return;
  }
  for (std::size_t i = 0; i < layout::kJoinFrames.size(); ++i) {
    if (layout::kJoinFrames[i].control == control) PageOf(Tab::JoinGame).SetFrameCaption(i, text);
  }
  if (control == Control::Title) {
    caption_->SetText(text);
    // The window's title too, which the taskbar shows.
    SetText(window_, text);
    return;
  }
  HWND window = Hwnd(control);
  if (window == nullptr) return;
  switch (control) {
    case Control::CloseButton:
    case Control::MinimizeButton:
      // Glyphs: named by their tooltip.
      SetText(window, Wide(view.toolTip.value_or(std::string())));
      SetAccessibleName(window, WindowText(window), ROLE_SYSTEM_PUSHBUTTON);
      return;
    case Control::JoinAddress:
    case Control::JoinPort:
    case Control::JoinPassword:
      if (view.accessibleName) SetAccessibleName(window, Wide(*view.accessibleName));
      enable(window, view.enabled.value_or(true));
      return;
    case Control::ClipboardButton:
      SetText(window, Wide(view.accessibleName.value_or(std::string())));
      SetAccessibleName(window, WindowText(window), ROLE_SYSTEM_PUSHBUTTON);
      enable(window, view.enabled.value_or(true));
      return;
    case Control::CharacterButton:
      SetText(window, WithoutMnemonics(text));
      SetAccessibleName(window, text, ROLE_SYSTEM_BUTTONMENU);
      enable(window, view.enabled.value_or(true));
      InvalidateRect(window, nullptr, FALSE);
      return;
    case Control::ActionButton:
      SetText(window, WithoutMnemonics(text));
      SetAccessibleName(window, text, ROLE_SYSTEM_PUSHBUTTON);
      enable(window, view.enabled.value_or(true));
      InvalidateRect(window, nullptr, FALSE);
      return;
    case Control::ConsoleOption:
    case Control::SkipIntroOption:
    case Control::ExitAfterRunOption:
    case Control::CustomGameOption:
      // Plain text: a check box's caption would take '&' for a mnemonic.
      SetText(window, WithoutMnemonics(text));
      enable(window, view.enabled.value_or(true));
      return;
    case Control::ProductLabel:
    case Control::VersionLabel:
      if (WindowText(window) != text) {
        SetWindowTextW(window, text.c_str());
        // Drawn over the picture: the old text goes with the ground under it.
        const RECT area = AreaOf(window);
        InvalidateRect(GetParent(window), &area, TRUE);
      }
      return;
    default:
      SetText(window, text);
      enable(window, view.enabled.value_or(true));
      return;
  }
}

// The window's own write is no edit, and does not come back as one.
void LauncherWindow::SetEditText(Control control, std::string_view bytes) {
  HWND edit = Hwnd(control);
  const bool wasQuiet = quiet_;
  quiet_ = true;
  SetWindowTextW(edit, TypedText(std::string(bytes)).c_str());
  quiet_ = wasQuiet;
}

void LauncherWindow::FocusOn(HWND control, bool selectAll) {
  if (!IsWindowVisible(window_)) {
    pendingFocus_ = control;
  } else {
    SetFocus(control);
  }
  if (selectAll) SendMessageW(control, EM_SETSEL, 0, -1);
}

}  // namespace wv
