#include "app/exe_folder.h"

#include <system_error>

namespace wv {

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && !self.empty()) return self.parent_path();
  return std::filesystem::current_path(error);
}

}  // namespace wv
