#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace wv {

// The folder of the path the launcher was started by, with links not
// followed: a launcher linked into a game folder belongs to that folder, not
// to wherever the link points. `argv0` with a separator is that path (made
// absolute against `startFolder`); a bare name is looked up on `searchPath`
// (PATH's form: folders split by ':', an empty one meaning the start folder;
// nullopt: no PATH, no search),
// taking the first folder where `isProgram` holds. nullopt when neither
// tells: the caller asks the system instead.
std::optional<std::filesystem::path> StartedFromFolder(
    std::string_view argv0, const std::optional<std::filesystem::path>& startFolder,
    std::optional<std::string_view> searchPath,
    const std::function<bool(const std::filesystem::path&)>& isProgram);

}  // namespace wv
