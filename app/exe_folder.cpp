#include "app/exe_folder.h"

#include <system_error>

namespace wv {

std::filesystem::path ExecutableFolder(const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && !self.empty()) return self.parent_path();
  if (argv0 == nullptr) return std::filesystem::current_path(error);
  return std::filesystem::absolute(argv0, error).parent_path();
}

}  // namespace wv
