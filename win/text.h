#pragma once

#include <string>
#include <string_view>

namespace wv {

// The view state's display text (UTF-8) as Windows shows it.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view text);

// Text typed into the window goes back to the model as the bytes the game is
// to receive: in the ANSI code page, as the command line the game is started
// with (characters the code page lacks become '?').
std::string TypedBytes(std::wstring_view text);
// The inverse, for the bytes of typed text that the state hands back.
std::wstring TypedText(std::string_view bytes);

// Button and menu captions would otherwise turn '&' into a mnemonic.
std::wstring WithoutMnemonics(std::wstring text);

}  // namespace wv
