#include "core/join_address.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/launcher_model.h"

namespace wv {
namespace {

// `pasted`, where set, is what reaches the model's box instead of `text`:
// its control characters drop out before the split.
const struct {
  const char *text, *address;
  std::optional<std::string> port;
  const char* pasted = nullptr;
  std::optional<std::string> password = std::nullopt;
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
};

// Console forms as players paste them: "connect" drops, a bracketed v6
// host keeps its colons, "; password …" fills the password box. A colon
// that leaves the port part empty was typed before the port: the
// window sends the keys that follow to the port box.
TEST(SplitJoinAddress, FirstColonSplits) {
  for (const auto& c : kCases) {
    const AddressSplit split = SplitJoinAddress(c.text);
    EXPECT_EQ(split.address, c.address) << "text: " << c.text;
    EXPECT_EQ(split.port, c.port) << "text: " << c.text;
    EXPECT_EQ(split.password, c.password) << "text: " << c.text;
    LauncherModel model;
    const char* typed = c.pasted ? c.pasted : c.text;
    EXPECT_EQ(model.JoinAddressChanged(typed).focusPort, c.port == "") << "text: " << c.text;
    EXPECT_EQ(model.JoinAddress(), c.address) << "text: " << c.text;
    EXPECT_EQ(model.JoinPort(), c.port.value_or("27015")) << "text: " << c.text;
    EXPECT_EQ(model.JoinPassword(), c.password.value_or("")) << "text: " << c.text;
  }
}

}  // namespace
}  // namespace wv
