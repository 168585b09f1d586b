#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/launcher_model.h"

namespace wv {

// A file (not a folder) of that name exists in `dir`; never in an unknown
// (empty) folder.
bool FileExistsIn(const std::filesystem::path& dir, std::string_view name);

// The folder a start works in: `workDir`, unless it lacks the game while the
// launcher's own folder `exeDir` holds it (a start from a terminal
// elsewhere), as the desktop entry starts it.
std::filesystem::path GameFolder(const std::filesystem::path& exeDir,
                                 const std::filesystem::path& workDir);

// Why a file was not read, as the player reads it: the system's words, or
// the launcher's own in the active language.
std::string ReadFailureText(const ReadFailure& failure, const StringSet& strings);

}  // namespace wv
