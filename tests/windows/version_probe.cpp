// Writes the version text of its own executable to the file named by its only
// argument; built once with the version resource and once without.
#include "platform/windows/version_text.h"
#include "tests/windows/launch_record.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  return wv::test::WriteFileWhole(argv[1], wv::LauncherVersionText()) ? 0 : 3;
}
