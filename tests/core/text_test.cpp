#include "core/text.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace wv
