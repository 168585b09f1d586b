#pragma once

#include <filesystem>
#include <string_view>

#include "core/launcher_model.h"

namespace wv {

// A file (not a folder) of that name exists in `dir`; never in an unknown
// (empty) folder.
bool FileExistsIn(const std::filesystem::path& dir, std::string_view name);

}  // namespace wv
