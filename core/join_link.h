#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace wv {

// The scheme a join link starts with, and what a link may weigh at most.
inline constexpr std::string_view kJoinLinkScheme = "wreckvale";
inline constexpr std::size_t kJoinLinkMaxBytes = 1024;

// What a join link may put into the join tab: a host and, where it names
// one, a port, both as the join rules let them through. Never a password.
struct JoinLinkTarget {
  std::string address;
  std::optional<std::string> port;  // none: the port box keeps its own
};

// "wreckvale://join/HOST[:PORT]", from a server list, a chat or the desktop.
// The host part is percent-decoded once and then read as the address box
// reads a paste; a password it carries in any form drops out, as does
// whatever follows the host part. Nullopt for anything else: too long,
// another scheme or verb, bytes that are not UTF-8 once decoded, or a host
// or port the join rules refuse.
std::optional<JoinLinkTarget> ParseJoinLink(std::string_view link);

// Whether `link` names this launcher's scheme at all, so that a page's click
// on it is the launcher's to handle rather than a navigation.
bool HasJoinLinkScheme(std::string_view link);

// The join link the launcher was started with: its first argument after its
// own name, when that names the scheme. Every other argument is ignored, as
// the desktop or a toolkit may add options of their own.
std::optional<std::string_view> JoinLinkArgument(std::span<const std::string_view> arguments);

}  // namespace wv
