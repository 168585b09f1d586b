#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace wv {

// Model texts are bytes: UTF-8 for the built-in strings, and whatever the
// settings file holds for its values, which older files wrote in
// Windows-1251. Valid UTF-8 wins; anything else is read as Windows-1251.
QString DisplayText(std::string_view bytes);

// Text typed into the window goes back to the model as the bytes the game is
// to receive: UTF-8, as the system names files here.
std::string TextBytes(const QString& text);

// The inverse of TextBytes, for the bytes of typed text: a split join address
// shown through DisplayText would read invalid UTF-8 as Windows-1251, and the
// changed text would go back to the model.
QString TypedText(std::string_view bytes);

// Button and menu captions would otherwise turn '&' into a mnemonic.
QString WithoutMnemonics(const QString& text);

}  // namespace wv
