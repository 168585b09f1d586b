#pragma once

#include <optional>
#include <string_view>

#include "core/launch.h"

namespace wv {

// The program of a bare name (ANSI code page) where the system's own search
// finds it (the folders of PATH among them), ".exe" added when the name has
// no extension; its path in the ANSI code page, not spelled where that lacks
// a letter of it. nullopt when the search finds none.
std::optional<FoundProgram> SearchProgram(std::string_view name);

}  // namespace wv
