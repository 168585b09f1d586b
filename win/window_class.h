#pragma once

#include <windows.h>

#include <string>

namespace wv {

// The window procedures of the drawn controls reach their object through
// the window: `self` goes in with CreateWindowExW and is found again here.
template <typename Owner>
Owner* OwnerOf(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    return self;
  }
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The window procedure of such a class; the class befriends it. Messages
// that come before CreateWindowExW returns get the default handling. Each
// window paints all of its area itself (Paint), so there is no ground to
// erase; every other message goes to its Procedure.
template <typename Owner>
LRESULT CALLBACK ProcedureOf(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Owner* self = OwnerOf<Owner>(window, message, lParam);
  if (self == nullptr || self->Window() == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      self->Paint(dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    default:
      return self->Procedure(message, wParam, lParam);
  }
}

// Registers a window class of the program once; its name back.
const wchar_t* RegisterControlClass(const wchar_t* name, WNDPROC procedure,
                                    HCURSOR cursor = nullptr);

std::wstring WindowText(HWND window);

// The control's area in its parent's client pixels.
RECT AreaOf(HWND control);
// Nothing while the control is not made yet.
void MoveTo(HWND control, const RECT& device);

}  // namespace wv
