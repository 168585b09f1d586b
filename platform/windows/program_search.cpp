#include "platform/windows/program_search.h"

#include <windows.h>

#include <string>

namespace wv {

std::optional<FoundProgram> SearchProgram(std::string_view name) {
  // The name comes from the settings, in the ANSI code page.
  const int size = static_cast<int>(name.size());
  std::wstring file(MultiByteToWideChar(CP_ACP, 0, name.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, name.data(), size, file.data(), static_cast<int>(file.size()));
  // The wide search finds programs in folders of any name and length.
  std::wstring found(MAX_PATH, L'\0');
  DWORD length = SearchPathW(nullptr, file.c_str(), L".exe", MAX_PATH, found.data(), nullptr);
  if (length >= MAX_PATH) {  // the size it needs, with its NUL
    found.resize(length);
    length = SearchPathW(nullptr, file.c_str(), L".exe", length, found.data(), nullptr);
  }
  if (length == 0 || length >= found.size()) return std::nullopt;
  found.resize(length);
  // The command line is read in the ANSI code page: a path it cannot spell
  // is told apart rather than sent with '?' for the missing letters.
  BOOL lossy = FALSE;
  const int wide = static_cast<int>(found.size());
  std::string bytes(WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, found.data(), wide, nullptr,
                                        0, nullptr, nullptr),
                    '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, found.data(), wide, bytes.data(),
                      static_cast<int>(bytes.size()), nullptr, &lossy);
  return FoundProgram(std::move(bytes), lossy == FALSE);
}

}  // namespace wv
