#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace wv::test {

// Control bytes and bytes above 0x7E as \xNN, so that a failure message shows
// a file's or a command's exact bytes.
inline std::string VisibleBytes(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    char shown[5];
    std::snprintf(shown, sizeof shown, byte < 0x20 || byte > 0x7E ? "\\x%02X" : "%c", byte);
    out += shown;
  }
  return out;
}

}  // namespace wv::test
