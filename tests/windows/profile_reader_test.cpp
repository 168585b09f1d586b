// The settings reader against the system's own profile reader: both read the
// same files, and every answer must match unless the difference is named.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "core/settings_file.h"
#include "core/text.h"
#include "tests/support/launcher_files.h"
#include "tests/support/temp_folder.h"
#include "tests/windows/visible_bytes.h"

namespace wv::test {
namespace {

using namespace std::string_literals;

const std::string kDefault = "(default)";

struct Query {
  std::string content;
  std::string section;
  std::string key;
};

// Each case in a file of its own: the system caches profile files it has read.
class ProfileReader : public ::testing::Test {
 protected:
  struct Answers {
    std::string platform;
    std::string project;
  };
  Answers Read(const Query& q) {
    const std::string file =
        folder.Write("case" + std::to_string(++files_) + ".ini", q.content).string();
    std::string platform(2048, '\0');
    platform.resize(GetPrivateProfileStringA(q.section.c_str(), q.key.c_str(), kDefault.c_str(),
                                             platform.data(), static_cast<DWORD>(platform.size()),
                                             file.c_str()));
    return {platform, SettingsReader(file).ReadText(q.section, q.key, kDefault)};
  }
  static std::string Describe(const Query& q) {
    return "file \"" + VisibleBytes(q.content) + "\", [" + VisibleBytes(q.section) + "] " +
           VisibleBytes(q.key);
  }

