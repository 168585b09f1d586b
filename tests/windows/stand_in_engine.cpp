// Stands in for the game engine: records what it was started with and ends.
#include <windows.h>

#include <cstdlib>

#include "tests/windows/launch_record.h"

int main(int argc, char** argv) {
  const char* target = std::getenv(wv::test::kRecordVariable);
  if (target == nullptr || *target == '\0') return 2;
  wv::test::LaunchRecord record{GetCommandLineA()};
  record.insert(record.end(), argv, argv + argc);
  return wv::test::WriteFileWhole(target, wv::test::EncodeRecord(record)) ? 0 : 3;
}
