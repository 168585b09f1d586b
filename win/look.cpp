#include "win/look.h"

#include <cwchar>

namespace wv::winlook {

UINT WindowDpi(HWND window) {
  // Looked up rather than imported: systems before Windows 10 have no DPI per
  // window, and the program is to start there too.
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpi != nullptr && window != nullptr) {
    if (const UINT dpi = getDpi(window); dpi != 0) return dpi;
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

namespace {

HFONT MakeFont(const Scale& scale, bool bold) {
  // The classic dialog face where there is one; its outline version scales.
  return CreateFontW(-scale(11), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                     VARIABLE_PITCH | FF_SWISS, L"Microsoft Sans Serif");
}

}  // namespace

void MakeFonts(Look& look, Scale scale) {
  DeleteFonts(look);
  look.scale = scale;
  look.font = MakeFont(scale, false);
  look.bold = MakeFont(scale, true);
}

void DeleteFonts(Look& look) {
  if (look.font != nullptr) DeleteObject(look.font);
  if (look.bold != nullptr) DeleteObject(look.bold);
  look.font = look.bold = nullptr;
}

void Fill(HDC dc, const RECT& device, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &device, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void DrawEdge(HDC dc, const Scale& scale, const RECT& rect, COLORREF topLeft,
              COLORREF bottomRight) {
  const RECT r = scale.Rect(rect);
  const int one = scale(1) > 0 ? scale(1) : 1;
  Fill(dc, {r.left, r.top, r.right, r.top + one}, topLeft);
  Fill(dc, {r.left, r.top, r.left + one, r.bottom}, topLeft);
  Fill(dc, {r.left, r.bottom - one, r.right, r.bottom}, bottomRight);
  Fill(dc, {r.right - one, r.top, r.right, r.bottom}, bottomRight);
}

void DrawSunkenEdge(HDC dc, const Scale& scale, const RECT& rect) {
  DrawEdge(dc, scale, rect, kGrey, kWhite);
  const RECT inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
  DrawEdge(dc, scale, inner, kDarkShadow, kLight);
}

void FillTriangle(HDC dc, const POINT (&corners)[3], COLORREF colour) {
  SetDCBrushColor(dc, colour);
  SetDCPenColor(dc, colour);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
  Polygon(dc, corners, 3);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
}

void DrawFocusFrame(HDC dc, const Scale& scale, const RECT& rect, COLORREF colour) {
  const auto dot = [&](int x, int y) { Fill(dc, scale.Rect(x, y, 1, 1), colour); };
  for (int x = rect.left; x < rect.right; x += 2) {
    dot(x, rect.top);
    dot(x, rect.bottom - 1);
  }
  for (int y = rect.top; y < rect.bottom; y += 2) {
    dot(rect.left, y);
    dot(rect.right - 1, y);
  }
}

void DrawGroupFrame(HDC dc, const Look& look, const RECT& rect, const wchar_t* caption) {
  const Scale& s = look.scale;
  HGDIOBJ old = SelectObject(dc, look.font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int height = s.Logical(metrics.tmHeight);
  const RECT frame{rect.left, rect.top + height / 2, rect.right, rect.bottom};
  DrawEdge(dc, s, frame, kWhite, kWhite);
  const std::size_t length = caption != nullptr ? std::wcslen(caption) : 0;
  if (length > 0) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption, static_cast<int>(length), &extent);
    RECT box = s.Rect(rect.left + 8, rect.top, 0, height);
    box.right = box.left + extent.cx + s(4);
    Fill(dc, box, kSilver);
    DrawLine(dc, look.font, kBlack, box, caption, DT_CENTER | DT_NOPREFIX);
  }
  SelectObject(dc, old);
}

void DrawLine(HDC dc, HFONT font, COLORREF colour, RECT device, const wchar_t* text, UINT flags) {
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextW(dc, text, -1, &device, flags | DT_SINGLELINE | DT_VCENTER);
  SelectObject(dc, old);
}

void DrawFittedLine(HDC dc, HFONT font, COLORREF colour, const RECT& device,
                    const std::wstring& text, UINT align, int narrowest) {
  const auto width = [&](HFONT shape) {
    HGDIOBJ old = SelectObject(dc, shape);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    return extent.cx;
  };
  const int room = device.right - device.left;
  if (width(font) > room) {
    LOGFONTW shape{};
    GetObjectW(font, sizeof shape, &shape);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    for (int stretch = 95; stretch >= narrowest; stretch -= 5) {
      shape.lfWidth = metrics.tmAveCharWidth * stretch / 100;
      HFONT narrowed = CreateFontIndirectW(&shape);
      const bool fits = width(narrowed) <= room;
      if (fits) DrawLine(dc, narrowed, colour, device, text.c_str(), align | DT_NOPREFIX);
      DeleteObject(narrowed);
      if (fits) return;
    }
  }
  DrawLine(dc, font, colour, device, text.c_str(), align | DT_END_ELLIPSIS | DT_NOPREFIX);
}

bool FocusHidden(HWND control) {
  return (SendMessageW(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
}

}  // namespace wv::winlook
