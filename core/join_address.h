#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wv {

struct AddressSplit {
  std::string address;                  // the host, with its brackets when it had them
  std::optional<std::string> port;      // text after the host's colon, when there was one
  std::optional<std::string> password;  // from a pasted "password …" command
};

// The address box's text as players paste it from the game's console or a
// chat: "connect host:port; password secret", "password secret; connect
// host:port", "[v6 address]:port" and the like, over one line or more. The
// parts come without control characters and invisible marks.
AddressSplit SplitJoinAddress(std::string_view text);

struct PortSplit {
  std::string port;
  std::optional<std::string> password;  // from a pasted "password …" command
};

// The port box's text: the port, and the password command that may follow it
// when the address box's colon sent the rest of a typed line here.
PortSplit SplitJoinPort(std::string_view text);

// What keeps a join from starting, in the order the player is told.
enum class JoinProblem { None, NoAddress, BlankInAddress, NoPort, BadPort };

// The address and port a join may send and the recent-servers file may keep,
// blanks around them aside: an address without blanks inside, a port of 1 to
// 5 digits from 1 to 65535.
JoinProblem CheckJoinTarget(std::string_view address, std::string_view port);

// The port's number, where it is one by that rule.
std::optional<unsigned> PortNumber(std::string_view port);

}  // namespace wv
