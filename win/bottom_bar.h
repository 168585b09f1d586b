#pragma once

#include <windows.h>

#include <array>
#include <string>

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

// How a bottom-bar button looks: a grey ground and a white caption (darker
// while down), or for the clipboard button a white clipboard and a white edge
// while down; silver while not usable.
struct BottomButtonFace {
  bool clipboard = false;
  std::wstring caption;  // each '&' doubled, drawn as one
  bool down = false;
  bool usable = true;
  bool focused = false;
};

// Unusable while disabled or `resting`.
void DrawBottomButton(const DRAWITEMSTRUCT& item, const BottomBar& bar, const winlook::Look& look,
                      bool resting);
// The character, clipboard and action buttons, each at its place in the
// window, before their windows are made.
void DrawBottomButtons(HDC dc, const winlook::Look& look,
                       const std::array<BottomButtonFace, 3>& faces);

}  // namespace wv
