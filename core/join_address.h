#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wv {

struct AddressSplit {
  std::string address;                  // the host, with its brackets when it had them
  std::optional<std::string> port;      // text after the host's colon, when there was one
  std::optional<std::string> password;  // from a pasted "; password …"
};

// The address box's text as players paste it from the game's console or a
// chat: "connect host:port; password secret" and "[v6 address]:port" too.
AddressSplit SplitJoinAddress(std::string_view text);

}  // namespace wv
