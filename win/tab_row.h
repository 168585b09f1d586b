#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "core/view_state.h"
#include "win/look.h"
#include "win/window_class.h"

namespace wv {

// Sent to the parent when a tab is clicked; WPARAM is the Tab.
inline constexpr UINT kTabClickedMessage = WM_APP + 1;

// The row of tabs, drawn flat by hand: grey with white captions, the current
// one silver with a black caption and a white edge, standing taller. Hidden
// tabs are left out. When the captions are too long for the row, the widest
// give way and their captions end in "…". Tab reaches it; a click leaves the
// focus where it was. Screen readers hear it as a page tab named as the
// current tab. Until its window is made, the top window draws it (Draw).
class TabRow {
 public:
  explicit TabRow(const winlook::Look& look);

  void MakeWindow(HWND parent);
  HWND Window() const { return row_; }
  // The tabs' tooltips, shown from here on.
  void SetToolTips(HWND toolTips);
  void Show(const std::array<TabView, kTabCount>& tabs, Tab current);
  void Layout();
  // At the row's own origin in `dc`.
  void Draw(HDC dc, bool focused) const;

 private:
  struct Shown {
    Tab tab;
    std::wstring caption, toolTip, name;
    RECT area;  // device pixels, in the row
  };

  template <typename>
  friend LRESULT CALLBACK ProcedureOf(HWND, UINT, WPARAM, LPARAM);
  LRESULT Procedure(UINT message, WPARAM wParam, LPARAM lParam);
  void Arrange();
  void UpdateTools();
  void ShowName();
  void Paint(HDC dc) const { Draw(dc, GetFocus() == row_ && !winlook::FocusHidden(row_)); }

  const winlook::Look& look_;
  HWND toolTips_ = nullptr;
  HWND row_ = nullptr;
  std::vector<Shown> shown_;
  Tab current_ = Tab::CreateServer;
  std::size_t tools_ = 0;  // tooltip tools registered, one per shown tab
};

}  // namespace wv
