#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>

namespace wv::test {

// Plants a link at `link` to `target`, which need not exist. Under Wine it
// is the Unix symlink a game folder unpacked or prepared on the Linux side
// would hold, made by the system's own `ln` (Wine runs Unix programs that a
// Windows program starts); on Windows it is a symbolic link. False when
// neither can be made here (Windows without the right to make links).
inline bool PlantLink(const std::filesystem::path& target, const std::filesystem::path& link) {
  using UnixName = char*(CDECL*)(LPCWSTR);
  const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (unixName == nullptr) {
    return CreateSymbolicLinkW(link.c_str(), target.c_str(),
                               SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) != 0;
  }
  const auto unix = [unixName](const std::filesystem::path& path) {
    char* name = unixName(path.c_str());
    std::string copy = name != nullptr ? name : "";
    HeapFree(GetProcessHeap(), 0, name);
    return copy;
  };
  // The Unix program leaves no handle to wait on; it marks its end with a file.
  const std::filesystem::path made = link.wstring() + L".made";
  std::string command = "/bin/sh -c \"ln -s -- \\\"$0\\\" \\\"$1\\\" && : > \\\"$1.made\\\"\" \"" +
                        unix(target) + "\" \"" + unix(link) + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA("Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    return false;
  }
  if (started.hThread != nullptr) CloseHandle(started.hThread);
  if (started.hProcess != nullptr) CloseHandle(started.hProcess);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (GetFileAttributesW(made.c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (std::chrono::steady_clock::now() > end) return false;
    Sleep(10);
  }
  return DeleteFileW(made.c_str()) != 0;
}

}  // namespace wv::test
