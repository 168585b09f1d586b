#pragma once

#include <windows.h>

#include "win/look.h"

namespace wv {

// The bottom bar: the character button (which drops its menu), the clipboard
// button and the action button, flat and drawn by hand, each on a sunken
// panel that the window draws.
struct BottomBar {
  HWND character = nullptr;
  HWND clipboard = nullptr;
  HWND action = nullptr;
};

// The buttons, children of the window, with their control ids.
BottomBar MakeBottomBar(HWND window, int characterId, int clipboardId, int actionId);
void LayoutBottomBar(const BottomBar& bar, const winlook::Look& look);
// The bar's ground and the buttons' sunken panels.
void PaintBottomBar(HDC dc, const winlook::Look& look);

// A bottom-bar button: a grey ground and a white caption (darker while down),
// or for the clipboard button a white clipboard and a white edge while down;
// silver while disabled or `resting`.
void DrawBottomButton(const DRAWITEMSTRUCT& item, const BottomBar& bar, const winlook::Look& look,
                      bool resting);

}  // namespace wv
