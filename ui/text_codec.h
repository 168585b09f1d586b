#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace wv {

// Text typed into the window goes back to the model as the bytes the game is
// to receive: UTF-8, as the system names files here.
std::string TextBytes(const QString& text);

// The inverse of TextBytes, for the bytes of typed text: a split join address
// shown as display text would read invalid UTF-8 as Windows-1251, and the
// changed text would go back to the model.
QString TypedText(std::string_view bytes);

// Button and menu captions would otherwise turn '&' into a mnemonic.
QString WithoutMnemonics(const QString& text);

}  // namespace wv
