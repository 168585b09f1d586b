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

// In `area`, the button's whole client area.
void DrawFace(HDC dc, const RECT& area, const BottomButtonFace& face, const winlook::Look& look) {
  const winlook::Scale& s = look.scale;
  const int width = s.Logical(area.right - area.left);
  const int height = s.Logical(area.bottom - area.top);
  if (face.clipboard) {
    winlook::Fill(dc, area, winlook::kGrey);
    if (face.down) {
      winlook::DrawEdge(dc, s, {0, 0, width, height}, winlook::kWhite, winlook::kWhite);
    }
    const COLORREF ink = face.usable ? winlook::kWhite : winlook::kSilver;
    winlook::DrawEdge(dc, s, {5, 3, 17, 19}, ink, ink);
    winlook::Fill(dc, s.Rect(8, 2, 6, 3), ink);
    for (int y = 8; y <= 14; y += 3) winlook::Fill(dc, s.Rect(7, y, 8, 1), ink);
  } else {
    winlook::Fill(dc, area, face.down ? winlook::kPressedGrey : winlook::kGrey);
    RECT caption{area.left + s(2), area.top, area.right - s(2), area.bottom};
    winlook::DrawLine(dc, look.font, face.usable ? winlook::kWhite : winlook::kSilver, caption,
                      face.caption.c_str(), DT_CENTER | DT_END_ELLIPSIS | DT_HIDEPREFIX);
  }
  if (face.focused) {
    winlook::DrawFocusFrame(dc, s, {1, 1, width - 1, height - 1}, winlook::kWhite);
  }
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
  const BottomButtonFace face{
      item.hwndItem == bar.clipboard,
      item.hwndItem == bar.clipboard ? std::wstring() : WindowText(item.hwndItem),
      (item.itemState & ODS_SELECTED) != 0, (item.itemState & ODS_DISABLED) == 0 && !resting,
      (item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0};
  DrawFace(item.hDC, item.rcItem, face, look);
}

void DrawBottomButtons(HDC dc, const winlook::Look& look,
                       const std::array<BottomButtonFace, 3>& faces) {
  const layout::LogicalRect* panels[] = {&layout::kCharacterPanel, &layout::kClipboardPanel,
                                         &layout::kActionPanel};
  for (std::size_t i = 0; i < faces.size(); ++i) {
    const RECT area = ButtonArea(*panels[i], look.scale);
    winlook::DrawAsChild(dc, area, [&] { DrawFace(dc, winlook::Inside(area), faces[i], look); });
  }
}

}  // namespace wv
