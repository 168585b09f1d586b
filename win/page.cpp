#include "win/page.h"

#include "win/window_class.h"

namespace wv {

// Not clipping its children: the about page's labels are transparent, drawn
// over the ground the page paints under them.
Page::Page(const winlook::Look& look, const Pictures& pictures)
    : look_(look), pictures_(pictures) {}

void Page::MakeWindow(HWND parent) {
  const wchar_t* type = RegisterControlClass(L"WvPage", &ProcedureOf<Page>);
  page_ = CreateWindowExW(WS_EX_CONTROLPARENT, type, L"", WS_CHILD, 0, 0, 0, 0, parent, nullptr,
                          GetModuleHandleW(nullptr), this);
  Layout();
}

std::size_t Page::AddFrame(const RECT& logical) {
  frames_.push_back({logical, {}});
  return frames_.size() - 1;
}

void Page::SetFrameCaption(std::size_t frame, const std::wstring& caption) {
  if (frames_[frame].caption == caption) return;
  frames_[frame].caption = caption;
  if (page_ == nullptr) return;
  const RECT area = look_.scale.Rect(frames_[frame].logical);
  InvalidateRect(page_, &area, FALSE);
}

void Page::AddSunkenGround(const RECT& logical) {
  grounds_.push_back(logical);
}

void Page::SetPicture(int plain, int twice, const RECT& logical) {
  picture_ = plain;
  pictureTwice_ = twice;
  pictureArea_ = logical;
}

void Page::Layout() {
  if (page_ == nullptr) return;
  MoveTo(page_, look_.scale.Rect(kArea));
  InvalidateRect(page_, nullptr, TRUE);
}

LRESULT Page::Procedure(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetAncestor(page_, GA_ROOT), message, wParam, lParam);
    default:
      return DefWindowProcW(page_, message, wParam, lParam);
  }
}

void Page::Draw(HDC dc) const {
  const winlook::Scale& s = look_.scale;
  winlook::Fill(dc, winlook::Inside(s.Rect(kArea)), winlook::kSilver);
  if (picture_ != 0) pictures_.Draw(dc, picture_, pictureTwice_, s.Dpi(), s.Rect(pictureArea_));
  for (const Frame& frame : frames_) {
    winlook::DrawGroupFrame(dc, look_, frame.logical, frame.caption.c_str());
  }
  for (const RECT& ground : grounds_) {
    winlook::Fill(dc, s.Rect(ground), winlook::kGrey);
    winlook::DrawEdge(dc, s, ground, winlook::kDarkShadow, winlook::kWhite);
  }
}

HWND MakeControl(HWND page, const wchar_t* type, DWORD style, int id, const RECT& logical,
                 const winlook::Look& look, HFONT font) {
  const RECT area = look.scale.Rect(logical);
  HWND control = CreateWindowExW(0, type, L"", WS_CHILD | WS_VISIBLE | style, area.left, area.top,
                                 area.right - area.left, area.bottom - area.top, page,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

}  // namespace wv
