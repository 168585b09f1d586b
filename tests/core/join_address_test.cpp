#include "core/join_address.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/launcher_model.h"

namespace wv {
namespace {

const struct {
  const char *text, *address;
  std::optional<std::string> port;
} kCases[] = {
    {"10.0.0.5:27016", "10.0.0.5", "27016"},
    {"name:1:2", "name", "1:2"},
    {"host:", "host", ""},
    {":27015", "", "27015"},
    {":", "", ""},
    {"host", "host", std::nullopt},
    {"", "", std::nullopt},
    {"[::1]:27015", "[", ":1]:27015"},
};

// A colon that leaves the port part empty was typed before the port: the
// window sends the keys that follow to the port box.
TEST(SplitJoinAddress, FirstColonSplits) {
  for (const auto& c : kCases) {
    const AddressSplit split = SplitJoinAddress(c.text);
    EXPECT_EQ(split.address, c.address) << "text: " << c.text;
    EXPECT_EQ(split.port, c.port) << "text: " << c.text;
    LauncherModel model;
    EXPECT_EQ(model.JoinAddressChanged(c.text).focusPort, c.port == "") << "text: " << c.text;
  }
}

}  // namespace
}  // namespace wv
