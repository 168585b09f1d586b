#include "platform/windows/short_path.h"

#include <windows.h>

namespace wv {

std::wstring ShortPathWithinLimit(const std::wstring& path) {
  constexpr std::wstring_view kLong = LR"(\\?\)";
  // Some systems take a path beyond MAX_PATH only with the long prefix.
  for (const std::wstring& name : {path, std::wstring(kLong) + path}) {
    std::wstring shortened(name.size() + 1, L'\0');
    const DWORD size =
        GetShortPathNameW(name.c_str(), shortened.data(), static_cast<DWORD>(shortened.size()));
    if (size == 0 || size >= shortened.size()) continue;
    shortened.resize(size);
    if (shortened.starts_with(kLong)) shortened.erase(0, kLong.size());
    if (shortened.size() < MAX_PATH) return shortened;
  }
  return {};
}

}  // namespace wv
