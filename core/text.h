#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wv {

// Upper-cases ASCII letters only; every other byte passes unchanged, so
// Windows-1251 and UTF-8 values survive.
std::string AsciiUpper(std::string_view text);

// Case-insensitive comparison of ASCII letters, byte-exact otherwise.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Number of characters in UTF-8 text (bytes that do not start a character
// are not counted).
std::size_t Utf8Length(std::string_view text);

}  // namespace wv
