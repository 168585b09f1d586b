#include "core/launcher_folder.h"

namespace wv {

namespace fs = std::filesystem;

namespace {

// Relative to the start folder, or nullopt when that is unknown (removed).
std::optional<fs::path> Absolute(const fs::path& path, const std::optional<fs::path>& startFolder) {
  if (path.is_absolute()) return path;
  if (!startFolder) return std::nullopt;
  return *startFolder / path;
}

}  // namespace

std::optional<fs::path> StartedFromFolder(std::string_view argv0,
                                          const std::optional<fs::path>& startFolder,
                                          std::optional<std::string_view> searchPath,
                                          const std::function<bool(const fs::path&)>& isProgram) {
  if (argv0.empty()) return std::nullopt;
  if (argv0.find('/') != std::string_view::npos) {
    const auto path = Absolute(fs::path(argv0), startFolder);
    return path ? std::optional(path->parent_path()) : std::nullopt;
  }
  while (searchPath) {
    const std::size_t colon = searchPath->find(':');
    const std::string_view entry = searchPath->substr(0, colon);
    const auto folder = Absolute(entry.empty() ? fs::path(".") : fs::path(entry), startFolder);
    if (folder && isProgram(*folder / argv0)) return folder;
    if (colon == std::string_view::npos) return std::nullopt;
    searchPath->remove_prefix(colon + 1);
  }
  return std::nullopt;
}

}  // namespace wv
