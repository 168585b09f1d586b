#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "core/view_state.h"
#include "win/bottom_bar.h"
#include "win/caption_bar.h"
#include "win/choice_box.h"
#include "win/look.h"
#include "win/page.h"
#include "win/tab_row.h"

namespace wv {

// Under Wine each window costs a round of messages with the server, and
// comctl32 its start-up: the first frame is drawn by the top window alone,
// and the controls are made after it, or for the first key or click.

// The views the top window draws before its controls exist: the create
// tab, at rest.
bool DrawnBeforeControls(const ViewState& view);

// The window's own ground: its silver face and sunken edge, the white frame
// round the pages and the bottom bar's panels.
void PaintWindowGround(HDC dc, const winlook::Look& look);

// What the first tab's controls draw once they are made, at their places.
struct FirstFrame {
  const CaptionBar& caption;
  const TabRow& tabRow;
  const Page& page;
  const std::array<std::unique_ptr<ChoiceBox>, 7>& choiceBoxes;
  bool firstBoxFocused;
  std::array<BottomButtonFace, 3> bottomButtons;
};
void PaintFirstFrame(HDC dc, const winlook::Look& look, const FirstFrame& frame);

}  // namespace wv
