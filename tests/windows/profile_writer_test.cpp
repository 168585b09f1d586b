// The settings writer against the system's own profile writer: both write
// the same value into copies of the same file, and the files must match
// unless the difference is named.
#include "core/profile_writer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "core/whole_file.h"
#include "tests/support/profile_writes.h"
#include "tests/support/temp_folder.h"
#include "tests/windows/visible_bytes.h"

namespace wv::test {
namespace {

// Rows of kProfileWrites on which the platform under test lays the file out
// otherwise; the project's result is the table's, the platform's is shown.
bool NamedDifference(const std::string& name) {
  for (const char* differs : kPlatformDiffers) {
    if (name == differs) return true;
  }
  return false;
}

TEST(ProfileWriter, AgreesWithThePlatform) {
  TempFolder folder;
  int files = 0;
  for (const ProfileWrite& w : kProfileWrites) {
    // A file of its own for each: the system caches profile files.
    const std::string number = std::to_string(++files);
    const auto platformFile = folder.Write("platform" + number + ".ini", w.content);
    const auto projectFile = folder.Write("project" + number + ".ini", w.content);
    ASSERT_TRUE(
        WritePrivateProfileStringA(w.section, w.key, w.value, platformFile.string().c_str()))
        << w.name;
    // The system writes its cache back before the next call reads the file.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, platformFile.string().c_str());
    ASSERT_EQ(WriteProfileValues(projectFile, {{w.section, w.key, w.value}}),
              ProfileWriteOutcome::Written)
        << w.name;
    const std::string platform = ReadWholeFile(platformFile).text.value_or("(unreadable)");
    const std::string project = ReadWholeFile(projectFile).text.value_or("(unreadable)");
    EXPECT_EQ(VisibleBytes(project), VisibleBytes(w.written)) << w.name;
    if (NamedDifference(w.name)) {
      std::printf("[ DIFFERS  ] %s: platform \"%s\", project \"%s\"%s\n", w.name,
                  VisibleBytes(platform).c_str(), VisibleBytes(project).c_str(),
                  platform == project ? " (the same on this platform)" : "");
      continue;
    }
    EXPECT_EQ(VisibleBytes(project), VisibleBytes(platform))
        << w.name << ": file \"" << VisibleBytes(w.content) << "\", [" << w.section << "] " << w.key
        << "=" << w.value;
  }
}

}  // namespace
}  // namespace wv::test
