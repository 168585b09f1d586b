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
#include "win/early_input.h"
#include "win/first_frame.h"
#include "win/layout.h"
#include "win/paste_whole.h"
#include "win/popup_menu.h"
#include "win/recent_arrow.h"
#include "win/resource_ids.h"
#include "win/text.h"
#include "win/window_class.h"

namespace wv {

namespace {

// Posted once the first frame is drawn. Not a timer: a timer comes only
// when nothing else is queued, and under Wine once had not come in 15 s.
constexpr UINT kMakeControlsMessage = WM_APP + 2;

// Where a window of that size stands centred on the screen's work area.
POINT CentredOrigin(int width, int height) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left + (work.right - work.left - width) / 2,
          work.top + (work.bottom - work.top - height) / 2};
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
// (first_frame.cpp), and the controls are made after it.
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
  // The dialog manager walks the controls in the order they are made: the
  // tab row, then the core's Tab order (a hidden page's controls drop out).
  tabRow_->MakeWindow(window_);
  for (Tab tab : kTabs) {
    PageOf(tab).MakeWindow(window_);
    SetWindowTextW(PageOf(tab).Window(), Wide(TabObjectName(tab)).c_str());
  }
  for (Control control : TabOrder()) MakeTabStop(control);
  recentArrow_ = MakeRecentArrow(PageOf(Tab::JoinGame).Window(), kRecentServersArrowId);
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

void LauncherWindow::MakeTabStop(Control control) {
  HWND& made = controls_[static_cast<std::size_t>(control)];
  for (std::size_t i = 0; i < layout::kChoiceRows.size(); ++i) {
    if (layout::kChoiceRows[i].box != control) continue;
    choiceBoxes_[i]->MakeWindow(PageOf(Tab::CreateServer).Window(), ControlId(control));
    made = choiceBoxes_[i]->Window();
    return;
  }
  for (const layout::ControlArea& row : layout::kJoinBoxes) {
    if (row.control != control) continue;
    const bool password = control == Control::JoinPassword;
    made = MakeControl(PageOf(Tab::JoinGame).Window(), L"EDIT",
                       WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL | (password ? ES_PASSWORD : 0),
                       ControlId(control), layout::ToRect(row.area), look_, FontOf(control));
    SendMessageW(made, EM_LIMITTEXT, 32767, 0);
    if (password) SendMessageW(made, EM_SETPASSWORDCHAR, L'=', 0);
    PasteWhole(made);
    return;
  }
  for (std::size_t i = 0; i < layout::kOptionRows.size(); ++i) {
    if (layout::kOptionRows[i].box != control) continue;
    made = MakeControl(PageOf(Tab::Settings).Window(), L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX,
                       ControlId(control), layout::ToRect(layout::OptionArea(i)), look_,
                       FontOf(control));
    return;
  }
  // The bottom bar's buttons are made together, in the same order.
  if (bottom_.action != nullptr) return;
  bottom_ = MakeBottomBar(window_, ControlId(Control::CharacterButton),
                          ControlId(Control::ClipboardButton), ControlId(Control::ActionButton));
  controls_[static_cast<std::size_t>(Control::CharacterButton)] = bottom_.character;
  controls_[static_cast<std::size_t>(Control::ClipboardButton)] = bottom_.clipboard;
  controls_[static_cast<std::size_t>(Control::ActionButton)] = bottom_.action;
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
    MoveTo(Hwnd(layout::kOptionRows[i].box), s.Rect(layout::ToRect(layout::OptionArea(i))));
  }
  MoveTo(Hwnd(Control::ProductLabel), s.Rect(layout::ToRect(layout::kProductLabel)));
  MoveTo(Hwnd(Control::VersionLabel), s.Rect(layout::ToRect(layout::kVersionLabel)));
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
    MoveTo(Hwnd(row.control), {ground.left + s(3), top, right, top + metrics.tmHeight});
  }
}

Control LauncherWindow::ControlOf(HWND control) const {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (controls_[i] == control && control != nullptr) return static_cast<Control>(i);
  }
  return Control::Count;
}

void LauncherWindow::Paint(HDC dc) const {
  PaintWindowGround(dc, look_);
  if (controlsMade_) return;
  const auto caption = [this](Control control) {
    return WithoutMnemonics(Wide(shown_[static_cast<std::size_t>(control)].text.value_or("")));
  };
  const auto usable = [this](Control control) {
    return shown_[static_cast<std::size_t>(control)].enabled.value_or(true);
  };
  PaintFirstFrame(dc, look_,
                  {*caption_,
                   *tabRow_,
                   *pages_[static_cast<std::size_t>(Tab::CreateServer)],
                   choiceBoxes_,
                   firstFocus_ == FocusRequest::FirstChoiceBox,
                   {BottomButtonFace{false, caption(Control::CharacterButton), false,
                                     usable(Control::CharacterButton)},
                    BottomButtonFace{true, {}, false, usable(Control::ClipboardButton)},
                    BottomButtonFace{false, caption(Control::ActionButton), false,
                                     usable(Control::ActionButton)}}});
}

// Input that comes before the controls exist makes them, and goes on to the
// control it was meant for.
void LauncherWindow::RouteEarlyInput(MSG& message) {
  if (controlsMade_ || message.hwnd != window_) return;
  const EarlyInput input = EarlyInputOf(message);
  if (input == EarlyInput::None) return;
  MakeControls();
  RouteToControl(message, input);
}

LRESULT LauncherWindow::Procedure(UINT message, WPARAM wParam, LPARAM lParam) {
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
      OnCommand(LOWORD(wParam), HIWORD(wParam));
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
