#include "core/program_search.h"

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

std::optional<fs::path> FindOnSearchPath(std::string_view name,
                                         std::optional<std::string_view> searchPath,
                                         const std::optional<fs::path>& startFolder,
                                         const IsProgram& isProgram) {
  while (searchPath) {
    const std::size_t colon = searchPath->find(':');
    const std::string_view entry = searchPath->substr(0, colon);
    const auto folder = Absolute(entry.empty() ? fs::path(".") : fs::path(entry), startFolder);
    if (folder && isProgram(*folder / name)) return *folder / name;
    if (colon == std::string_view::npos) break;
    searchPath->remove_prefix(colon + 1);
  }
  return std::nullopt;
}

std::optional<fs::path> StartedFromFolder(std::string_view argv0,
                                          const std::optional<fs::path>& startFolder,
                                          std::optional<std::string_view> searchPath,
                                          const IsProgram& isProgram) {
  if (argv0.empty()) return std::nullopt;
  const auto path = argv0.find('/') != std::string_view::npos
                        ? Absolute(fs::path(argv0), startFolder)
                        : FindOnSearchPath(argv0, searchPath, startFolder, isProgram);
  return path ? std::optional(path->parent_path()) : std::nullopt;
}

}  // namespace wv
