#include "core/settings_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/temp_folder.h"

namespace wv {
namespace {

using namespace std::literals;

const struct {
  const char* name;
  std::string content;
  const char *section, *key;
  std::optional<std::string> expected;  // nullopt: the default
} kReadCases[] = {
    // How the platform's own profile reader behaves.
    {"blanks around value", "[S]\r\nK= V \r\n", "S", "K", "V"},
    {"tabs around value", "[S]\r\nK=\tV\t\r\n", "S", "K", "V"},
    {"blanks around key", "[S]\r\n K =V\r\n", "S", "K", "V"},
    {"blank before header", " [S]\r\nK=V\r\n", "S", "K", "V"},
    {"blanks inside header", "[ x ]\r\nK=V\r\n", "x", "K", "V"},
    {"double quotes", "[S]\r\nK=  \"   V   \"  \r\n", "S", "K", "   V   "},
    {"single quotes", "[S]\r\nK=  '   V   '  \r\n", "S", "K", "   V   "},
    {"mixed quotes kept", "[S]\r\nK=  \"   V   '  \r\n", "S", "K", "\"   V   '"},
    {"outer pair only", "[S]\r\nK=\"a\"b\"\r\n", "S", "K", "a\"b"},
    {"unclosed quote", "[S]\r\nK=\"a\r\n", "S", "K", "\"a"},
    {"comment line as key", "[S]\r\n;K=V\r\n", "S", ";K", std::nullopt},
    {"comment line", "[S]\r\n;K=V\r\n", "S", "K", std::nullopt},
    {"comment after blanks", "[S]\r\n  ;K=V\r\n", "S", "K", std::nullopt},
    {"semicolon in value", "[S]\r\nK=;nocomment\r\n", "S", "K", ";nocomment"},
    {"no inline comment", "[S]\r\nK=1 ;c\r\n", "S", "K", "1 ;c"},
    {"hash is text", "[S]\r\n#K=V\r\n", "S", "#K", "V"},
    {"first key wins", "[S]\r\nK=V\r\nK=V2\r\n", "S", "K", "V"},
    {"first section only", "[S]\r\nK=1\r\n[S]\r\nK=2\r\nJ=3\r\n", "S", "J", std::nullopt},
    {"lower-case names", "[S]\r\nK=V\r\n[S2]\r\nK2=V2\r\n", "s", "k", "V"},
    {"key before any section", "K=V\r\n[S]\r\nK2=V2\r\n", "", "K", std::nullopt},
    {"line without equals", "[S]\r\nnokey\r\n", "S", "nokey", std::nullopt},
    {"empty value", "[S]\r\nK=\r\n", "S", "K", ""},
    {"blank value", "[S]\r\nK= \r\n", "S", "K", ""},
    {"split at first equals", "[S]\r\nK = v = w\r\n", "S", "K", "v = w"},
    {"blank inside key", "[S]\r\n k k =1\r\n", "S", "k k", "1"},
    {"LF line ends", "[S]\nK=V\n", "S", "K", "V"},
    {"CR line ends", "[S]\rK=V\r", "S", "K", "V"},
    {"text after header", "[sec]whoops]\r\nK=V\r\n", "sec", "K", "V"},
    {"long value cut", "[S]\r\nK=" + std::string(3000, 'x') + "\r\n", "S", "K",
     std::string(2047, 'x')},
    // The launcher's own choices.
    {"byte-order mark skipped", "\xEF\xBB\xBF[S]\r\nK=V\r\n", "S", "K", "V"},
    {"lone quote kept", "[S]\r\nK=\"\r\n", "S", "K", "\""},
    {"empty quotes", "[S]\r\nK=''\r\n", "S", "K", ""},
    {"cut after unquoting", "[S]\r\nK=\"" + std::string(3000, 'y') + "\"\r\n", "S", "K",
     std::string(2047, 'y')},
    {"exactly the limit", "[S]\r\nK=" + std::string(2047, 'z'), "S", "K", std::string(2047, 'z')},
    {"last line unended", "[S]\r\nA=1\r\nK=V", "S", "K", "V"},
    {"mixed line ends", "[A]\rX=1\n[S]\r\nK=V\r", "S", "K", "V"},
    {"key case", "[Application]\r\nSkip Intro=No\r\n", "APPLICATION", "skip intro", "No"},
    {"other section skipped", "[A]\r\nK=1\r\n[B]\r\nK=2\r\n", "B", "K", "2"},
    {"key not in section", "[A]\r\nK=1\r\n[B]\r\nJ=2\r\n", "B", "K", std::nullopt},
    {"missing section", "[A]\r\nK=1\r\n", "B", "K", std::nullopt},
    {"empty file", "", "S", "K", std::nullopt},
    // "[B" lacks its "]": it opens nothing, so the keys below stay in [A].
    {"unclosed header, old section", "[A]\r\n[B\r\nK=V\r\n", "A", "K", "V"},
    {"unclosed header, no section", "[A]\r\n[B\r\nK=V\r\n", "B", "K", std::nullopt},
    {"unclosed header with equals", "[A]\r\n[B=x\r\n", "A", "[B", "x"},
    {"NUL bytes are text", "[S]\r\nK=a\0b\r\n"s, "S", "K", "a\0b"s},
    {"NUL in key", "[S]\r\nK\0=1\r\nK=2\r\n"s, "S", "K", "2"},
    {"invalid UTF-8 kept", "[S]\r\nK=\xFF\xC3\x28\xCF\xE0\r\n", "S", "K", "\xFF\xC3\x28\xCF\xE0"},
};

TEST(SettingsFileTest, ReadsValuesByTheProfileRules) {
  test::TempFolder folder;
  for (const auto& c : kReadCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FindProfileValue(c.content, c.section, c.key), c.expected);
    const SettingsReader reader(folder.Write("case.ini", c.content));
    EXPECT_EQ(reader.ReadText(c.section, c.key, "D"), c.expected.value_or("D"));
  }
}

TEST(SettingsFileTest, UnreadableFileGivesDefault) {
  test::TempFolder folder;
  std::filesystem::create_directory(folder / "folder.ini");
  const auto locked = folder.Write("locked.ini", "[S]\r\nK=V\r\n");
  std::filesystem::permissions(locked, std::filesystem::perms::none);
  // Where the lock stops nobody, the row checks a missing file instead.
  const bool lockStops = test::PermissionsStopUs();

  const struct {
    const char* name;
    SettingsReader reader;
  } cases[] = {
      {"no file named", SettingsReader()},
      {"missing file", SettingsReader(folder / "missing.ini")},
      {"missing folder", SettingsReader(folder / "none" / "missing.ini")},
      {"folder instead of file", SettingsReader(folder / "folder.ini")},
      {"no permission", SettingsReader(lockStops ? locked : folder / "missing.ini")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.reader.ReadText("S", "K", "D"), "D");
    EXPECT_TRUE(c.reader.ReadYesNo("S", "K", "Yes"));
  }
}

TEST(SettingsFileTest, EveryReadSeesTheFileAsItIsNow) {
  test::TempFolder folder;
  const SettingsReader reader(folder / "live.ini");
  EXPECT_EQ(reader.ReadText("CustomMap1", "Versus", "No"), "No");
  folder.Write("live.ini", "[CustomMap1]\r\nVersus=yes\r\n");
  EXPECT_TRUE(reader.ReadYesNo("CustomMap1", "Versus", "No"));
  folder.Write("live.ini", "[CustomMap1]\r\nVersus=no\r\n");
  EXPECT_FALSE(reader.ReadYesNo("CustomMap1", "Versus", "No"));
  std::filesystem::remove(folder / "live.ini");
  EXPECT_EQ(reader.ReadText("CustomMap1", "Versus", "gone"), "gone");
}

TEST(SettingsFileTest, YesIsExactlyYesInAnyCase) {
  const struct {
    std::string_view text;
    bool yes;
  } cases[] = {
      {"Yes", true},   {"yes", true},   {"YES", true},     {"yEs", true},        {"", false},
      {"Y", false},    {"1", false},    {"true", false},   {"No", false},        {"YES ", false},
      {" YES", false}, {"YESS", false}, {"Y\0S"sv, false}, {"\xD9\xC5S", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsYes(c.text), c.yes) << '"' << c.text << '"';
}

TEST(SettingsFileTest, SwitchDefaultAppliesOnlyWhenKeyIsMissing) {
  test::TempFolder folder;
  const SettingsReader reader(folder.Write("s.ini", "[Application]\r\nUSEPrefix=\r\n"));
  EXPECT_FALSE(reader.ReadYesNo("Application", "USEPrefix", "Yes"));
  EXPECT_TRUE(reader.ReadYesNo("Application", "Console", "Yes"));
  EXPECT_FALSE(reader.ReadYesNo("Application", "ExitAfterRun", "No"));
}

}  // namespace
}  // namespace wv
