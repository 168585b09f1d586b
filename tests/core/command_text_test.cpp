#include "core/command_text.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace wv {
namespace {

using Words = std::vector<std::string>;

// Results of the Windows splitter for the same texts.
const struct {
  const char* text;
  Words words;
} kWindowsSplits[] = {
    {R"(exe arg1 arg2 "arg three")", {"exe", "arg1", "arg2", "arg three"}},
    {"exe arg=1 three\tfour", {"exe", "arg=1", "three", "four"}},
    {"exe four\rfour\nfour", {"exe", "four\rfour\nfour"}},
    {R"(exe arg"one" "second"arg)", {"exe", "argone", "secondarg"}},
    {R"(exe arg1 "unclosed)", {"exe", "arg1", "unclosed"}},
    {R"(exe arg1 ")", {"exe", "arg1", ""}},
    {R"(exe o\ne t\\wo)", {"exe", R"(o\ne)", R"(t\\wo)"}},
    {R"(exe \"one \\"two" end)", {"exe", R"("one)", R"(\two)", "end"}},
    {R"(exe "one\" still" "two\\" end)", {"exe", R"(one" still)", R"(two\)", "end"}},
    {R"(test.exe "ab\"c" "\\" d)", {"test.exe", R"(ab"c)", R"(\)", "d"}},
    {R"(test.exe a\\\"b c d)", {"test.exe", R"(a\"b)", "c", "d"}},
    {R"(test.exe a\\\\"b c" d e)", {"test.exe", R"(a\\b c)", "d", "e"}},
    {R"(test.exe a "" b)", {"test.exe", "a", "", "b"}},
    {"test.exe a b c  ", {"test.exe", "a", "b", "c"}},
    {R"("spaced exe" "next arg")", {"spaced exe", "next arg"}},
    {R"("spaced exe\"arg1 arg2)", {R"(spaced exe\)", "arg1", "arg2"}},
    {R"(exe"file"path arg1)", {R"(exe"file"path)", "arg1"}},
    {R"("x.exe" process "a\"b\\" c\" d)", {"x.exe", "process", R"(a"b\)", R"(c")", "d"}},
    // Edges of the program name.
    {"", {}},
    {R"("unclosed exe)", {"unclosed exe"}},
    {" a", {"", "a"}},
};

TEST(SplitCommandText, MatchesWindows) {
  for (const auto& c : kWindowsSplits)
    EXPECT_EQ(SplitCommandText(c.text), c.words) << "text: " << c.text;
}

// Every quote between the outer pair must be escaped by an odd run of
// backslashes, so the text never relies on how "" is read.
bool InnerQuotesEscaped(const std::string& quoted) {
  if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') return true;
  std::size_t backslashes = 0;
  for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
    if (quoted[i] == '"' && backslashes % 2 == 0) return false;
    backslashes = quoted[i] == '\\' ? backslashes + 1 : 0;
  }
  return true;
}

void ExpectRoundTrip(const std::string& value) {
  const std::string quoted = QuoteArgument(value);
  EXPECT_EQ(SplitCommandText("exe " + quoted), (Words{"exe", value}))
      << "value: [" << value << "] quoted: [" << quoted << "]";
  EXPECT_TRUE(InnerQuotesEscaped(quoted)) << "quoted: [" << quoted << "]";
}

TEST(QuoteArgument, TrickyValuesComeBackWhole) {
  // clang-format off
  const std::string values[] = {
      "", "plain", "two words", "\ttab", "trailing ", " leading",
      "\"", "\"\"", "say \"hi\"", "\\\"\\\"",
      "a\\\"b", "a\\\\\"b", "a \"\\\\\" b",
      "\\", "end\\", "end \\", "end\\\\", "\\ \\",
      "cr\rlf\n", "line\nnext", "\xC3\xA9t\xC3\xA9", "caf\xC3 ",
  };
  // clang-format on
  for (const std::string& v : values) ExpectRoundTrip(v);
}

TEST(QuoteArgument, RandomValuesComeBackWhole) {
  const char alphabet[] = {'a', ' ', '\t', '"', '\\', '\n', '\xC3'};
  std::mt19937 generator(20240607);  // mt19937 output is fixed by the standard
  for (int round = 0; round < 4000; ++round) {
    std::string value(generator() % 13, 'a');
    for (char& c : value) c = alphabet[generator() % sizeof alphabet];
    ExpectRoundTrip(value);
    if (HasFailure()) break;
  }
}

TEST(QuoteArgument, LeavesValuesWithoutBlankOrQuoteAlone) {
  for (const char* v : {"a", "C:\\Games\\", "\\\\server\\x", "line\nnext", "\xD0\x98", "+map"})
    EXPECT_EQ(QuoteArgument(v), v);
}

}  // namespace
}  // namespace wv
