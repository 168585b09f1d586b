#pragma once

#include "core/view_state.h"

namespace wv {

// The dialog control id of each control's window (GetDlgCtrlID), by which
// the window binds its notifications and tests find its controls from
// another process. Controls drawn inside others (a choice box's label and
// arrow, the group frames, the bottom bar's panels) have no window.
constexpr int ControlId(Control control) {
  return 100 + static_cast<int>(control);
}

// The join address box's arrow, which drops the servers joined. The view
// state names no control for it: on Linux it is an action of the box.
inline constexpr int kRecentServersArrowId = 90;

}  // namespace wv