  TempFolder folder;
  int files_ = 0;
};

const std::string k3000(3000, 'x');

const std::pair<const char*, Query> kSameCases[] = {
    {"blanks around value", {"[S]\r\nK= V \r\n", "S", "K"}},
    {"tabs around name and value", {"[S]\r\n\tK\t=\tV\t\r\n", "S", "K"}},
    {"blanks around name", {"[S]\r\n K =V\r\n", "S", "K"}},
    {"blank before header", {" [S]\r\nK=V\r\n", "S", "K"}},
    {"blanks inside brackets", {"[ x ]\r\nK=V\r\n", "x", "K"}},
    {"blanks inside name", {"[S]\r\n k k =1\r\n", "S", "k k"}},
    {"double quotes dropped", {"[S]\r\nK=  \"   V   \"  \r\n", "S", "K"}},
    {"single quotes dropped", {"[S]\r\nK=  '   V   '  \r\n", "S", "K"}},
    {"unlike quotes kept", {"[S]\r\nK=  \"   V   '  \r\n", "S", "K"}},
    {"quote inside quotes", {"[S]\r\nK=\"a\"b\"\r\n", "S", "K"}},
    {"unclosed quote", {"[S]\r\nK=\"a\r\n", "S", "K"}},
    {"only a quote", {"[S]\r\nK=\"\r\n", "S", "K"}},
    {"empty quotes", {"[S]\r\nK=\"\"\r\n", "S", "K"}},
    {"semicolon value", {"[S]\r\nK=;nocomment\r\n", "S", "K"}},
    {"no inline comment", {"[S]\r\nK=1 ;c\r\n", "S", "K"}},
    {"hash is no comment", {"[S]\r\n#K=V\r\n", "S", "#K"}},
    {"comment line hides nothing else", {"[S]\r\n;K=V\r\nK=W\r\n", "S", "K"}},
    {"first key wins", {"[S]\r\nK=V\r\nK=V2\r\n", "S", "K"}},
    {"first section of a name only", {"[S]\r\nK=1\r\n[S]\r\nK=2\r\nJ=3\r\n", "S", "J"}},
    {"first section wins", {"[S]\r\nK=1\r\n[T]\r\n[S]\r\nK=2\r\n", "S", "K"}},
    {"key of the next section", {"[S]\r\nA=1\r\n[T]\r\nK=2\r\n", "S", "K"}},
    {"section name in other case", {"[S]\r\nK=V\r\n", "s", "K"}},
    {"key name in other case", {"[Application]\r\nconsole=no\r\n", "APPLICATION", "Console"}},
    {"line without equals", {"[S]\r\nnokey\r\n", "S", "nokey"}},
    {"empty value", {"[S]\r\nK=\r\n", "S", "K"}},
    {"blank value", {"[S]\r\nK= \r\n", "S", "K"}},
    {"tab value", {"[S]\r\nK=\t\r\n", "S", "K"}},
    {"split at first equals", {"[S]\r\nK = v = w\r\n", "S", "K"}},
    {"bracket in value", {"[S]\r\nK=[x]\r\n", "S", "K"}},
    {"LF lines", {"[S]\nK=V\n", "S", "K"}},
    {"CR lines", {"[S]\rK=V\r", "S", "K"}},
    {"mixed line ends", {"[T]\r\nA=1\n[S]\rK=V\r\nJ=2\n", "S", "J"}},
    {"no final line end", {"[S]\r\nK=V", "S", "K"}},
    {"empty line between", {"[S]\r\n\r\n\r\nK=V\r\n", "S", "K"}},
    {"3000-character value", {"[S]\r\nK=" + k3000 + "\r\n", "S", "K"}},
    {"3000-character quoted value", {"[S]\r\nK=\"" + k3000 + "\"\r\n", "S", "K"}},
    {"missing section", {"[S]\r\nK=V\r\n", "T", "K"}},
    {"missing key", {"[S]\r\nK=V\r\n", "S", "J"}},
    {"empty file", {"", "S", "K"}},
    {"blank names of the template",
     {"[CustomMap12]\r\nMap name=Pier\r\n", "customMap12", "map NAME"}},
    {"Windows-1251 value", {"[S]\r\nK=\xCA\xE0\xF0\xF2\xE0 \xEC\xEE\xF1\xF2\r\n", "S", "K"}},
    {"UTF-8 value without mark", {"[S]\r\nK=\xD0\x9A\xC3\xA9\r\n", "S", "K"}},
    {"control and high bytes", {"[S]\r\nK=\x01\x02\x7F\x80\x9F\xA0\xFF\r\n", "S", "K"}},
    // Saved as UTF-16 by an editor: both hand the value over in the ANSI code page.
    {"UTF-16 LE", {Utf16(u"[S]\r\nK=caf\u00E9 \u20AC\r\n[T]\r\nJ=2\r\n"), "S", "K"}},
    {"UTF-16 LE, later section", {Utf16(u"[S]\r\nK=1\r\n[T]\r\nJ=\u00FC\r\n"), "t", "j"}},
    {"UTF-16 LE, letters the code page lacks",
     {Utf16(u"[S]\r\nK=\u041A\u0438\u0435\u0432\r\n"), "S", "K"}},
};

TEST_F(ProfileReader, AgreesWithThePlatform) {
  for (const auto& [name, query] : kSameCases) {
    const Answers a = Read(query);
    EXPECT_EQ(VisibleBytes(a.project), VisibleBytes(a.platform)) << name << ": " << Describe(query);
  }
}

// What the window shows of a value: the project's display text against the
// system's own decoding of the value it reads, in the code page the value
// was written in.
struct DisplayCase {
  const char* name;
  Query query;
  UINT codePage;
};

std::string AllBytes(unsigned char from, unsigned char to, unsigned char skip) {
  std::string bytes;
  for (unsigned c = from; c <= to; ++c) {
    if (c != skip) bytes.push_back(static_cast<char>(c));
  }
  return bytes;
}

const DisplayCase kDisplayCases[] = {
    {"Windows-1251 map name",
     {"[CustomMap1]\r\nMap name=\xCA\xE0\xF0\xF2\xE0 1\r\nFile name=m1\r\n", "CustomMap1",
      "Map name"},
     1251},
    {"Windows-1251 letters",
     {"[CustomMap2]\r\nMap name=" + AllBytes(0xC0, 0xFF, 0) + "\r\n", "CustomMap2", "Map name"},
     1251},
    // 0x98 is no character in Windows-1251.
    {"Windows-1251 signs, Yo and the Ukrainian letters",
     {"[CustomMap3]\r\nMap name=" + AllBytes(0x80, 0xBF, 0x98) + "\r\n", "CustomMap3", "Map name"},
     1251},
    {"UTF-8 override",
     {"[Language_RU]\r\nTab1=\xD0\xA1\xD0\xBE\xD0\xB7\xD0\xB4\xD0\xB0\xD1\x82\xD1\x8C\r\n",
      "Language_RU", "Tab1"},
     CP_UTF8},
    {"UTF-8 override beyond Cyrillic",
     {"[Language_Custom]\r\nTab2=\xD0\x9A\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xAE\r\n",
      "Language_Custom", "Tab2"},
     CP_UTF8},
};

std::wstring Decoded(UINT codePage, const std::string& bytes) {
  std::wstring text(bytes.size() + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                          static_cast<int>(text.size()))));
  return text;
}

TEST_F(ProfileReader, ShowsNonAsciiValuesAsTheSystemDecodesThem) {
  for (const DisplayCase& c : kDisplayCases) {
    const Answers a = Read(c.query);
    ASSERT_EQ(VisibleBytes(a.project), VisibleBytes(a.platform)) << c.name;
    EXPECT_TRUE(Decoded(CP_UTF8, DisplayUtf8(a.project)) == Decoded(c.codePage, a.platform))
        << c.name << ": shown as \"" << VisibleBytes(DisplayUtf8(a.project)) << "\"";
  }
}

