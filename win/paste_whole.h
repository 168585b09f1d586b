#pragma once

#include <windows.h>

namespace wv {

// Lets a paste into a one-line edit box keep all of the clipboard's text.
// The box alone would cut it at the first line break, so that the text after
// it (`1.2.3.4:27015⏎+exec x.cfg`) would never reach the join rules, which
// show it in sight as the Linux window does. The box takes the whole text in
// place of its selection; its change then goes the way of typed text.
void PasteWhole(HWND edit);

}  // namespace wv
