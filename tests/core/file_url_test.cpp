#include "core/file_url.h"

#include <gtest/gtest.h>

#include <string_view>

namespace wv {
namespace {

// The opener gets back the very bytes of the path, whatever the name holds.
TEST(FileUrl, PathAsTheSystemSpellsIt) {
  const struct {
    const char* name;
    std::string_view path;
    PathStyle style;
    std::string_view url;
  } cases[] = {
      {"plain", "/home/p/Games", PathStyle::Posix, "file:///home/p/Games"},
      {"backslash is a byte of a name", "/g/w\\x/a.ini", PathStyle::Posix, "file:///g/w%5Cx/a.ini"},
      {"percent, hash, question mark, blank", "/g/100% #1?.ini", PathStyle::Posix,
       "file:///g/100%25%20%231%3F.ini"},
      {"UTF-8", "/g/\xD0\x98", PathStyle::Posix, "file:///g/%D0%98"},
      {"bytes of no encoding", "/g/\xFF\x80", PathStyle::Posix, "file:///g/%FF%80"},
      {"drive letter", "C:\\Games\\W x", PathStyle::Windows, "file:///C:/Games/W%20x"},
      {"drive letter, slashes", "C:/Games", PathStyle::Windows, "file:///C:/Games"},
  };
  for (const auto& c : cases) EXPECT_EQ(FileUrl(c.path, c.style), c.url) << c.name;
}

// Only http: and https: addresses go to the browser; the opener would run
// a program given by path.
TEST(FileUrl, OnlyWebAddressesGoToTheBrowser) {
  const struct {
    std::string_view address;
    bool web;
  } cases[] = {
      {"https://ok", true},
      {"HTTP://ok", true},
      {"http://servers.example.org/list?x=1#top", true},
      {"Z:\\x\\qr7.exe", false},
      {"/usr/bin/xterm", false},
      {"file:///etc/passwd", false},
      {"javascript:alert(1)", false},
      {"ftp://example.org", false},
      {"https:ok", false},
      {"https://", false},
      {"", false},
      {" https://ok", false},
      {"https://ok\n--new-window", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsWebAddress(c.address), c.web) << c.address;
}

}  // namespace
}  // namespace wv
