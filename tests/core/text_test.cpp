#include "core/text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace wv {
namespace {

// Settings text shown in the window: valid UTF-8 as it is, anything else
// read as Windows-1251.
TEST(DisplayText, Utf8ElseWindows1251) {
  const struct {
    const char* name;
    std::string_view bytes;
    std::string_view shown;
  } cases[] = {
      {"ascii", "Create server ", "Create server "},
      {"utf-8 cyrillic", "Карта", "Карта"},
      {"1251 cyrillic", "\xCA\xE0\xF0\xF2\xE0", "Карта"},
      {"1251 yo and quotes", "\xA8\xB8 \xAB\xBB \x85", "Ёё «» …"},
      {"1251 ends of the alphabet", "\xC0\xDF\xE0\xFF", "АЯая"},
      // One stray byte makes the whole text 1251, never half of each.
      {"utf-8 with a stray byte", "\xD0\x9A\xE0", "Рља"},
      {"utf-8 form of a surrogate is no utf-8", "\xED\xA0\x80", "н\u00A0Ђ"},
      {"overlong utf-8 is no utf-8", "\xC1\xBF", "Бї"},
      {"four-byte utf-8", "\xF0\x9F\x98\x80", "😀"},
      {"empty", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DisplayUtf8(c.bytes), c.shown) << c.name;
}

// Outside text in a message: a bounded line, a bounded whole, never half a
// character.
TEST(DisplayText, OutsideTextBounded) {
  const std::string cut = std::string(119, 'x') + "\u2026";
  std::string cyrillic;  // 121 characters of two bytes
  for (int i = 0; i < 121; ++i) cyrillic += "\u0416";
  const struct {
    const char* name;
    std::string shown, expected;
  } cases[] = {
      {"short line as it is", QuotedLine("No such file"), "No such file"},
      {"line ends and tabs as blanks, none at the end", QuotedLine("a\r\nb\tc\r\n"), "a  b c"},
      {"long line cut", QuotedLine(std::string(5000, 'x')), cut},
      {"exactly the bound", QuotedLine(std::string(120, 'x')), std::string(120, 'x')},
      {"cut between characters", QuotedLine(cyrillic), cyrillic.substr(0, 119 * 2) + "\u2026"},
      {"Windows-1251 shown", QuotedLine("\xCA\xE0\xF0\xF2\xE0"), "\u041A\u0430\u0440\u0442\u0430"},
      {"lines of a message cut", BoundedText("a\r\n" + std::string(500, 'x') + "\rb", 120, 30),
       "a\n" + cut + "\nb"},
      {"lines of a message bounded", BoundedText("1\n2\n3\n4", 120, 2), "1\n2\n\u2026"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.shown, c.expected) << c.name;
}

}  // namespace
}  // namespace wv
