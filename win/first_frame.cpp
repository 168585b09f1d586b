#include "win/first_frame.h"

#include "core/window_layout.h"
#include "win/layout.h"

namespace wv {

bool DrawnBeforeControls(const ViewState& view) {
  return view.currentTab == Tab::CreateServer && !view.actionResting &&
         (view.focus == FocusRequest::None || view.focus == FocusRequest::FirstChoiceBox) &&
         view.browser == BrowserRequest::None && !view.closeWindow && !view.windowHidden &&
         !view.watchGameAfter;
}

void PaintWindowGround(HDC dc, const winlook::Look& look) {
  const winlook::Scale& s = look.scale;
  winlook::Fill(dc, s.Rect(0, 0, layout::kWidth, layout::kHeight), winlook::kSilver);
  winlook::DrawSunkenEdge(dc, s, {0, 0, layout::kWidth, layout::kHeight});
  // The white frame round the pages, below the tab row.
  const RECT& page = Page::kArea;
  winlook::DrawEdge(dc, s, {page.left - 1, page.top - 1, page.right + 1, page.bottom + 1},
                    winlook::kWhite, winlook::kWhite);
  PaintBottomBar(dc, look);
}

void PaintFirstFrame(HDC dc, const winlook::Look& look, const FirstFrame& frame) {
  const winlook::Scale& s = look.scale;
  const RECT page = s.Rect(Page::kArea);
  winlook::DrawAsChild(dc, s.Rect(layout::ToRect(layout::kCaptionBar)),
                       [&] { frame.caption.Draw(dc); });
  winlook::DrawAsChild(dc, s.Rect(layout::ToRect(layout::kTabRow)),
                       [&] { frame.tabRow.Draw(dc, false); });
  winlook::DrawAsChild(dc, page, [&] { frame.page.Draw(dc); });
  for (std::size_t i = 0; i < layout::kChoiceRows.size(); ++i) {
    RECT box = s.Rect(layout::ToRect(layout::kChoiceRows[i].area));
    OffsetRect(&box, page.left, page.top);
    const bool focused = i == 0 && frame.firstBoxFocused;
    winlook::DrawAsChild(dc, box, [&] { frame.choiceBoxes[i]->Draw(dc, focused); });
  }
  DrawBottomButtons(dc, look, frame.bottomButtons);
}

}  // namespace wv
