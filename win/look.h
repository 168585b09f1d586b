#pragma once

#include <windows.h>

#include <string>

namespace wv::winlook {

inline constexpr COLORREF kSilver = RGB(192, 192, 192);
inline constexpr COLORREF kGrey = RGB(128, 128, 128);
inline constexpr COLORREF kPressedGrey = RGB(96, 96, 96);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kDarkShadow = RGB(64, 64, 64);
inline constexpr COLORREF kLight = RGB(223, 223, 223);

// Logical pixels (96 per inch, the window's designed size) to the window's
// device pixels.
class Scale {
 public:
  explicit Scale(UINT dpi = USER_DEFAULT_SCREEN_DPI) : dpi_(dpi) {}
  UINT Dpi() const { return dpi_; }
  int operator()(int logical) const { return MulDiv(logical, static_cast<int>(dpi_), 96); }
  // Back from device pixels, as the drawing helpers take their rectangles.
  int Logical(int device) const { return MulDiv(device, 96, static_cast<int>(dpi_)); }
  // Both corners scaled, so that neighbouring rectangles share their borders
  // at any scale.
  RECT Rect(int x, int y, int width, int height) const {
    return {(*this)(x), (*this)(y), (*this)(x + width), (*this)(y + height)};
  }
  RECT Rect(const RECT& logical) const {
    return {(*this)(logical.left), (*this)(logical.top), (*this)(logical.right),
            (*this)(logical.bottom)};
  }

 private:
  UINT dpi_;
};

// What every control of the window draws with, for the window's current DPI.
struct Look {
  Scale scale;
  HFONT font = nullptr;  // 8 points at 96 dpi
  HFONT bold = nullptr;
};

// The window's DPI; the system's where the system has no DPI per window.
UINT WindowDpi(HWND window);
// Fonts for `scale`; the previous ones deleted.
void MakeFonts(Look& look, Scale scale);
void DeleteFonts(Look& look);

// A window's client area, from its area in its parent.
inline RECT Inside(const RECT& device) {
  return {0, 0, device.right - device.left, device.bottom - device.top};
}

// Draws into `dc` as a child window at `area` (device pixels) would draw
// itself: from that origin, and clipped to it.
template <typename Draw>
void DrawAsChild(HDC dc, const RECT& area, const Draw& draw) {
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, area.left, area.top, nullptr);
  IntersectClipRect(dc, 0, 0, area.right - area.left, area.bottom - area.top);
  draw();
  RestoreDC(dc, saved);
}

// Drawing in logical pixels: `rect` is scaled first.
void Fill(HDC dc, const RECT& device, COLORREF colour);
// One-pixel bands along the border of the logical `rect`: top and left in
// `topLeft`, bottom and right in `bottomRight`.
void DrawEdge(HDC dc, const Scale& scale, const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
// A two-pixel sunken edge inside `rect`.
void DrawSunkenEdge(HDC dc, const Scale& scale, const RECT& rect);
// A solid triangle of device-pixel corners, as the drop-down arrows are.
void FillTriangle(HDC dc, const POINT (&corners)[3], COLORREF colour);
// The keyboard focus mark: a dotted frame along the inside of `rect`.
void DrawFocusFrame(HDC dc, const Scale& scale, const RECT& rect, COLORREF colour);
// A white frame with its caption on a silver ground, as a group box.
void DrawGroupFrame(HDC dc, const Look& look, const RECT& rect, const wchar_t* caption);
// Single-line text, centred in height; `flags` as DrawTextW's.
void DrawLine(HDC dc, HFONT font, COLORREF colour, RECT device, const wchar_t* text, UINT flags);
// Single-line text that fits `device`: narrowed as far as `narrowest` percent
// of its width where it is too wide, and ended in "…" where that is not enough.
void DrawFittedLine(HDC dc, HFONT font, COLORREF colour, const RECT& device,
                    const std::wstring& text, UINT align, int narrowest);
// Whether the focus mark is hidden, as the system hides it after mouse use.
bool FocusHidden(HWND control);

}  // namespace wv::winlook
