#include "win/launcher_window.h"

#include <commctrl.h>
#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "core/launch.h"
#include "platform/windows/version_text.h"
#include "win/accessible_name.h"
#include "win/common_controls.h"
#include "win/control_ids.h"
#include "win/keys.h"
#include "win/layout.h"
#include "win/popup_menu.h"
#include "win/recent_arrow.h"
#include "win/resource_ids.h"
#include "win/text.h"
#include "win/window_class.h"

namespace wv {

namespace {

constexpr UINT_PTR kRestTimer = 1;
constexpr UINT_PTR kGameWatchTimer = 2;
// Posted once the first frame is drawn. Not a timer: a timer comes only
// when nothing else is queued, and under Wine once had not come in 15 s.
constexpr UINT kMakeControlsMessage = WM_APP + 2;

// Views the window draws before its controls exist: the create tab, at rest.
bool DrawnBeforeControls(const ViewState& view) {
  return view.currentTab == Tab::CreateServer && !view.actionResting &&
         (view.focus == FocusRequest::None || view.focus == FocusRequest::FirstChoiceBox) &&
         view.browser == BrowserRequest::None && !view.closeWindow && !view.windowHidden &&
         !view.watchGameAfter;
}

constexpr std::array<Tab, kTabCount> kTabs = {Tab::CreateServer, Tab::JoinGame, Tab::Settings,
                                              Tab::Monitoring, Tab::About};

void SetText(HWND control, const std::wstring& text) {
  if (WindowText(control) != text) SetWindowTextW(control, text.c_str());
}

// Where a window of that size stands centred on the screen's work area.
POINT CentredOrigin(int width, int height) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left + (work.right - work.left - width) / 2,
          work.top + (work.bottom - work.top - height) / 2};
}

// Only the fields a view sets.
void Merge(ControlView& shown, const ControlView& view) {
  if (view.text) shown.text = view.text;
  if (view.toolTip) shown.toolTip = view.toolTip;
  if (view.accessibleName) shown.accessibleName = view.accessibleName;
  if (view.enabled) shown.enabled = view.enabled;
}

}  // namespace

LauncherWindow::LauncherWindow(const Platform& platform) : controller_(platform) {
  Build();
}

LauncherWindow::~LauncherWindow() {
  if (IsWindow(window_)) DestroyWindow(window_);
  winlook::DeleteFonts(look_);
}

