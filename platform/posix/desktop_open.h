#pragma once

#include <string>

namespace wv {

// Hands `address` to the desktop's opener: xdg-open, else `gio open`, each
// found by the launcher's own program search and started detached. False
// when neither is there or neither starts.
bool OpenOnDesktop(const std::string& address);

}  // namespace wv
