#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/launcher_model.h"
#include "core/view_state.h"

namespace wv {

// Drops the menu `id` of the view's menus below `anchor` (screen pixels):
// its shown entries with their check marks and separators, the disabled ones
// greyed. The chosen entry's id; nullopt when none was chosen.
// Opened `how`: by the keyboard at the current choice.
std::optional<std::string> DropMenu(HWND owner, const std::vector<Menu>& menus, std::string_view id,
                                    const RECT& anchor, MenuOpening how);

// A plain menu of `captions` (display text) below `anchor`, or at a point
// when the anchor is empty, opened at `highlighted` where given. The chosen
// caption's place; nullopt for none.
std::optional<std::size_t> DropList(HWND owner, const std::vector<std::string>& captions,
                                    const RECT& anchor,
                                    std::optional<std::size_t> highlighted = std::nullopt);

}  // namespace wv
