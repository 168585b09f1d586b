#include "core/join_address.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/launcher_model.h"

namespace wv {
namespace {

// The box a row's text goes to: the port box takes a password command too,
// the address box every console form.
enum class Box { Address, Port };

// `pasted`, where set, is what reaches the model's box instead of `text`:
// its control characters drop out as the split's parts do.
const struct {
  const char *text, *address;
  std::optional<std::string> port;
  const char* pasted = nullptr;
  std::optional<std::string> password = std::nullopt;
  Box box = Box::Address;
} kCases[] = {
    {"10.0.0.5:27016", "10.0.0.5", "27016"},
    {"name:1:2", "name", "1:2"},
    {"host:", "host", ""},
    {":27015", "", "27015"},
    {":", "", ""},
    {"host", "host", std::nullopt},
    {"", "", std::nullopt},
    {"[::1]:27019", "[::1]", "27019"},
    {"[::1]", "[::1]", std::nullopt},
    {"[::1]:", "[::1]", ""},
    {"[::1", "[::1", std::nullopt},
    {"[fe80::1]x:1:2", "[fe80::1]x", "1:2"},
    {"connect 10.0.0.5:27017", "10.0.0.5", "27017"},
    {" CONNECT  [::1]:27019", "[::1]", "27019"},
    {"connect 1.2.3.4:27015+exec evil.cfg", "1.2.3.4", "27015+exec evil.cfg",
     "connect 1.2.3.4:27015\n+exec evil.cfg"},
    {"connection:1", "connection", "1"},
    {"connect", "connect", std::nullopt},
    {"10.0.0.5:27017; password hunter2", "10.0.0.5", "27017", nullptr, "hunter2"},
    {"connect 10.0.0.5:27017;password \"hunter 2\" ", "10.0.0.5", "27017", nullptr, "hunter 2"},
    {"host:1; Password ;x", "host", "1", nullptr, ";x"},
    {"host:1;2", "host", "1;2"},
    {"host:1; passwords x", "host", "1; passwords x"},
    {"10.0.0.5:27016", "10.0.0.5", "27016", "10.0.0.5:27016\r\n"},
    {"1.2.3.4:27015+exec evil.cfg", "1.2.3.4", "27015+exec evil.cfg",
     "1.2.3.4:27015\n+exec evil.cfg"},
    {"host", "host", std::nullopt, "\tho\x7Fst\x1B"},
    {"\xD0\xAF:1\xFF", "\xD0\xAF", "1\xFF",
     "\xD0\xAF\x01:\x1F"
     "1\xFF"},
    {"", "", std::nullopt, "\n"},
    // Control characters part the console's words as blanks do.
    {"connect\t10.0.0.5:27017", "10.0.0.5", "27017"},
    {"10.0.0.5:27017\r\npassword hunter2", "10.0.0.5", "27017", nullptr, "hunter2"},
    {"host:1; password\tx", "host", "1", nullptr, "x"},
    {"host:1; password=x", "host", "1", nullptr, "x"},
    {"host:1 password x", "host", "1", nullptr, "x"},
    {"password x; connect host:27015", "host", "27015", nullptr, "x"},
    {"PASSWORD \"a;b\"\nconnect host:1", "host", "1", nullptr, "a;b"},
    {"password x", "", std::nullopt, nullptr, "x"},
    // Typed key by key, the password comes next in its own box.
    {"host:1; password ", "host", "1", nullptr, ""},
    {"host password=", "host", std::nullopt, nullptr, ""},
    {"host:1 passwordx", "host", "1 passwordx"},
    {"1.2.3.4 27016", "1.2.3.4 27016", std::nullopt},
    // A v6 address without brackets keeps its colons, the port box its port.
    {"::1:27019", "::1:27019", std::nullopt},
    {"connect fe80::1%eth0", "fe80::1%eth0", std::nullopt},
    {"::", "::", std::nullopt},
    // Invisible marks drop out; separators of lines part commands.
    {"\xE2\x80\xAE"
     "evil.example\xE2\x80\xAC:27015",
     "evil.example", "27015"},
    {"\xEF\xBB\xBFho\xE2\x81\xA6st\xE2\x80\x8F:1\xC2\x85", "host", "1"},
    {"host:1\xE2\x80\xA8password x", "host", "1", nullptr, "x"},
    {"host:1\xE2\x80\xA9+exec x.cfg", "host", "1+exec x.cfg"},
    // Not UTF-8: the bytes of a Windows code page stay.
    {"\xE2\x80\xAE\xCF:1", "\xE2\x80\xAE\xCF", "1"},
    // The port box: the rest of a typed line after the address box's colon.
    {"27017; password hunter2", "", "27017", nullptr, "hunter2", Box::Port},
    {"27017\npassword x", "", "27017", nullptr, "x", Box::Port},
    {"27017 password=", "", "27017", nullptr, "", Box::Port},
    {"27017\n+exec x.cfg", "", "27017+exec x.cfg", nullptr, std::nullopt, Box::Port},
    {"27015\xE2\x80\xAC", "", "27015", nullptr, std::nullopt, Box::Port},
};

// Console forms as players paste or type them: "connect" drops, a bracketed
// v6 host keeps its colons, a "password …" command fills the password box. A
// colon that leaves the port part empty was typed before the port, an empty
// password after "password ": the window sends the keys that follow to the
// port box or the password box.
TEST(SplitJoinAddress, FirstColonSplits) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    const char* typed = c.pasted ? c.pasted : c.text;
    LauncherModel model;
    JoinEditRequest request;
    if (c.box == Box::Port) {
      const PortSplit split = SplitJoinPort(typed);
      EXPECT_EQ(split.port, c.port);
      EXPECT_EQ(split.password, c.password);
      request = model.JoinPortChanged(typed);
    } else {
      const AddressSplit split = SplitJoinAddress(typed);
      EXPECT_EQ(split.address, c.address);
      EXPECT_EQ(split.port, c.port);
      EXPECT_EQ(split.password, c.password);
      request = model.JoinAddressChanged(typed);
    }
    EXPECT_EQ(request.focusPort, c.box == Box::Address && c.port == "" && c.password != "");
    EXPECT_EQ(request.focusPassword, c.password == "");
    EXPECT_EQ(model.JoinAddress(), c.address);
    EXPECT_EQ(model.JoinPort(), c.port.value_or("27015"));
    EXPECT_EQ(model.JoinPassword(), c.password.value_or(""));
  }
}

}  // namespace
}  // namespace wv
