#include "win/early_input.h"

#include <windowsx.h>

namespace wv {

EarlyInput EarlyInputOf(const MSG& message) {
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
      return EarlyInput::Key;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEWHEEL:
      return EarlyInput::Click;
    default:
      return EarlyInput::None;
  }
}

void RouteToControl(MSG& message, EarlyInput input) {
  if (input == EarlyInput::Key) {
    if (HWND focus = GetFocus()) message.hwnd = focus;
    return;
  }
  if (input != EarlyInput::Click || message.message == WM_MOUSEWHEEL) return;
  POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
  HWND target = message.hwnd;
  for (;;) {
    HWND child = ChildWindowFromPointEx(target, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (child == nullptr || child == target) break;
    MapWindowPoints(target, child, &at, 1);
    target = child;
  }
  message.hwnd = target;
  message.lParam = MAKELPARAM(at.x, at.y);
}

}  // namespace wv
