#include "win/choice_box.h"

#include <oleacc.h>

#include "win/accessible_name.h"
#include "win/layout.h"
#include "win/window_class.h"

namespace wv {

ChoiceBox::ChoiceBox(const RECT& logical, int labelWidth, const winlook::Look& look)
    : look_(look), logical_(logical), labelWidth_(labelWidth) {}

void ChoiceBox::MakeWindow(HWND parent, int id) {
  const wchar_t* type = RegisterControlClass(L"WvChoiceBox", &ProcedureOf<ChoiceBox>);
  box_ = CreateWindowExW(0, type, name_.c_str(),
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | (enabled_ ? 0 : WS_DISABLED), 0, 0, 0,
                         0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), this);
  Layout();
  SetAccessibleName(box_, name_, ROLE_SYSTEM_COMBOBOX);
  // Its default action drops its menu, as a click does.
  SetAccessibleAction(box_, L"Open");
}

void ChoiceBox::Show(const std::wstring& caption, const std::wstring& choice,
                     const std::wstring& name, bool enabled) {
  const bool changed = caption != caption_ || choice != choice_ || enabled != enabled_;
  caption_ = caption;
  choice_ = choice;
  enabled_ = enabled;
  const bool renamed = name != name_;
  name_ = name;
  if (box_ == nullptr) return;
  if (changed) InvalidateRect(box_, nullptr, FALSE);
  if ((IsWindowEnabled(box_) != FALSE) != enabled) EnableWindow(box_, enabled);
  if (renamed) {
    SetWindowTextW(box_, name.c_str());
    SetAccessibleName(box_, name, ROLE_SYSTEM_COMBOBOX);
  }
}

void ChoiceBox::Layout() {
  MoveTo(box_, look_.scale.Rect(logical_));
}

LRESULT ChoiceBox::Procedure(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      // The arrows stay here rather than walk the focus along the page.
      return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
    case WM_ENABLE:
      InvalidateRect(box_, nullptr, FALSE);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SendMessageW(GetParent(box_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box_), BN_CLICKED),
                   reinterpret_cast<LPARAM>(box_));
      return 0;
    default:
      break;
  }
  return DefWindowProcW(box_, message, wParam, lParam);
}

void ChoiceBox::Draw(HDC dc, bool focused) const {
  const winlook::Scale& s = look_.scale;
  const int width = logical_.right - logical_.left;
  const int height = logical_.bottom - logical_.top;
  winlook::Fill(dc, s.Rect(0, 0, width, height), winlook::kSilver);
  winlook::DrawGroupFrame(dc, look_, {0, 0, width, height}, caption_.c_str());
  const layout::LogicalRect label = layout::ChoiceLabelArea(labelWidth_);
  // A choice a little too wide for its label is narrowed, as far as it stays
  // easy to read; one wider still ends in "…".
  winlook::DrawFittedLine(dc, look_.bold, enabled_ ? winlook::kBlack : winlook::kGrey,
                          s.Rect(label.x, label.y, label.width - 1, label.height), choice_, DT_LEFT,
                          85);
  // The arrow: a small solid triangle pointing down, centred in its square.
  const layout::LogicalRect arrow = layout::ChoiceArrowArea(width);
  const POINT corners[] = {{s(arrow.x + 5), s(arrow.y + 7)},
                           {s(arrow.x + 13), s(arrow.y + 7)},
                           {s(arrow.x + 9), s(arrow.y + 11)}};
  winlook::FillTriangle(dc, corners, enabled_ ? winlook::kBlack : winlook::kGrey);
  if (focused) {
    TEXTMETRICW metrics{};
    HGDIOBJ old = SelectObject(dc, look_.font);
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    const int top = s.Logical(metrics.tmHeight) + 1;
    winlook::DrawFocusFrame(dc, s, {3, top, width - 3, height - 3}, winlook::kWhite);
  }
}

}  // namespace wv
