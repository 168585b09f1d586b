#include "win/bottom_bar.h"

#include <string>

#include "win/layout.h"
#include "win/window_class.h"

namespace wv {

namespace {

constexpr RECT kBar = layout::ToRect(layout::kBottomBar);
constexpr RECT kCharacterPanel = layout::ToRect(layout::kCharacterPanel);
constexpr RECT kClipboardPanel = layout::ToRect(layout::kClipboardPanel);
constexpr RECT kActionPanel = layout::ToRect(layout::kActionPanel);

// A button fills its panel but for the panel's border.
RECT ButtonArea(const layout::LogicalRect& panel, const winlook::Scale& scale) {
  return scale.Rect(layout::ToRect(layout::ButtonArea(panel)));
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
  MoveTo(bar.character, ButtonArea(layout::kCharacterPanel, look.scale));
  MoveTo(bar.clipboard, ButtonArea(layout::kClipboardPanel, look.scale));
  MoveTo(bar.action, ButtonArea(layout::kActionPanel, look.scale));
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
