#pragma once

#include <filesystem>

namespace wv {

// The running executable's folder, found before any application object
// exists: from the system where it tells, else from argv[0].
std::filesystem::path ExecutableFolder(const char* argv0);

}  // namespace wv
