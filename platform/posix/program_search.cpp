#include "platform/posix/program_search.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "core/program_search.h"

namespace wv {

std::optional<std::string> SearchProgram(std::string_view name) {
  const char* searchPath = std::getenv("PATH");
  std::error_code error;
  const std::filesystem::path start = std::filesystem::current_path(error);
  const auto found = FindOnSearchPath(
      name, searchPath ? std::optional<std::string_view>(searchPath) : std::nullopt,
      error ? std::nullopt : std::optional(start), IsExecutableFile);
  return found ? std::optional(found->native()) : std::nullopt;
}

bool IsExecutableFile(const std::filesystem::path& file) {
  struct stat info {};
  return ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(file.c_str(), X_OK) == 0;
}

}  // namespace wv
