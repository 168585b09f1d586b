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
} kCases[] = {
    {"10.0.0.5:27016", "10.0.0.5", "27016"},
    {"name:1:2", "name", "1:2"},
    {"host:", "host", ""},
    {":27015", "", "27015"},
    {":", "", ""},
    {"host", "host", std::nullopt},
    {"", "", std::nullopt},
    {"[::1]:27015", "[", ":1]:27015"},
    {"10.0.0.5:27016", "10.0.0.5", "27016", "10.0.0.5:27016\r\n"},
    {"1.2.3.4:27015+exec evil.cfg", "1.2.3.4", "27015+exec evil.cfg",
     "1.2.3.4:27015\n+exec evil.cfg"},
    {"host", "host", std::nullopt, "\tho\x7Fst\x1B"},
    {"\xD0\xAF:1\xFF", "\xD0\xAF", "1\xFF",
     "\xD0\xAF\x01:\x1F"
     "1\xFF"},
    {"", "", std::nullopt, "\n"},
};

// A colon that leaves the port part empty was typed before the port: the
// window sends the keys that follow to the port box.
TEST(SplitJoinAddress, FirstColonSplits) {
  for (const auto& c : kCases) {
    const AddressSplit split = SplitJoinAddress(c.text);
    EXPECT_EQ(split.address, c.address) << "text: " << c.text;
    EXPECT_EQ(split.port, c.port) << "text: " << c.text;
    LauncherModel model;
    const char* typed = c.pasted ? c.pasted : c.text;
    EXPECT_EQ(model.JoinAddressChanged(typed).focusPort, c.port == "") << "text: " << c.text;
    EXPECT_EQ(model.JoinAddress(), c.address) << "text: " << c.text;
    EXPECT_EQ(model.JoinPort(), c.port.value_or("27015")) << "text: " << c.text;
  }
}

}  // namespace
}  // namespace wv
