#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wv {

struct AddressSplit {
  std::string address;              // text before the first colon
  std::optional<std::string> port;  // text after it, when there was a colon
};

AddressSplit SplitJoinAddress(std::string_view text);

}  // namespace wv
