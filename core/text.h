#pragma once

#include <string_view>

namespace wv {

// Case-insensitive comparison of ASCII letters, byte-exact otherwise.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace wv
