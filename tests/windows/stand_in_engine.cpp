// Stands in for the game engine: records what it was started with and ends.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/windows/launch_record.h"

int main(int argc, char** argv) {
  const char* target = std::getenv(wv::test::kRecordVariable);
  if (target == nullptr || *target == '\0') return 2;
  // Into a log file only, so that a test can tell what reached the game's
  // log, and the test programs' own output stays clean.
  if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_DISK) {
    std::fputs(wv::test::kStandInOutput, stdout);
    std::fflush(stdout);
  }
  // Its working folder (UTF-8) beside the record, written first: a reader
  // that finds the record finds the folder too.
  wchar_t folder[32768];
  const DWORD length = GetCurrentDirectoryW(32768, folder);
  std::string utf8(static_cast<std::size_t>(length) * 3, '\0');
  utf8.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_UTF8, 0, folder, static_cast<int>(length), utf8.data(),
                          static_cast<int>(utf8.size()), nullptr, nullptr)));
  if (!wv::test::WriteFileWhole(std::string(target) + ".folder", utf8)) return 3;
  wv::test::LaunchRecord record{GetCommandLineA()};
  record.insert(record.end(), argv, argv + argc);
  return wv::test::WriteFileWhole(target, wv::test::EncodeRecord(record)) ? 0 : 3;
}
