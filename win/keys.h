#pragma once

#include <windows.h>

#include "core/key_map.h"

namespace wv {

// A key message (WM_KEYDOWN, WM_SYSKEYDOWN) as the core's key map names it.
KeyChord ChordOf(const MSG& message);

}  // namespace wv
