#include "platform/windows/program_search.h"

#include <windows.h>

namespace wv {

std::optional<std::string> SearchProgram(std::string_view name) {
  const std::string file(name);
  std::string found(MAX_PATH, '\0');
  DWORD length = SearchPathA(nullptr, file.c_str(), ".exe", MAX_PATH, found.data(), nullptr);
  if (length >= MAX_PATH) {  // the size it needs, with its NUL
    found.resize(length);
    length = SearchPathA(nullptr, file.c_str(), ".exe", length, found.data(), nullptr);
  }
  if (length == 0 || length >= found.size()) return std::nullopt;
  found.resize(length);
  return found;
}

}  // namespace wv
