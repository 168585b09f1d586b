#include "win/tab_row.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>

#include "win/accessible_name.h"
#include "win/layout.h"
#include "win/text.h"
#include "win/window_class.h"

namespace wv {

namespace {

constexpr RECT kRow = layout::ToRect(layout::kTabRow);
using layout::kSqueezedPadding;
using layout::kTabDrop;
using layout::kTabFrame;
using layout::kTabGap;

}  // namespace

TabRow::TabRow(const winlook::Look& look) : look_(look) {}

void TabRow::MakeWindow(HWND parent) {
  const wchar_t* type = RegisterControlClass(L"WvTabRow", &ProcedureOf<TabRow>);
  row_ = CreateWindowExW(0, type, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, parent,
                         nullptr, GetModuleHandleW(nullptr), this);
  Layout();
  ShowName();
}

void TabRow::Show(const std::array<TabView, kTabCount>& tabs, Tab current) {
  std::vector<Shown> shown;
  for (std::size_t i = 0; i < kTabCount; ++i) {
    const TabView& view = tabs[i];
    if (!view.visible) continue;
    shown.push_back({static_cast<Tab>(i), Wide(view.caption), Wide(view.toolTip),
                     Wide(view.accessibleName.value_or(view.caption)), RECT{}});
  }
  const auto same = [](const Shown& a, const Shown& b) {
    return a.tab == b.tab && a.caption == b.caption && a.toolTip == b.toolTip && a.name == b.name;
  };
  if (current == current_ && shown.size() == shown_.size() &&
      std::equal(shown.begin(), shown.end(), shown_.begin(), same)) {
    return;
  }
  shown_ = std::move(shown);
  current_ = current;
  Arrange();
  if (row_ == nullptr) return;
  ShowName();
  InvalidateRect(row_, nullptr, FALSE);
}

void TabRow::ShowName() {
  for (const Shown& tab : shown_) {
    if (tab.tab == current_) SetAccessibleName(row_, tab.name, ROLE_SYSTEM_PAGETAB);
  }
}

void TabRow::Layout() {
  MoveTo(row_, look_.scale.Rect(kRow));
  Arrange();
}

// Every tab as wide as its caption needs, the widest narrowed until they fit.
void TabRow::Arrange() {
  const winlook::Scale& s = look_.scale;
  HDC dc = GetDC(row_);
  HGDIOBJ old = SelectObject(dc, look_.font);
  std::vector<int> widths;
  for (const Shown& tab : shown_) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, tab.caption.c_str(), static_cast<int>(tab.caption.size()), &extent);
    widths.push_back(extent.cx + s(kTabFrame));
  }
  SelectObject(dc, old);
  ReleaseDC(row_, dc);
  const int rowWidth = s(kRow.right - kRow.left);
  int widest = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
  const auto total = [&widths](int cap) {
    int sum = 0;
    for (int width : widths) sum += std::min(width, cap);
    return sum;
  };
  while (widest > s(kTabFrame) && total(widest) > rowWidth) --widest;
  int x = 0;
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    const int width = std::min(widths[i], widest);
    shown_[i].area = {x, 0, x + width, s(kRow.bottom - kRow.top)};
    x += width;
  }
  UpdateTools();
}

void TabRow::SetToolTips(HWND toolTips) {
  toolTips_ = toolTips;
  tools_ = 0;
  UpdateTools();
}

// One tooltip tool per shown tab, over its area.
void TabRow::UpdateTools() {
  if (toolTips_ == nullptr) return;
  for (std::size_t i = 0; i < std::max(tools_, shown_.size()); ++i) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = row_;
    tool.uId = i;
    if (i >= shown_.size()) {
      SendMessageW(toolTips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
      continue;
    }
    tool.uFlags = TTF_SUBCLASS;
    tool.rect = shown_[i].area;
    tool.lpszText = const_cast<wchar_t*>(shown_[i].toolTip.c_str());
    if (i >= tools_) {
      SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
      SendMessageW(toolTips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
      SendMessageW(toolTips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
  tools_ = shown_.size();
}

LRESULT TabRow::Procedure(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      InvalidateRect(row_, nullptr, FALSE);
      break;
    case WM_LBUTTONDOWN: {
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      for (const Shown& tab : shown_) {
        if (PtInRect(&tab.area, at)) {
          SendMessageW(GetParent(row_), kTabClickedMessage, static_cast<WPARAM>(tab.tab), 0);
          break;
        }
      }
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(row_, message, wParam, lParam);
}

void TabRow::Draw(HDC dc, bool focused) const {
  const winlook::Scale& s = look_.scale;
  winlook::Fill(dc, winlook::Inside(s.Rect(kRow)), winlook::kSilver);
  for (const Shown& tab : shown_) {
    const bool current = tab.tab == current_;
    RECT box = tab.area;
    box.top += current ? 0 : s(kTabDrop);
    box.right -= s(kTabGap);
    winlook::Fill(dc, box, current ? winlook::kSilver : winlook::kGrey);
    const int one = std::max(1, s(1));
    if (current) {
      winlook::Fill(dc, {box.left, box.top, box.left + one, box.bottom}, winlook::kWhite);
      winlook::Fill(dc, {box.left, box.top, box.right, box.top + one}, winlook::kWhite);
      winlook::Fill(dc, {box.right - one, box.top, box.right, box.bottom}, winlook::kWhite);
    }
    // A caption too long for its tab takes most of the padding as well, then
    // narrows, then ends in "…".
    RECT text{box.left + s(1 + kSqueezedPadding), box.top + one,
              box.right - s(1 + kSqueezedPadding), box.bottom};
    winlook::DrawFittedLine(dc, look_.font, current ? winlook::kBlack : winlook::kWhite, text,
                            tab.caption, DT_CENTER, 80);
    if (current && focused) {
      // In logical pixels, as the focus frame is drawn.
      const RECT frame{s.Logical(box.left) + 2, s.Logical(box.top) + 2, s.Logical(box.right) - 2,
                       s.Logical(box.bottom) - 1};
      winlook::DrawFocusFrame(dc, s, frame, winlook::kBlack);
    }
  }
}

}  // namespace wv
