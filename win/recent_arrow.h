#pragma once

#include <windows.h>

#include "win/look.h"

namespace wv {

// The join address box's arrow, which drops the servers joined: a small
// white arrow on the box's grey, pointing as the choice boxes' arrows do.
// It takes no focus and is not in the Tab order (Alt+Down is its key); a
// press is a WM_COMMAND with STN_CLICKED (0, as BN_CLICKED) to the page.
HWND MakeRecentArrow(HWND page, int id);
// Its place at the right end of an edit box's sunken ground (device pixels).
RECT RecentArrowArea(const RECT& ground, const winlook::Scale& scale);
void DrawRecentArrow(const DRAWITEMSTRUCT& item, const winlook::Scale& scale);

}  // namespace wv
