#include "win/recent_arrow.h"

namespace wv {

HWND MakeRecentArrow(HWND page, int id) {
  return CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_OWNERDRAW | SS_NOTIFY, 0, 0, 0, 0, page,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

RECT RecentArrowArea(const RECT& ground, const winlook::Scale& scale) {
  return {ground.right - scale(19), ground.top + scale(3), ground.right - scale(3),
          ground.bottom - scale(3)};
}

void DrawRecentArrow(const DRAWITEMSTRUCT& item, const winlook::Scale& scale) {
  HDC dc = item.hDC;
  const RECT& area = item.rcItem;
  winlook::Fill(dc, area, winlook::kGrey);
  // Nine pixels wide and five high, centred.
  const int x = (area.left + area.right) / 2;
  const int y = (area.top + area.bottom) / 2;
  const POINT corners[] = {
      {x - scale(4), y - scale(2)}, {x + scale(4), y - scale(2)}, {x, y + scale(2)}};
  winlook::FillTriangle(dc, corners, winlook::kWhite);
}

}  // namespace wv
