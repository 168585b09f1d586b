#include "platform/windows/version_text.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace wv {

namespace {

// Long paths do not fit MAX_PATH; the buffer grows until the name fits.
std::string OwnExecutablePath() {
  std::vector<char> buffer(MAX_PATH);
  while (buffer.size() <= 32768) {
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
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
  const std::string path = OwnExecutablePath();
  if (path.empty()) return notAvailable;

  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return notAvailable;
  std::vector<char> info(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, info.data())) return notAvailable;

  void* translations = nullptr;
  UINT translationBytes = 0;
  if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &translations,
                      &translationBytes) ||
      translationBytes < sizeof(Translation)) {
    return notAvailable;
  }
  Translation first;
  std::memcpy(&first, translations, sizeof first);

  char subBlock[64];
  std::snprintf(subBlock, sizeof subBlock, "\\StringFileInfo\\%04x%04x\\FileVersion",
                first.language, first.codePage);
  void* value = nullptr;
  UINT valueLength = 0;
  if (!VerQueryValueA(info.data(), subBlock, &value, &valueLength) || valueLength == 0) {
    return notAvailable;
  }
  // The length counts the terminating NUL for strings.
  const char* text = static_cast<const char*>(value);
  return std::string(text, strnlen(text, valueLength));
}

}  // namespace wv
