#include "win/password_dialog.h"

#include "win/common_controls.h"
#include "win/resource_ids.h"
#include "win/text.h"
#include "win/window_class.h"

namespace wv {

namespace {

struct Exchange {
  const PasswordDialogTexts& texts;
  int maxLength;
  std::wstring typed;
};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* exchange = reinterpret_cast<Exchange*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      SetWindowTextW(dialog, Wide(exchange->texts.title).c_str());
      SetDlgItemTextW(dialog, IDC_PASSWORD_PROMPT, Wide(exchange->texts.prompt).c_str());
      SetDlgItemTextW(dialog, IDOK, WithoutMnemonics(Wide(exchange->texts.ok)).c_str());
      SetDlgItemTextW(dialog, IDCANCEL, WithoutMnemonics(Wide(exchange->texts.cancel)).c_str());
      SendDlgItemMessageW(dialog, IDC_PASSWORD_TEXT, EM_LIMITTEXT,
                          static_cast<WPARAM>(exchange->maxLength), 0);
      return TRUE;  // the focus goes to the text box
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        if (LOWORD(wParam) == IDOK) {
          auto* exchange = reinterpret_cast<Exchange*>(GetWindowLongPtrW(dialog, DWLP_USER));
          exchange->typed = WindowText(GetDlgItem(dialog, IDC_PASSWORD_TEXT));
        }
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

std::optional<std::wstring> AskPassword(HWND owner, const PasswordDialogTexts& texts,
                                        int maxLength) {
  Exchange exchange{texts, maxLength, {}};
  UseCommonControls();
  const INT_PTR answer = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PASSWORD),
                                         owner, DialogProc, reinterpret_cast<LPARAM>(&exchange));
  if (answer != IDOK) return std::nullopt;
  return exchange.typed;
}

}  // namespace wv
