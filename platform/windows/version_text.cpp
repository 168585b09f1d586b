#include "platform/windows/version_text.h"

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <iterator>
#include <vector>

namespace wv {

namespace {

// Wide, since the ANSI form of a folder named outside the code page names no
// file; long paths do not fit MAX_PATH, so the buffer grows until it fits.
std::wstring OwnExecutablePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  while (buffer.size() <= 32768) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
  return {};
}

struct Translation {
  WORD language;
  WORD codePage;
};

}  // namespace

std::string LauncherVersionText() {
  const std::string notAvailable(kVersionNotAvailable);
  const std::wstring path = OwnExecutablePath();
  if (path.empty()) return notAvailable;

  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return notAvailable;
  std::vector<char> info(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, info.data())) return notAvailable;

  void* translations = nullptr;
  UINT translationBytes = 0;
  if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &translations,
                      &translationBytes) ||
      translationBytes < sizeof(Translation)) {
    return notAvailable;
  }
  Translation first;
  std::memcpy(&first, translations, sizeof first);

  wchar_t subBlock[64];
  std::swprintf(subBlock, std::size(subBlock), L"\\StringFileInfo\\%04x%04x\\FileVersion",
                first.language, first.codePage);
  void* value = nullptr;
  UINT valueLength = 0;
  if (!VerQueryValueW(info.data(), subBlock, &value, &valueLength) || valueLength == 0) {
    return notAvailable;
  }
  // The length counts the terminating NUL for strings. The settings file
  // holds the text in the ANSI code page, as the rest of its values.
  const wchar_t* text = static_cast<const wchar_t*>(value);
  const int units = static_cast<int>(wcsnlen(text, valueLength));
  std::string bytes(WideCharToMultiByte(CP_ACP, 0, text, units, nullptr, 0, nullptr, nullptr),
                    '\0');
  WideCharToMultiByte(CP_ACP, 0, text, units, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                      nullptr);
  return bytes;
}

}  // namespace wv
