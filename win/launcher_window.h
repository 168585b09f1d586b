#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/key_map.h"
#include "core/launcher_controller.h"
#include "core/view_state.h"
#include "win/bottom_bar.h"
#include "win/caption_bar.h"
#include "win/choice_box.h"
#include "win/look.h"
#include "win/monitoring_pane.h"
#include "win/page.h"
#include "win/picture.h"
#include "win/tab_row.h"
#include "win/window_class.h"

namespace wv {

// The launcher's one window on Windows. It binds only: each control's event
// is one call into the controller, whose view state it then shows. Its rooms:
// launcher_window.cpp makes the window and answers its messages,
// launcher_view.cpp shows a view, launcher_input.cpp turns keys, clicks and
// edits into calls, first_frame.cpp and early_input.cpp cover the time
// before the controls exist.
class LauncherWindow {
 public:
  explicit LauncherWindow(const Platform& platform);
  ~LauncherWindow();
  LauncherWindow(const LauncherWindow&) = delete;
  LauncherWindow& operator=(const LauncherWindow&) = delete;

  HWND Window() const { return window_; }
  bool QuitRequested() const { return controller_.QuitRequested(); }
  // Start-up, then the window shown unless start-up asked to quit. It draws
  // its first frame itself; its controls are made for the first key or
  // click, or as asked below.
  // A join link, where the launcher was started with one, fills the join tab.
  void Start(const StartFolders& folders, int show, std::string_view joinLink = {});
  // Once the first frame is drawn.
  void MakeControlsAfterFirstFrame();
  // The window's own keys, ahead of the dialog manager; true when taken.
  bool TakeKey(const MSG& message);
  // Ahead of each message of the loop: input that comes before the controls
  // exist makes them, and goes on to the one it was meant for.
  void RouteEarlyInput(MSG& message);

 private:
  static constexpr UINT_PTR kRestTimer = 1;
  static constexpr UINT_PTR kGameWatchTimer = 2;

  template <typename>
  friend LRESULT CALLBACK ProcedureOf(HWND, UINT, WPARAM, LPARAM);
  LRESULT Procedure(UINT message, WPARAM wParam, LPARAM lParam);

  void Build();
  // Every control's window and the tooltips.
  void MakeControls();
  // One control of the Tab order, where it is not made yet.
  void MakeTabStop(Control control);
  void Layout();
  void PlaceEdits();
  void Show(const ViewState& view);
  void ShowControl(Control control);
  void SetEditText(Control control, std::string_view bytes);
  void FocusOn(HWND control, bool selectAll);
  void Do(KeyCommand command, Control focused);
  void OnCommand(int id, int code);
  void OnEdited(Control control);
  void DropMenuOf(Control control, MenuOpening how);
  // Runs a menu's loop with every tooltip hidden.
  template <typename Menu>
  auto WithoutToolTips(Menu menu);
  // Below `anchor` (screen pixels), or at its corner when it is a point.
  void ShowCaptionMenu(const RECT& anchor, MenuOpening how);
  void ShowRecentServers();
  void ShowRecentArrow(bool shown);
  // Its own flag, whether or not its page shows.
  bool ArrowShown() const { return (GetWindowLongPtrW(recentArrow_, GWL_STYLE) & WS_VISIBLE) != 0; }
  // Hidden while a started game's first seconds are watched.
  void ShowHidden(bool hidden);
  void Paint(HDC dc) const;
  // In screen pixels.
  RECT CaptionArea() const;
  LRESULT ToolTipText(LPARAM info);  // TTN_GETDISPINFOW
  HWND Hwnd(Control control) const { return controls_[static_cast<std::size_t>(control)]; }
  // The control a window is, Control::Count where it is none.
  Control ControlOf(HWND control) const;
  // The join boxes and the about page's labels are bold, at every scale.
  HFONT FontOf(Control control) const;
  Page& PageOf(Tab tab) { return *pages_[static_cast<std::size_t>(tab)]; }

  LauncherController controller_;
  Pictures pictures_;
  winlook::Look look_;
  HWND window_ = nullptr;
  HWND toolTips_ = nullptr;
  std::unique_ptr<CaptionBar> caption_;
  std::unique_ptr<TabRow> tabRow_;
  std::array<std::unique_ptr<Page>, kTabCount> pages_;
  std::array<std::unique_ptr<ChoiceBox>, 7> choiceBoxes_;
  BottomBar bottom_;
  std::unique_ptr<MonitoringPane> monitoring_;
  std::array<HWND, kControlCount> controls_{};
  // What every control shows now: each view sets only some of the fields.
  std::array<ControlView, kControlCount> shown_;
  std::vector<Menu> menus_;
  std::vector<CaptionMenuEntry> captionMenu_;
  std::vector<std::string> recentServers_;
  HWND recentArrow_ = nullptr;  // shown while there are servers joined
  bool controlsMade_ = false;
  FocusRequest firstFocus_ = FocusRequest::None;  // asked for before the controls exist
  bool hiddenForGame_ = false;
  Tab currentTab_ = Tab::CreateServer;
  bool resting_ = false;
  bool quiet_ = true;  // the window's own writes into the edit boxes are no edits
  bool activatedOnce_ = false;
  HWND pendingFocus_ = nullptr;  // asked for before the window shows
  HWND lastFocus_ = nullptr;     // while the window is inactive
  std::wstring toolTip_;         // the text a tooltip is showing
  bool menuDown_ = false;        // a menu is open: tooltips keep out of its way
};

}  // namespace wv
