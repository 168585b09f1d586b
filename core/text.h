#pragma once

#include <string>
#include <string_view>

namespace wv {

// Case-insensitive comparison of ASCII letters, byte-exact otherwise.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// A blank, as the settings file and the command line both count one.
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Without the blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

// A control character: a byte below 0x20, or 0x7F.
constexpr bool IsControl(char c) {
  return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

// Without the control characters: typed or
// pasted into a box, they would reach the engine's console as line breaks.
// Bytes from 0x80 up, UTF-8 or not, stay.
std::string WithoutControls(std::string text);

// Appends code point `c` in UTF-8.
void AppendUtf8(std::string& text, char32_t c);

// Texts for display come as UTF-8, or, from older settings files, in
// Windows-1251: valid UTF-8 wins, anything else is read as Windows-1251.
bool IsValidUtf8(std::string_view text);
std::string Utf8FromCp1251(std::string_view bytes);
// The text as UTF-8 by that rule.
std::string DisplayUtf8(std::string_view bytes);

}  // namespace wv
