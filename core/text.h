#pragma once

#include <cstddef>
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

// The line breaks written as characters of their own (U+0085, U+2028,
// U+2029) as the '\n' they stand for, and the invisible marks that turn text
// round or hide in it (U+200E, U+200F, U+202A to U+202E, U+2066 to U+2069,
// U+FEFF) dropped: a host shown backwards is another host to the player. Only
// in valid UTF-8, so that the bytes of a Windows code page stay as they are.
std::string WithPlainLineBreaks(std::string text);

// Without the control characters and the invisible marks: typed or pasted
// into a box, they would reach the engine's console as line breaks or show
// the text other than it is. Other bytes from 0x80 up, UTF-8 or not, stay.
std::string WithoutControls(std::string text);

// Appends code point `c` in UTF-8.
void AppendUtf8(std::string& text, char32_t c);

// Texts for display come as UTF-8, or, from older settings files, in
// Windows-1251: valid UTF-8 wins, anything else is read as Windows-1251.
bool IsValidUtf8(std::string_view text);
std::string Utf8FromCp1251(std::string_view bytes);
// The text as UTF-8 by that rule.
std::string DisplayUtf8(std::string_view bytes);

// Text from outside the launcher (a log, the system's words, a settings
// value, a page's error) can be of any length, and a message box grows to
// hold it. Each shown line keeps this many characters at most, which fit
// beside one another on any screen.
inline constexpr std::size_t kShownLineChars = 120;
// A message's lines at most, its own lines and those it quotes together.
inline constexpr std::size_t kShownMessageLines = 30;

// At most `chars` characters of UTF-8 `text`, the last of them "…" where
// more were cut off; never half a character.
std::string CutToChars(std::string_view text, std::size_t chars);

// Outside text within one line of a message: display UTF-8, control
// characters (line ends among them) as blanks, none at its end, cut to
// kShownLineChars.
std::string QuotedLine(std::string_view bytes);

// UTF-8 `text` with at most `lines` lines (CR, LF and CR LF each end one),
// "…" in place of the rest, each cut to `lineChars` characters.
std::string BoundedText(std::string_view text, std::size_t lineChars, std::size_t lines);

}  // namespace wv
