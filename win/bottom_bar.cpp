#include "win/bottom_bar.h"

#include <string>

#include "win/window_class.h"

namespace wv {

namespace {

constexpr RECT kBar{2, 206, 338, 247};
constexpr RECT kCharacterPanel{10, 214, 99, 239};
constexpr RECT kClipboardPanel{145, 214, 171, 239};
constexpr RECT kActionPanel{185, 214, 329, 239};

RECT Inside(const RECT& panel) {
  return {panel.left + 2, panel.top + 2, panel.right - 2, panel.bottom - 2};
}

HWND MakeButton(HWND window, int id) {
  return CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, 0,
                         0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

BottomBar MakeBottomBar(HWND window, int characterId, int clipboardId, int actionId) {
  return {MakeButton(window, characterId), MakeButton(window, clipboardId),
          MakeButton(window, actionId)};
}

void LayoutBottomBar(const BottomBar& bar, const winlook::Look& look) {
  MoveTo(bar.character, look.scale.Rect(Inside(kCharacterPanel)));
  MoveTo(bar.clipboard, look.scale.Rect(Inside(kClipboardPanel)));
  MoveTo(bar.action, look.scale.Rect(Inside(kActionPanel)));
}

void PaintBottomBar(HDC dc, const winlook::Look& look) {
  const winlook::Scale& s = look.scale;
  winlook::Fill(dc, s.Rect(kBar), winlook::kSilver);
  for (const RECT* panel : {&kCharacterPanel, &kClipboardPanel, &kActionPanel}) {
    winlook::Fill(dc, s.Rect(*panel),
                  panel == &kClipboardPanel ? winlook::kGrey : winlook::kSilver);
    winlook::DrawSunkenEdge(dc, s, *panel);
  }
}

void DrawBottomButton(const DRAWITEMSTRUCT& item, const BottomBar& bar, const winlook::Look& look,
                      bool resting) {
  const winlook::Scale& s = look.scale;
  HDC dc = item.hDC;
  const RECT& area = item.rcItem;
  const bool down = (item.itemState & ODS_SELECTED) != 0;
  const bool usable = (item.itemState & ODS_DISABLED) == 0 && !resting;
  const int width = s.Logical(area.right - area.left);
  const int height = s.Logical(area.bottom - area.top);
  if (item.hwndItem == bar.clipboard) {
    winlook::Fill(dc, area, winlook::kGrey);
    if (down) winlook::DrawEdge(dc, s, {0, 0, width, height}, winlook::kWhite, winlook::kWhite);
    const COLORREF ink = usable ? winlook::kWhite : winlook::kSilver;
    winlook::DrawEdge(dc, s, {5, 3, 17, 19}, ink, ink);
    winlook::Fill(dc, s.Rect(8, 2, 6, 3), ink);
    for (int y = 8; y <= 14; y += 3) winlook::Fill(dc, s.Rect(7, y, 8, 1), ink);
  } else {
    winlook::Fill(dc, area, down ? winlook::kPressedGrey : winlook::kGrey);
    // The window text has each '&' doubled, for screen readers; drawn as one.
    const std::wstring text = WindowText(item.hwndItem);
    RECT caption{area.left + s(2), area.top, area.right - s(2), area.bottom};
    winlook::DrawLine(dc, look.font, usable ? winlook::kWhite : winlook::kSilver, caption,
                      text.c_str(), DT_CENTER | DT_END_ELLIPSIS | DT_HIDEPREFIX);
  }
  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    winlook::DrawFocusFrame(dc, s, {1, 1, width - 1, height - 1}, winlook::kWhite);
  }
}

}  // namespace wv
