#pragma once

#include <filesystem>

namespace wv {

// The running executable's folder as the system's bytes, where the system
// tells; else the working folder.
std::filesystem::path ExecutableFolder();

}  // namespace wv
