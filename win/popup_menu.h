#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/launcher_model.h"

namespace wv {

// Drops the menu `id` of the view's menus below `anchor` (screen pixels):
// its shown entries with their check marks and separators. The chosen
// entry's id; nullopt when none was chosen.
std::optional<std::string> DropMenu(HWND owner, const std::vector<Menu>& menus, std::string_view id,
                                    const RECT& anchor);

}  // namespace wv
