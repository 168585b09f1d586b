#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace wv {

using IsProgram = std::function<bool(const std::filesystem::path&)>;

// The first file `name` in the folders of `searchPath` (PATH's form: folders
// split by ':', an empty one meaning the start folder; nullopt: no PATH, no
// search) for which `isProgram` holds. Relative folders are taken from
// `startFolder`, and skipped when it is unknown.
std::optional<std::filesystem::path> FindOnSearchPath(
    std::string_view name, std::optional<std::string_view> searchPath,
    const std::optional<std::filesystem::path>& startFolder, const IsProgram& isProgram);

// The folder of the path the launcher was started by, with links not
// followed: a launcher linked into a game folder belongs to that folder, not
// to wherever the link points. `argv0` with a separator is that path (made
// absolute against `startFolder`); a bare name is looked up on `searchPath`.
// nullopt when neither tells: the caller asks the system instead.
std::optional<std::filesystem::path> StartedFromFolder(
    std::string_view argv0, const std::optional<std::filesystem::path>& startFolder,
    std::optional<std::string_view> searchPath, const IsProgram& isProgram);

}  // namespace wv
