#pragma once

#include <windows.h>

#include <string>

#include "win/look.h"
#include "win/window_class.h"

namespace wv {

// The drawn caption bar: the emblem, the title and the minimise and close
// glyphs, white while the pointer is on them. The window is moved by the bar
// (the top window answers HTCAPTION there); the glyphs minimise and close it.
// Until its window is made, the top window draws it (Draw).
class CaptionBar {
 public:
  explicit CaptionBar(const winlook::Look& look);
  ~CaptionBar();
  CaptionBar(const CaptionBar&) = delete;
  CaptionBar& operator=(const CaptionBar&) = delete;

  void MakeWindow(HWND parent);
  HWND Window() const { return bar_; }
  HWND MinimizeButton() const { return minimise_; }
  HWND CloseButton() const { return close_; }
  void SetText(const std::wstring& text);
  // Only switching between applications counts; before the first
  // activation the title keeps the system's text colour.
  void SetActive(bool active);
  // Placed anew for the look's scale.
  void Layout();
  // The bar and its glyphs at rest, at the bar's own origin in `dc`.
  void Draw(HDC dc) const;

 private:
  template <typename>
  friend LRESULT CALLBACK ProcedureOf(HWND, UINT, WPARAM, LPARAM);
  LRESULT Procedure(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc) const { Draw(dc); }
  void DrawGlyph(HDC dc, const RECT& area, bool close, bool hover) const;

  const winlook::Look& look_;
  HWND bar_ = nullptr;
  HWND minimise_ = nullptr;
  HWND close_ = nullptr;
  HICON emblem_ = nullptr;  // at the scale's size
  std::wstring text_;
  COLORREF textColour_;
};

}  // namespace wv
