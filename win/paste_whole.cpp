#include "win/paste_whole.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace wv {

namespace {

constexpr UINT_PTR kPasteSubclass = 1;

// The clipboard's text, empty when it holds none.
std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      // No further than the block: a text without its NUL ends there.
      text.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void Paste(HWND edit) {
  const std::wstring pasted = ClipboardText(edit);
  if (pasted.empty()) return;
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  DWORD from = 0, to = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  from = std::min<DWORD>(from, static_cast<DWORD>(text.size()));
  to = std::min<DWORD>(std::max(from, to), static_cast<DWORD>(text.size()));
  text.replace(from, to - from, pasted);
  const auto limit = static_cast<std::size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
  if (text.size() > limit) text.resize(limit);
  SetWindowTextW(edit, text.c_str());
  const auto caret = static_cast<WPARAM>(std::min(text.size(), from + pasted.size()));
  SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

LRESULT CALLBACK PasteProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR) {
  if (message == WM_PASTE) {
    if ((GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) == 0) Paste(edit);
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, PasteProc, kPasteSubclass);
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void PasteWhole(HWND edit) {
  SetWindowSubclass(edit, PasteProc, kPasteSubclass, 0);
}

}  // namespace wv
