#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/recent_file.h"
#include "core/run_log.h"

namespace wv {
namespace {

// Servers named by one letter each, all on port 1.
std::vector<RecentServer> OnPort1(std::string_view letters) {
  std::vector<RecentServer> servers;
  for (char letter : letters) servers.push_back({std::string(1, letter), "1"});
  return servers;
}

// What a recent file reads as: damaged lines are skipped one by one, the
// rest kept; written back, it reads the same.
TEST(RecentFile, ReadsWhatItCanAndWritesItBack) {
  const struct {
    const char* text;
    RecentFile read;
  } cases[] = {
      {"", {}},
      {"server 10.0.0.5:27015\r\nserver host:\n", {{{"10.0.0.5", "27015"}}, {}}},
      // Only a host and a port number: an older launcher's port box kept a
      // password as well.
      {"server 10.0.0.5:27017; password hunter2\nserver h:0\nserver h:65536\nserver h:123456\n"
       "server a b:1\nserver h:65535\n",
       {{{"h", "65535"}}, {}}},
      // One entry per host and port, however written.
      {"server Host:01\nserver host:1\nserver 1.2.3.4:27015 \nserver 1.2.3.4:27015\n",
       {{{"Host", "01"}, {"1.2.3.4", "27015"}}, {}}},
      // Invisible marks would show the host backwards.
      {"server \xE2\x80\xAE"
       "evil.example\xE2\x80\xAC:27015\nchoice mode \xEF\xBB\xBFversus\n",
       {}},
      {"server ::1:27019\nserver [::1]:27019", {{{"::1", "27019"}, {"[::1]", "27019"}}, {}}},
      // No colon, no address, a control byte, another word, a duplicate.
      {"server host\nserver :27015\nserver a\tb:1\nSERVER c:1\nserver d:1\nserver d:1\n",
       {{{"d", "1"}}, {}}},
      {"choice mode versus\nchoice customMap my map\nchoice chapter\nchoice  x\n",
       {{}, {{"mode", "versus"}, {"customMap", "my map"}}}},
      {"server a:1\nserver b:1\nserver c:1\nserver d:1\nserver e:1\nserver f:1\nserver g:1\n"
       "server h:1\nserver i:1\nserver j:1\nserver k:1\n",
       {OnPort1("abcdefghij"), {}}},
      {"\xFF\xFE\x7Fgarbage\nserver \xCA\xE0:1\n", {{{"\xCA\xE0", "1"}}, {}}},
  };
  for (const auto& c : cases) {
    const RecentFile read = ParseRecentFile(c.text);
    EXPECT_EQ(read, c.read) << c.text;
    EXPECT_EQ(ParseRecentFile(FormatRecentFile(read)), read) << c.text;
  }
}

TEST(RecentFile, JoinedServerGoesFirstOnce) {
  const std::vector<RecentServer> ten = OnPort1("abcdefghij");
  const struct {
    std::vector<RecentServer> before;
    RecentServer joined;
    std::vector<RecentServer> after;
  } cases[] = {
      {{}, {"a", "1"}, {{"a", "1"}}},
      {{{"a", "1"}, {"b", "1"}}, {"b", "1"}, {{"b", "1"}, {"a", "1"}}},
      {{{"a", "1"}}, {"a", "2"}, {{"a", "2"}, {"a", "1"}}},
      {ten, {"k", "1"}, OnPort1("kabcdefghi")},
      {ten, {"j", "1"}, OnPort1("jabcdefghi")},
      {{{"a", "1"}, {"b", "1"}}, {"B", "001"}, {{"B", "001"}, {"a", "1"}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithServerJoined(c.before, c.joined), c.after) << c.joined.address;
  }
}

// The log's lines a failure message quotes: the last ones with text in them.
TEST(RunLog, LastLinesWithText) {
  const struct {
    const char* text;
    std::size_t count;
    const char* last;
  } cases[] = {
      {"", 3, ""},
      {"one", 3, "one"},
      {"one\ntwo\nthree\nfour\n", 2, "three\nfour"},
      {"one\r\n\r\n  \ntwo\r\n\n\n", 3, "one\ntwo"},
      {"\n\n\n", 3, ""},
      {"a\nb\n", 0, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(LastLines(c.text, c.count), c.last) << c.text;
}

}  // namespace
}  // namespace wv
