#include "win/caption_bar.h"

#include <commctrl.h>

#include "win/layout.h"
#include "win/resource_ids.h"
#include "win/window_class.h"

namespace wv {

namespace {

constexpr RECT kBar = layout::ToRect(layout::kCaptionBar);
// In the bar.
constexpr RECT kEmblem = layout::ToRect(layout::kEmblem);
constexpr RECT kMinimise = layout::ToRect(layout::kMinimizeButton);
constexpr RECT kClose = layout::ToRect(layout::kCloseButton);
constexpr wchar_t kHoverProperty[] = L"wv.hover";
constexpr UINT_PTR kGlyphSubclass = 1;

// The glyphs follow the pointer, and a click on them leaves the keyboard
// focus where it was: they are not in the Tab order.
LRESULT CALLBACK GlyphProc(HWND glyph, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (GetPropW(glyph, kHoverProperty) == nullptr) {
        SetPropW(glyph, kHoverProperty, reinterpret_cast<HANDLE>(1));
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, glyph, 0};
        TrackMouseEvent(&track);
        InvalidateRect(glyph, nullptr, FALSE);
      }
      break;
    case WM_MOUSELEAVE:
      RemovePropW(glyph, kHoverProperty);
      InvalidateRect(glyph, nullptr, FALSE);
      break;
    case WM_SETFOCUS:
      if (wParam != 0 && IsWindow(reinterpret_cast<HWND>(wParam))) {
        SetFocus(reinterpret_cast<HWND>(wParam));
      }
      return 0;
    case WM_NCDESTROY:
      RemovePropW(glyph, kHoverProperty);
      RemoveWindowSubclass(glyph, GlyphProc, kGlyphSubclass);
      break;
    default:
      break;
  }
  return DefSubclassProc(glyph, message, wParam, lParam);
}

HWND MakeGlyph(HWND bar) {
  HWND glyph = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 0, 0,
                               bar, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowSubclass(glyph, GlyphProc, kGlyphSubclass, 0);
  return glyph;
}

}  // namespace

CaptionBar::CaptionBar(const winlook::Look& look)
    : look_(look), textColour_(GetSysColor(COLOR_WINDOWTEXT)) {
  Layout();
}

void CaptionBar::MakeWindow(HWND parent) {
  const wchar_t* type = RegisterControlClass(L"WvCaptionBar", &ProcedureOf<CaptionBar>);
  bar_ = CreateWindowExW(0, type, text_.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0,
                         0, parent, nullptr, GetModuleHandleW(nullptr), this);
  minimise_ = MakeGlyph(bar_);
  close_ = MakeGlyph(bar_);
  Layout();
}

void CaptionBar::SetText(const std::wstring& text) {
  if (text == text_) return;
  text_ = text;
  if (bar_ == nullptr) return;
  SetWindowTextW(bar_, text.c_str());
  InvalidateRect(bar_, nullptr, FALSE);
}

void CaptionBar::SetActive(bool active) {
  textColour_ = active ? winlook::kWhite : winlook::kBlack;
  if (bar_ != nullptr) InvalidateRect(bar_, nullptr, FALSE);
}

CaptionBar::~CaptionBar() {
  if (emblem_ != nullptr) DestroyIcon(emblem_);
}

void CaptionBar::Layout() {
  const winlook::Scale& s = look_.scale;
  MoveTo(bar_, s.Rect(kBar));
  MoveTo(minimise_, s.Rect(kMinimise));
  MoveTo(close_, s.Rect(kClose));
  if (emblem_ != nullptr) DestroyIcon(emblem_);
  // Above 96 dpi made from the picture drawn at twice the size.
  const RECT emblem = s.Rect(kEmblem);
  emblem_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_EMBLEM),
                                          IMAGE_ICON, emblem.right - emblem.left,
                                          emblem.bottom - emblem.top, LR_DEFAULTCOLOR));
}

LRESULT CaptionBar::Procedure(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST: {
      // The emblem starts nothing; the rest of the bar drags the window.
      POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ScreenToClient(bar_, &at);
      const RECT emblem = look_.scale.Rect(kEmblem);
      return PtInRect(&emblem, at) ? HTCLIENT : HTTRANSPARENT;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      DrawGlyph(item.hDC, item.rcItem, item.hwndItem == close_,
                GetPropW(item.hwndItem, kHoverProperty) != nullptr);
      return TRUE;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) {
        HWND top = GetAncestor(bar_, GA_ROOT);
        if (reinterpret_cast<HWND>(lParam) == close_) PostMessageW(top, WM_CLOSE, 0, 0);
        if (reinterpret_cast<HWND>(lParam) == minimise_) ShowWindow(top, SW_MINIMIZE);
      }
      return 0;
    default:
      return DefWindowProcW(bar_, message, wParam, lParam);
  }
}

void CaptionBar::Draw(HDC dc) const {
  const winlook::Scale& s = look_.scale;
  const int width = kBar.right - kBar.left;
  const int height = kBar.bottom - kBar.top;
  winlook::Fill(dc, winlook::Inside(s.Rect(kBar)), winlook::kGrey);
  winlook::Fill(dc, s.Rect(0, height - 1, width, 1), winlook::kDarkShadow);
  const RECT emblem = s.Rect(kEmblem);
  DrawIconEx(dc, emblem.left, emblem.top, emblem_, emblem.right - emblem.left,
             emblem.bottom - emblem.top, 0, nullptr, DI_NORMAL);
  winlook::DrawLine(
      dc, look_.bold, textColour_,
      s.Rect(layout::kCaptionTextLeft, 0, width - layout::kCaptionTextLeft, height - 1),
      text_.c_str(), DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  // Under their own windows once those are made, the minimise glyph's over
  // the close glyph's. The cross's ends round by where it is drawn.
  for (const auto& [area, close] :
       {std::pair{s.Rect(kClose), true}, std::pair{s.Rect(kMinimise), false}}) {
    winlook::DrawAsChild(dc, area, [&] { DrawGlyph(dc, winlook::Inside(area), close, false); });
  }
}

void CaptionBar::DrawGlyph(HDC dc, const RECT& area, bool close, bool hover) const {
  const winlook::Scale& s = look_.scale;
  winlook::Fill(dc, area, winlook::kGrey);
  const COLORREF colour = hover ? winlook::kWhite : winlook::kSilver;
  const int x = area.left;
  const int y = area.top;
  if (!close) {
    RECT bar = s.Rect(5, 12, 9, 3);
    OffsetRect(&bar, x, y);
    winlook::Fill(dc, bar, colour);
    return;
  }
  // Two strokes of 2.2 pixels from corner to corner, as the symbol font's cross.
  LOGBRUSH brush{BS_SOLID, colour, 0};
  HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_SQUARE,
                          static_cast<DWORD>(MulDiv(22, static_cast<int>(s.Dpi()), 960)), &brush, 0,
                          nullptr);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x + s(5), y + s(6), nullptr);
  LineTo(dc, x + s(13), y + s(14));
  MoveToEx(dc, x + s(13), y + s(6), nullptr);
  LineTo(dc, x + s(5), y + s(14));
  SelectObject(dc, old);
  DeleteObject(pen);
}

}  // namespace wv
