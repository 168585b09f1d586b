#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "core/launcher_model.h"

namespace wv {

// The password dialog: the prompt, a box of at most `maxLength` characters
// shown as typed, OK and Cancel. nullopt when cancelled.
std::optional<std::wstring> AskPassword(HWND owner, const PasswordDialogTexts& texts,
                                        int maxLength);

}  // namespace wv
