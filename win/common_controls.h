#pragma once

namespace wv {

// Common controls 6 for this thread from here on: buttons, edit boxes,
// tooltips, dialogs and message boxes made after the call take its classes.
// Not in the program's manifest, whose dependency would have the loader find
// and start comctl32 before the first frame, which draws no control.
void UseCommonControls();

}  // namespace wv
