#pragma once

#include <windows.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace wv::test {

// What the stand-in engine saw: the command line as the system handed it over,
// then the arguments its C runtime made of it. None of them can hold a NUL
// byte, so each is written followed by one.
using LaunchRecord = std::vector<std::string>;

// The environment variable that names the file the stand-in writes.
inline constexpr const char* kRecordVariable = "WV_LAUNCH_RECORD";

inline std::string EncodeRecord(const LaunchRecord& record) {
  std::string out;
  for (const std::string& field : record) out.append(field).push_back('\0');
  return out;
}

inline LaunchRecord DecodeRecord(std::string_view bytes) {
  LaunchRecord record;
  for (std::size_t end; (end = bytes.find('\0')) != std::string_view::npos;) {
    record.emplace_back(bytes.substr(0, end));
    bytes.remove_prefix(end + 1);
  }
  return record;
}

// Writes the whole file under a side name first and renames it into place,
// so that a reader waiting for the file never sees half of it.
inline bool WriteFileWhole(const std::string& path, std::string_view bytes) {
  const std::string part = path + ".part";
  {
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) return false;
  }
  return MoveFileExA(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

// The content of a file that another process is about to write; nullopt when
// it has not appeared within the time allowed.
inline std::optional<std::string> WaitForFile(const std::string& path,
                                              std::chrono::milliseconds allowed) {
  const auto deadline = std::chrono::steady_clock::now() + allowed;
  while (std::chrono::steady_clock::now() < deadline) {
    std::ifstream in(path, std::ios::binary);
    if (in.is_open()) {
      return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return std::nullopt;
}

// The folder of the running program; the build puts the test programs and
// the stand-ins side by side.
inline std::string ProgramFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string file(path, length);
  return file.substr(0, file.find_last_of('\\'));
}

}  // namespace wv::test
