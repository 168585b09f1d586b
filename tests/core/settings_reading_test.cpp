// How the reader finds sections in large files, and how the reads of one
// user action share one reading of the file.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/settings_file.h"
#include "tests/support/temp_folder.h"

namespace wv {
namespace {

using namespace std::literals;

TEST(SettingsReadingTest, HeadersCountOnlyAtTheStartOfALine) {
  const struct {
    const char* name;
    std::string content;
    const char* section;
    std::optional<std::string> expected;  // of key K
  } cases[] = {
      {"header in a value", "[A]\nK=[S]\n[S]\nK=2\n", "S", "2"},
      {"value that looks like a header", "[A]\nK=[S]\n[S]\nK=2\n", "A", "[S]"},
      {"text before the bracket", "x[S]\nK=1\n", "S", std::nullopt},
      {"NUL before the bracket", "\0[S]\nK=1\n"s, "S", std::nullopt},
      {"blanks after a lone CR", "[A]\r \t[S]\rK=1\r", "S", "1"},
      {"byte-order mark, then blanks", "\xEF\xBB\xBF \t[S]\nK=1\n", "S", "1"},
      {"mark in the middle is text", "[A]\n\xEF\xBB\xBF[S]\nK=1\n", "A", "1"},
      {"bracket as the last byte", "[S]\nK=1\n[", "S", "1"},
      {"brackets all along a line", "[A]\nK=" + std::string(5000, '[') + "\n[S]\nK=v\n", "S", "v"},
      {"body ends at an indented header", "[S]\n  [T]\nK=1\n", "S", std::nullopt},
      {"header closed on a later line", "[S\n]\nK=1\n", "S", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindProfileValue(c.content, c.section, "K"), c.expected) << c.name;
}

class SettingsActionTest : public ::testing::Test {
 protected:
  void Edit(std::string_view value) const { folder.Write("s.ini", "[S]\nK=" + std::string(value)); }
  std::string Read() const { return reader.ReadText("S", "K", "none"); }

  test::TempFolder folder;
  SettingsReader reader{folder / "s.ini"};
};

TEST_F(SettingsActionTest, ReadsOfOneActionSeeTheFileAsAtItsFirstRead) {
  {
    const SettingsReader::ActionScope action(reader);
    Edit("1");  // before the first read: seen
    EXPECT_EQ(Read(), "1");
    Edit("2");
    EXPECT_EQ(Read(), "1");
    {
      const SettingsReader::ActionScope cascade(reader);
      EXPECT_EQ(Read(), "1");
    }
    EXPECT_EQ(Read(), "1") << "an inner scope does not end the action";
  }
  EXPECT_EQ(Read(), "2");
}

TEST_F(SettingsActionTest, AMissingFileStaysMissingForTheAction) {
  {
    const SettingsReader::ActionScope action(reader);
    EXPECT_EQ(Read(), "none");
    Edit("1");
    EXPECT_EQ(Read(), "none");
  }
  EXPECT_EQ(Read(), "1");
}

TEST_F(SettingsActionTest, CopiesReadAfresh) {
  Edit("1");
  const SettingsReader::ActionScope action(reader);
  EXPECT_EQ(Read(), "1");
  Edit("2");
  const SettingsReader copy = reader;
  EXPECT_EQ(copy.ReadText("S", "K", "none"), "2");
  SettingsReader assigned;
  assigned = reader;
  EXPECT_EQ(assigned.ReadText("S", "K", "none"), "2");
}

}  // namespace
}  // namespace wv
