#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win/layout.h"
#include "win/look.h"
#include "win/picture.h"
#include "win/window_class.h"

namespace wv {

// A tab's page: a silver ground with what is drawn on it (group frames, the
// sunken grounds of the edit boxes, a picture) under its controls. The
// controls' notifications go on to the top window, which binds them all.
// Until its window is made, the top window draws it (Draw).
class Page {
 public:
  Page(const winlook::Look& look, const Pictures& pictures);

  void MakeWindow(HWND parent);
  HWND Window() const { return page_; }
  // Returns the frame's index, for its caption.
  std::size_t AddFrame(const RECT& logical);
  void SetFrameCaption(std::size_t frame, const std::wstring& caption);
  void AddSunkenGround(const RECT& logical);
  void SetPicture(int plain, int twice, const RECT& logical);
  void Layout();
  // At the page's own origin in `dc`.
  void Draw(HDC dc) const;

  // Where every page sits in the window, in logical pixels.
  static constexpr RECT kArea = layout::ToRect(layout::kPageArea);
  // The same in the page's own pixels.
  static constexpr RECT kInside = layout::ToRect(layout::kPageInside);

 private:
  struct Frame {
    RECT logical;
    std::wstring caption;
  };

  template <typename>
  friend LRESULT CALLBACK ProcedureOf(HWND, UINT, WPARAM, LPARAM);
  LRESULT Procedure(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc) const { Draw(dc); }

  const winlook::Look& look_;
  const Pictures& pictures_;
  HWND page_ = nullptr;
  std::vector<Frame> frames_;
  std::vector<RECT> grounds_;
  int picture_ = 0, pictureTwice_ = 0;
  RECT pictureArea_{};
};

// A child control of a page at a logical place.
HWND MakeControl(HWND page, const wchar_t* type, DWORD style, int id, const RECT& logical,
                 const winlook::Look& look, HFONT font);

}  // namespace wv
