#pragma once

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/windows/process_start.h"
#include "tests/support/stand_in_game.h"

namespace wv::test {

// What the stand-in engine saw: the command line as the system handed it over,
// then the arguments its C runtime made of it. None of them can hold a NUL
// byte, so each is written followed by one.
using LaunchRecord = std::vector<std::string>;

// What the stand-in engine prints before it records.
inline constexpr char kStandInOutput[] = "stand-in engine started";

inline std::string EncodeRecord(const LaunchRecord& record) {
  std::string out;
  for (const std::string& field : record) out.append(field).push_back('\0');
  return out;
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

// The folder of the running program; the build puts the test programs and
// the stand-ins side by side.
inline std::string ProgramFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string file(path, length);
  return file.substr(0, file.find_last_of('\\'));
}

// Wine now and then fails a start with its internal error when the new
// process dies while the loader sets it up (seen on loaded machines). That
// says nothing about the command text, so such a start is tried again; any
// other failure is the answer.
inline bool StartForTest(const std::string& text, std::string* error) {
  for (int attempt = 1;; ++attempt) {
    if (StartCommandText(text, error)) return true;
    if (GetLastError() != ERROR_INTERNAL_ERROR || attempt == 3) return false;
    std::printf("[ RETRIED  ] start failed with the loader's internal error: %s\n",
                error ? error->c_str() : "");
    Sleep(200);
  }
}

}  // namespace wv::test
