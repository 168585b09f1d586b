#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace wv {

// The program of a bare name where a shell's search finds it: the first
// file of that name this process may run in the folders of PATH, relative
// ones taken from the current folder; nullopt when there is none.
std::optional<std::string> SearchProgram(std::string_view name);

// A regular file this process may run.
bool IsExecutableFile(const std::filesystem::path& file);

}  // namespace wv
