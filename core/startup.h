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

// The settings lock of `folder` was not taken: the settings file was busy,
// and where a link, folder, FIFO or device holds the lock's name, that is
// said in place of the settings file's name.
std::string SettingsBusyMessage(const StringSet& strings, const std::filesystem::path& folder);

// Something other than a regular file holds `name`, which the launcher
// writes: nothing was written there.
std::string InTheWayMessage(const StringSet& strings, const std::filesystem::path& name);

}  // namespace wv
