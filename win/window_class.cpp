#include "win/window_class.h"

namespace wv {

const wchar_t* RegisterControlClass(const wchar_t* name, WNDPROC procedure, HCURSOR cursor) {
  WNDCLASSEXW type{};
  type.cbSize = sizeof type;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &type)) return name;
  type.style = CS_DBLCLKS;
  type.lpfnWndProc = procedure;
  type.hInstance = GetModuleHandleW(nullptr);
  type.hCursor = cursor != nullptr ? cursor : LoadCursorW(nullptr, IDC_ARROW);
  type.lpszClassName = name;
  RegisterClassExW(&type);
  return name;
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

RECT AreaOf(HWND control) {
  RECT area{};
  GetWindowRect(control, &area);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&area), 2);
  return area;
}

void MoveTo(HWND control, const RECT& device) {
  if (control == nullptr) return;
  SetWindowPos(control, nullptr, device.left, device.top, device.right - device.left,
               device.bottom - device.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace wv