void LauncherWindow::Build() {
  WNDCLASSEXW type{};
  type.cbSize = sizeof type;
  type.style = CS_DBLCLKS;
  type.lpfnWndProc = &ProcedureOf<LauncherWindow>;
  type.hInstance = GetModuleHandleW(nullptr);
  type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  type.hIcon = static_cast<HICON>(LoadImageW(type.hInstance, MAKEINTRESOURCEW(IDI_LAUNCHER),
                                             IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  type.hIconSm = static_cast<HICON>(LoadImageW(type.hInstance, MAKEINTRESOURCEW(IDI_LAUNCHER),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  type.lpszClassName = L"WreckvaleLauncher";
  RegisterClassExW(&type);
  // Made at the designed size first: its DPI is known only once it exists.
  // Under Wine every move and resize is a round with the server.
  const POINT origin = CentredOrigin(layout::kWidth, layout::kHeight);
  window_ =
      CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_APPWINDOW, type.lpszClassName, L"",
                      WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, origin.x, origin.y,
                      layout::kWidth, layout::kHeight, nullptr, nullptr, type.hInstance, this);
  winlook::MakeFonts(look_, winlook::Scale(winlook::WindowDpi(window_)));

  // The drawn controls, without their windows yet.
  caption_ = std::make_unique<CaptionBar>(look_);
  tabRow_ = std::make_unique<TabRow>(look_);
  for (Tab tab : kTabs) {
    pages_[static_cast<std::size_t>(tab)] = std::make_unique<Page>(look_, pictures_);
  }
  for (std::size_t i = 0; i < layout::kChoiceRows.size(); ++i) {
    const layout::ChoiceRow& row = layout::kChoiceRows[i];
    choiceBoxes_[i] = std::make_unique<ChoiceBox>(layout::ToRect(row.area), row.labelWidth, look_);
  }
  Page& join = PageOf(Tab::JoinGame);
  for (const layout::ControlArea& row : layout::kJoinFrames) {
    join.AddFrame(layout::ToRect(row.area));
  }
  for (const layout::ControlArea& row : layout::kJoinBoxes) {
    join.AddSunkenGround(layout::ToRect(row.area));
  }
  PageOf(Tab::About).SetPicture(IDP_ABOUT, IDP_ABOUT_2X, layout::ToRect(layout::kAboutPicture));
  Layout();
}

// Under Wine each window costs a round of messages with the server, and
// comctl32 its start-up: the first frame is drawn by the top window alone
// (PaintControls), and the controls are made after it.
void LauncherWindow::MakeControls() {
  if (controlsMade_) return;
  controlsMade_ = true;
  UseCommonControls();
  caption_->MakeWindow(window_);
  for (const auto& [control, window] :
       {std::pair{Control::Title, caption_->Window()},
        std::pair{Control::MinimizeButton, caption_->MinimizeButton()},
        std::pair{Control::CloseButton, caption_->CloseButton()}}) {
    controls_[static_cast<std::size_t>(control)] = window;
    SetWindowLongPtrW(window, GWLP_ID, ControlId(control));
  }
  // Tab order is the order the controls are made in: the tab row, the
  // pages' controls (a hidden page's drop out), then the bottom bar.
  tabRow_->MakeWindow(window_);
  for (Tab tab : kTabs) {
    PageOf(tab).MakeWindow(window_);
    SetWindowTextW(PageOf(tab).Window(), Wide(TabObjectName(tab)).c_str());
  }
  for (std::size_t i = 0; i < layout::kChoiceRows.size(); ++i) {
    const Control box = layout::kChoiceRows[i].box;
    choiceBoxes_[i]->MakeWindow(PageOf(Tab::CreateServer).Window(), ControlId(box));
    controls_[static_cast<std::size_t>(box)] = choiceBoxes_[i]->Window();
  }
  Page& join = PageOf(Tab::JoinGame);
  for (const layout::ControlArea& row : layout::kJoinBoxes) {
    const DWORD style = WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL |
                        (row.control == Control::JoinPassword ? ES_PASSWORD : 0);
    HWND edit = MakeControl(join.Window(), L"EDIT", style, ControlId(row.control),
                            layout::ToRect(row.area), look_, FontOf(row.control));
    SendMessageW(edit, EM_LIMITTEXT, 32767, 0);
    if (row.control == Control::JoinPassword) SendMessageW(edit, EM_SETPASSWORDCHAR, L'=', 0);
    controls_[static_cast<std::size_t>(row.control)] = edit;
  }
  recentArrow_ = MakeRecentArrow(join.Window(), kRecentServersArrowId);
  for (std::size_t i = 0; i < layout::kOptionRows.size(); ++i) {
    const Control box = layout::kOptionRows[i].box;
    controls_[static_cast<std::size_t>(box)] =
        MakeControl(PageOf(Tab::Settings).Window(), L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX,
                    ControlId(box), layout::ToRect(layout::OptionArea(i)), look_, FontOf(box));
  }
  Page& about = PageOf(Tab::About);
  for (const auto& [control, area] : {std::pair{Control::ProductLabel, layout::kProductLabel},
                                      std::pair{Control::VersionLabel, layout::kVersionLabel}}) {
    controls_[static_cast<std::size_t>(control)] =
        MakeControl(about.Window(), L"STATIC", SS_RIGHT | SS_NOPREFIX | SS_CENTERIMAGE,
                    ControlId(control), layout::ToRect(area), look_, FontOf(control));
  }
  // Kept, as on Linux, but not shown: the action button opens the forum there.
  HWND forum = MakeControl(about.Window(), L"STATIC", SS_NOPREFIX, 0,
                           layout::ToRect(layout::kForumLink), look_, look_.bold);
  SetWindowTextW(forum, Wide(kForumUrl).c_str());
  ShowWindow(forum, SW_HIDE);
  bottom_ = MakeBottomBar(window_, ControlId(Control::CharacterButton),
                          ControlId(Control::ClipboardButton), ControlId(Control::ActionButton));
  controls_[static_cast<std::size_t>(Control::CharacterButton)] = bottom_.character;
  controls_[static_cast<std::size_t>(Control::ClipboardButton)] = bottom_.clipboard;
  controls_[static_cast<std::size_t>(Control::ActionButton)] = bottom_.action;

  // Tooltips: each control's text is asked for as it shows; the action
  // button's says what a press would do at that moment.
  toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, window_, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  tabRow_->SetToolTips(toolTips_);
  for (HWND control : controls_) {
    if (control == nullptr) continue;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }

  ViewState view = controller_.Current();
  // The tab set is fixed from here on; the browser exists only when offered.
  if (view.TabOf(Tab::Monitoring).visible) {
    monitoring_ = MonitoringPane::Create(PageOf(Tab::Monitoring).Window(),
                                         look_.scale.Rect(Page::kInside), view.monitoringTexts);
  }
  // Each control was made in its place with its font; under Wine every
  // further move is a round with the server.
  PlaceEdits();
  LayoutBottomBar(bottom_, look_);
  SendMessageW(toolTips_, TTM_SETMAXTIPWIDTH, 0, look_.scale(300));
  // The focus mark shows from the start, as the window opens with the
  // keyboard focus on its first box.
  SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  view.focus = std::exchange(firstFocus_, FocusRequest::None);
  Show(view);
}

// What comes before the controls exist makes them, and goes on to the
// control it was meant for.
void LauncherWindow::RouteEarlyInput(MSG& message) {
  if (controlsMade_ || message.hwnd != window_) return;
  const UINT kind = message.message;
  const bool key = kind == WM_KEYDOWN || kind == WM_SYSKEYDOWN || kind == WM_CHAR;
  // A pointer merely passing does not count: it is on the window as it opens.
  const bool click = kind == WM_LBUTTONDOWN || kind == WM_LBUTTONDBLCLK || kind == WM_RBUTTONDOWN ||
                     kind == WM_MBUTTONDOWN || kind == WM_MOUSEWHEEL;
  if (!key && !click) return;
  MakeControls();
  if (key) {
    if (HWND focus = GetFocus()) message.hwnd = focus;
    return;
  }
  if (kind == WM_MOUSEWHEEL) return;
  POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
  HWND target = window_;
  for (;;) {
    HWND child = ChildWindowFromPointEx(target, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (child == nullptr || child == target) break;
    MapWindowPoints(target, child, &at, 1);
    target = child;
  }
  message.hwnd = target;
  message.lParam = MAKELPARAM(at.x, at.y);
}

void LauncherWindow::Start(const StartFolders& folders, int show, std::string_view joinLink) {
  const ViewState view = controller_.Start(folders, LauncherVersionText());
  Show(view);
  quiet_ = false;
  if (controller_.QuitRequested()) return;
  if (!joinLink.empty()) Show(controller_.OnJoinLink(joinLink));
  // Centred on the screen's work area, where it was made at its designed size.
  RECT frame{};
  GetWindowRect(window_, &frame);
  const POINT centred = CentredOrigin(frame.right - frame.left, frame.bottom - frame.top);
  if (centred.x != frame.left || centred.y != frame.top) {
    SetWindowPos(window_, nullptr, centred.x, centred.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(window_, show);
  // Drawn now: activation waits on a round with the window manager.
  UpdateWindow(window_);
  SetForegroundWindow(window_);
  if (pendingFocus_ != nullptr) SetFocus(pendingFocus_);
  pendingFocus_ = nullptr;
}

void LauncherWindow::MakeControlsAfterFirstFrame() {
  // Start drew it, with UpdateWindow.
  if (!controlsMade_) PostMessageW(window_, kMakeControlsMessage, 0, 0);
}

void LauncherWindow::Layout() {
  const winlook::Scale& s = look_.scale;
  RECT frame{};
  GetWindowRect(window_, &frame);
  if (frame.right - frame.left != s(layout::kWidth) ||
      frame.bottom - frame.top != s(layout::kHeight)) {
    SetWindowPos(window_, nullptr, 0, 0, s(layout::kWidth), s(layout::kHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  caption_->Layout();
  tabRow_->Layout();
  for (auto& page : pages_) page->Layout();
  for (auto& box : choiceBoxes_) box->Layout();
  for (std::size_t i = 0; i < layout::kOptionRows.size(); ++i) {
    MoveTo(Handle(layout::kOptionRows[i].box), s.Rect(layout::ToRect(layout::OptionArea(i))));
  }
  MoveTo(Handle(Control::ProductLabel), s.Rect(layout::ToRect(layout::kProductLabel)));
  MoveTo(Handle(Control::VersionLabel), s.Rect(layout::ToRect(layout::kVersionLabel)));
  PlaceEdits();
  LayoutBottomBar(bottom_, look_);
  if (monitoring_ != nullptr) {
    monitoring_->Move(s.Rect(Page::kInside));
  }
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (controls_[i] == nullptr) continue;
    SendMessageW(controls_[i], WM_SETFONT,
                 reinterpret_cast<WPARAM>(FontOf(static_cast<Control>(i))), TRUE);
  }
  SendMessageW(toolTips_, TTM_SETMAXTIPWIDTH, 0, s(300));
  InvalidateRect(window_, nullptr, TRUE);
}

RECT LauncherWindow::CaptionArea() const {
  RECT bar = look_.scale.Rect(layout::ToRect(layout::kCaptionBar));
  MapWindowPoints(window_, HWND_DESKTOP, reinterpret_cast<POINT*>(&bar), 2);
  return bar;
}

HFONT LauncherWindow::FontOf(Control control) const {
  switch (control) {
    case Control::JoinAddress:
    case Control::JoinPort:
    case Control::JoinPassword:
    case Control::ProductLabel:
    case Control::VersionLabel:
      return look_.bold;
    default:
      return look_.font;
  }
}

// A box as tall as its text, centred in its sunken ground, whose bevel stays
// in view around it.
void LauncherWindow::PlaceEdits() {
  if (!controlsMade_) return;
  HDC dc = GetDC(window_);
  HGDIOBJ old = SelectObject(dc, look_.bold);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window_, dc);
  const winlook::Scale& s = look_.scale;
  for (const layout::ControlArea& row : layout::kJoinBoxes) {
    const RECT ground = s.Rect(layout::ToRect(row.area));
    const int top = (ground.top + ground.bottom - metrics.tmHeight) / 2;
    int right = ground.right - s(3);
    if (row.control == Control::JoinAddress) {
      const RECT arrow = RecentArrowArea(ground, s);
      MoveTo(recentArrow_, arrow);
      // The text stays clear of the arrow while it shows.
      if (ArrowShown()) right = arrow.left;
    }
    MoveTo(Handle(row.control), {ground.left + s(3), top, right, top + metrics.tmHeight});
  }
}

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
    SendMessageW(Handle(row.box), BM_SETCHECK,
                 view.options.*row.value ? BST_CHECKED : BST_UNCHECKED, 0);
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
  SetEditText(Control::JoinAddress, view.joinAddress);
  SetEditText(Control::JoinPort, view.joinPort);
  SetEditText(Control::JoinPassword, view.joinPassword);
  switch (view.focus) {
    case FocusRequest::None:
      break;
    case FocusRequest::FirstChoiceBox:
      FocusOn(choiceBoxes_.front()->Window());
      break;
    case FocusRequest::JoinAddress:
      FocusOn(Handle(Control::JoinAddress));
      break;
    case FocusRequest::JoinPortSelected:
      FocusOn(Handle(Control::JoinPort), true);
      break;
    case FocusRequest::JoinPassword:
      FocusOn(Handle(Control::JoinPassword));
      break;
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
  HWND window = Handle(control);
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
      enable(window, Usable(control));
      return;
    case Control::CharacterButton:
      SetText(window, WithoutMnemonics(text));
      SetAccessibleName(window, text, ROLE_SYSTEM_BUTTONMENU);
      enable(window, Usable(control));
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

// Compared as bytes: what the user typed stays as typed (and the caret where
// it is) whenever it gives the state's bytes. The window's own write is no
// edit, and does not come back as one.
void LauncherWindow::SetEditText(Control control, const std::string& bytes) {
  HWND edit = Handle(control);
  if (TypedBytes(WindowText(edit)) == bytes) return;
  const bool wasQuiet = quiet_;
  quiet_ = true;
  SetWindowTextW(edit, TypedText(bytes).c_str());
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

Control LauncherWindow::ControlOf(HWND control) const {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (controls_[i] == control && control != nullptr) return static_cast<Control>(i);
  }
  return Control::Count;
}

bool LauncherWindow::TakeKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  HWND focus = GetFocus();
  const Control control = ControlOf(focus);
  FocusKind kind = FocusKind::Other;
  if (focus == tabRow_->Window()) {
    kind = FocusKind::TabRow;
  } else if (!DroppedMenu(control).empty()) {
    kind = control == Control::CharacterButton ? FocusKind::MenuButton : FocusKind::ChoiceBox;
  } else if (control == Control::ClipboardButton || control == Control::ActionButton) {
    kind = FocusKind::PushButton;
  } else if (control == Control::JoinAddress) {
    kind = FocusKind::AddressBox;
  } else if (control == Control::JoinPort || control == Control::JoinPassword) {
    kind = FocusKind::JoinBox;
  }
  const KeyPress press{static_cast<UINT>(message.wParam), GetKeyState(VK_CONTROL) < 0,
                       GetKeyState(VK_SHIFT) < 0,
                       message.message == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0};
  switch (CommandFor(press, kind)) {
    case KeyCommand::None:
      return false;
    case KeyCommand::NextTab:
      Show(controller_.OnTabStepped(1, TabChange::Other));
      return true;
    case KeyCommand::PreviousTab:
      Show(controller_.OnTabStepped(-1, TabChange::Other));
      return true;
    case KeyCommand::StepLeft:
      Show(controller_.OnTabStepped(-1, TabChange::ArrowKeys));
      return true;
    case KeyCommand::StepRight:
      Show(controller_.OnTabStepped(1, TabChange::ArrowKeys));
      return true;
    case KeyCommand::DropMenu:
      DropMenuOf(control, MenuOpening::Keyboard);
      return true;
    case KeyCommand::Press:
      OnCommand(ControlId(control), BN_CLICKED, focus);
      return true;
    case KeyCommand::PressAction:
      if (IsWindowEnabled(bottom_.action)) {
        OnCommand(ControlId(Control::ActionButton), BN_CLICKED, bottom_.action);
      }
      return true;
    case KeyCommand::DropRecent:
      ShowRecentServers();
      return true;
    case KeyCommand::CaptionMenu:
      ShowCaptionMenu(CaptionArea(), MenuOpening::Keyboard);
      return true;
  }
  return false;
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
  HWND anchor = Handle(control);
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
  HWND address = Handle(Control::JoinAddress);
  RECT area = look_.scale.Rect(layout::ToRect(layout::kJoinBoxes.front().area));
  MapWindowPoints(GetParent(address), nullptr, reinterpret_cast<POINT*>(&area), 2);
  const std::optional<std::size_t> chosen =
      WithoutToolTips([&] { return DropList(window_, recentServers_, area); });
  if (!chosen) return;
  Show(controller_.OnRecentServerChosen(*chosen));
}

void LauncherWindow::OnCommand(int id, int code, HWND) {
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
  const std::string bytes = TypedBytes(WindowText(Handle(control)));
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

void LauncherWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  const winlook::Scale& s = look_.scale;
  winlook::Fill(dc, s.Rect(0, 0, layout::kWidth, layout::kHeight), winlook::kSilver);
  winlook::DrawSunkenEdge(dc, s, {0, 0, layout::kWidth, layout::kHeight});
  // The white frame round the pages, below the tab row.
  const RECT& page = Page::kArea;
  winlook::DrawEdge(dc, s, {page.left - 1, page.top - 1, page.right + 1, page.bottom + 1},
                    winlook::kWhite, winlook::kWhite);
  PaintBottomBar(dc, look_);
  if (!controlsMade_) PaintControls(dc);
  EndPaint(window_, &paint);
}

// What the first tab's controls draw once they are made, at their places.
void LauncherWindow::PaintControls(HDC dc) {
  const winlook::Scale& s = look_.scale;
  const RECT page = s.Rect(Page::kArea);
  winlook::DrawAsChild(dc, s.Rect(layout::ToRect(layout::kCaptionBar)),
                       [&] { caption_->Draw(dc); });
  winlook::DrawAsChild(dc, s.Rect(layout::ToRect(layout::kTabRow)),
                       [&] { tabRow_->Draw(dc, false); });
  winlook::DrawAsChild(dc, page, [&] { PageOf(Tab::CreateServer).Draw(dc); });
  for (std::size_t i = 0; i < layout::kChoiceRows.size(); ++i) {
    RECT box = s.Rect(layout::ToRect(layout::kChoiceRows[i].area));
    OffsetRect(&box, page.left, page.top);
    const bool focused = i == 0 && firstFocus_ == FocusRequest::FirstChoiceBox;
    winlook::DrawAsChild(dc, box, [&] { choiceBoxes_[i]->Draw(dc, focused); });
  }
  const auto caption = [this](Control control) {
    return WithoutMnemonics(Wide(shown_[static_cast<std::size_t>(control)].text.value_or("")));
  };
  DrawBottomButtons(dc, look_,
                    {BottomButtonFace{false, caption(Control::CharacterButton), false,
                                      Usable(Control::CharacterButton)},
                     BottomButtonFace{true, {}, false, Usable(Control::ClipboardButton)},
                     BottomButtonFace{false, caption(Control::ActionButton), false,
                                      Usable(Control::ActionButton)}});
}

// A bottom button is usable while its panel is too.
bool LauncherWindow::Usable(Control control) const {
  const auto enabled = [this](Control c) {
    return shown_[static_cast<std::size_t>(c)].enabled.value_or(true);
  };
  switch (control) {
    case Control::CharacterButton:
      return enabled(control) && enabled(Control::CharacterPanel);
    case Control::ClipboardButton:
      return enabled(control) && enabled(Control::ClipboardPanel);
    default:
      return enabled(control);
  }
}

LRESULT LauncherWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST: {
      // The caption bar moves the window.
      const LRESULT hit = DefWindowProcW(window_, message, wParam, lParam);
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      const RECT bar = CaptionArea();
      return hit == HTCLIENT && PtInRect(&bar, at) ? HTCAPTION : hit;
    }
    case WM_ACTIVATE:
      // The focus comes back to the control that had it, as in a dialog.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
      } else if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      return DefWindowProcW(window_, message, wParam, lParam);
    case WM_ACTIVATEAPP:
      if (wParam != FALSE) activatedOnce_ = true;
      if (activatedOnce_) caption_->SetActive(wParam != FALSE);
      if (!controlsMade_) InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->code == TTN_GETDISPINFOW) {
        return ToolTipText(lParam);
      }
      return 0;
    }
    case kTabClickedMessage:
      Show(controller_.OnTabChosen(static_cast<Tab>(wParam), TabChange::Other));
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.hwndItem == recentArrow_) {
        DrawRecentArrow(item, look_.scale);
      } else {
        DrawBottomButton(item, bottom_, look_, resting_);
      }
      return TRUE;
    }
    case WM_NCRBUTTONDOWN:
      // Left to the release: the system's own handling would wait for it
      // itself, then ask the window's frame, which it has none of, where it
      // was, and offer no menu.
      if (wParam == HTCAPTION) return 0;
      return DefWindowProcW(window_, message, wParam, lParam);
    case WM_NCRBUTTONUP:
      // Where the bar drags the window.
      if (wParam == HTCAPTION) {
        ShowCaptionMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), GET_X_LPARAM(lParam),
                         GET_Y_LPARAM(lParam)},
                        MenuOpening::Click);
        return 0;
      }
      return DefWindowProcW(window_, message, wParam, lParam);
    case WM_CONTEXTMENU: {
      // The caption bar's menu, for a click anywhere on the bar: the window
      // system's own would offer moving and closing only.
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const RECT bar = CaptionArea();
      if (lParam != -1 && PtInRect(&bar, at)) {
        ShowCaptionMenu({at.x, at.y, at.x, at.y}, MenuOpening::Click);
        return 0;
      }
      return DefWindowProcW(window_, message, wParam, lParam);
    }
    case WM_CTLCOLOREDIT: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, winlook::kWhite);
      SetBkColor(dc, winlook::kGrey);
      SetDCBrushColor(dc, winlook::kGrey);
      return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      const Control control = ControlOf(reinterpret_cast<HWND>(lParam));
      SetTextColor(dc, winlook::kBlack);
      if (control == Control::ProductLabel || control == Control::VersionLabel) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      }
      SetBkColor(dc, winlook::kSilver);
      SetDCBrushColor(dc, winlook::kSilver);
      return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    case WM_TIMER:
      if (wParam == kRestTimer) {
        KillTimer(window_, kRestTimer);
        Show(controller_.Current());
      } else if (wParam == kGameWatchTimer) {
        KillTimer(window_, kGameWatchTimer);
        Show(controller_.OnGameWatched());
      }
      return 0;
    case kMakeControlsMessage:
      MakeControls();
      return 0;
    case WM_DPICHANGED: {
      winlook::MakeFonts(look_, winlook::Scale(HIWORD(wParam)));
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      Layout();
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow(window_);
      return 0;
    case WM_NCLBUTTONDBLCLK:
      // The caption bar does not maximise.
      return 0;
    case WM_DESTROY:
      // The web control goes while its host windows still exist.
      monitoring_.reset();
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

}  // namespace wv