// Every layout of one key line: line ends, blanks and quotes in all
// combinations, asked for in three letter cases.
TEST_F(ProfileReader, AgreesOnEveryLayoutOfAKeyLine) {
  const std::string ends[] = {"\r\n", "\n", "\r"};
  const std::string names[] = {"Key", " Key", "Key ", "\tKey\t", "  Key  "};
  const std::string values[] = {"V",  " V ",  "\"V\"", " 'V' ", "\"V", "V\"",   "",    " ",
                                "\t", "\"\"", "' V '", "V=W",   "a b", "\" \"", "'\"'"};
  const char* const asked[] = {"Key", "KEY", "key"};
  for (const std::string& end : ends) {
    for (const std::string& name : names) {
      for (const std::string& value : values) {
        const std::string content = "[T]" + end + "Key=other" + end + "[Sec]" + end + name + "=" +
                                    value + end + "Next=1" + end;
        for (const char* key : asked) {
          const Query q{content, "sEC", key};
          const Answers a = Read(q);
          EXPECT_EQ(VisibleBytes(a.project), VisibleBytes(a.platform)) << Describe(q);
        }
      }
    }
  }
}

// Rules on which the project departs from Wine or from Windows itself. The
// project's answer is the documented one; the platform's answer is shown, not
// checked, since Windows and Wine answer differently on several of them.
struct Difference {
  const char* name;
  Query query;
  std::string projectResult;
};

const Difference kDifferences[] = {
    // Windows and the project skip comment lines; Wine reads them as keys.
    {"comment line read as key", {"[S]\r\n;K=V\r\n", "S", ";K"}, kDefault},
    {"indented comment line read as key", {"[S]\r\n  ;K=V\r\n", "S", ";K"}, kDefault},
    // Windows and the project end the header at the first "]"; Wine at the last.
    {"text after the header's bracket", {"[sec]whoops]\r\nK=V\r\n", "sec", "K"}, "V"},
    // Wine files keys above the first header under the empty section name.
    {"key before the first section", {"K=V\r\n[S]\r\nK2=V2\r\n", "", "K"}, kDefault},
    // Wine stores a line without "=" as a key without value and stops there.
    {"line without equals hides a later value", {"[S]\r\nK\r\nK=V\r\n", "S", "K"}, "V"},
    // Wine counts vertical tab, form feed and Ctrl-Z as blanks; the project
    // only blanks and tabs.
    {"form feed after the key", {"[S]\r\nK\f=V\r\n", "S", "K"}, kDefault},
    {"vertical tabs around the value", {"[S]\r\nK=\vV\v\r\n", "S", "K"}, "\vV\v"},
    {"Ctrl-Z before the value", {"[S]\r\nK=\x1AV\r\n", "S", "K"}, "\x1AV"},
    // Wine answers a read of the empty section name from the keys above the
    // first header (none here), which hides a "[]" section.
    {"keys under an empty header", {"[]\r\nK=V\r\n", "", "K"}, "V"},
    // After a byte-order mark Wine reads the file as UTF-8 and hands the value
    // over in the ANSI code page; the project passes values byte for byte.
    {"UTF-8 value after a byte-order mark",
     {"\xEF\xBB\xBF[S]\r\nK=\xC3\xA9\r\n", "S", "K"},
     "\xC3\xA9"},
    // Windows keeps the mark as part of the first line and loses the first
    // section; the project, and Wine, skip it.
    {"byte-order mark", {"\xEF\xBB\xBF[S]\r\nK=V\r\n", "S", "K"}, "V"},
    // The project folds ASCII letters only, Windows may fold the code page's
    // letters too; Wine does not.
    {"non-ASCII letters in other case", {"[\xC0\xC1]\r\nK=V\r\n", "\xE0\xE1", "K"}, kDefault},
    // Wine ends the value at a NUL byte; the project keeps every byte.
    {"NUL byte in a value", {"[S]\r\nK=a\0b\r\n"s, "S", "K"}, "a\0b"s},
};

TEST_F(ProfileReader, NamedDifferencesFollowTheProjectRules) {
  for (const Difference& d : kDifferences) {
    const Answers a = Read(d.query);
    EXPECT_EQ(VisibleBytes(a.project), VisibleBytes(d.projectResult))
        << d.name << ": " << Describe(d.query);
    std::printf("[ DIFFERS  ] %s: platform \"%s\", project \"%s\"%s\n", d.name,
                VisibleBytes(a.platform).c_str(), VisibleBytes(a.project).c_str(),
                a.platform == a.project ? " (the same on this platform)" : "");
  }
}

}  // namespace
}  // namespace wv::test
