#pragma once

#include <windows.h>

#include <string>

#include "win/look.h"
#include "win/window_class.h"

namespace wv {

// A choice of the create tab: a white frame with the group's caption, the
// choice in bold and an arrow. A click or a key asks the parent for its menu
// (WM_COMMAND with BN_CLICKED, as a button). Screen readers hear a combo box
// named by caption and choice. Until its window is made, the top window
// draws it (Draw).
class ChoiceBox {
 public:
  ChoiceBox(const RECT& logical, int labelWidth, const winlook::Look& look);

  void MakeWindow(HWND parent, int id);
  HWND Window() const { return box_; }
  void Show(const std::wstring& caption, const std::wstring& choice, const std::wstring& name,
            bool enabled);
  void Layout();
  // At the box's own origin in `dc`.
  void Draw(HDC dc, bool focused) const;

 private:
  template <typename>
  friend LRESULT CALLBACK ProcedureOf(HWND, UINT, WPARAM, LPARAM);
  LRESULT Procedure(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc) const { Draw(dc, GetFocus() == box_ && !winlook::FocusHidden(box_)); }

  const winlook::Look& look_;
  RECT logical_;
  int labelWidth_;
  HWND box_ = nullptr;
  std::wstring caption_, choice_, name_;
  bool enabled_ = true;
};

}  // namespace wv
