#include "core/join_link.h"

#include <algorithm>

#include "core/join_address.h"
#include "core/text.h"

namespace wv {

namespace {

constexpr std::string_view kJoinVerb = "join";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Once only: "%2541" stays "%41", so that no second reading finds more. A
// broken escape refuses the link rather than guessing what it meant.
std::optional<std::string> PercentDecoded(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      decoded += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexValue(text[i + 1]);
    const int low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    decoded += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return decoded;
}

// The text after "scheme:", when `link` starts with the join scheme.
std::optional<std::string_view> AfterScheme(std::string_view link) {
  const std::size_t colon = link.find(':');
  if (colon == std::string_view::npos ||
      !EqualsIgnoringAsciiCase(link.substr(0, colon), kJoinLinkScheme)) {
    return std::nullopt;
  }
  return link.substr(colon + 1);
}

}  // namespace

bool HasJoinLinkScheme(std::string_view link) {
  return AfterScheme(TrimBlanks(link)).has_value();
}

std::optional<std::string_view> JoinLinkArgument(std::span<const std::string_view> arguments) {
  if (arguments.empty() || !HasJoinLinkScheme(arguments.front())) return std::nullopt;
  return arguments.front();
}

std::optional<JoinLinkTarget> ParseJoinLink(std::string_view link) {
  if (link.size() > kJoinLinkMaxBytes) return std::nullopt;
  // A link pasted or handed over by the desktop may come with blanks round it.
  std::optional<std::string_view> rest = AfterScheme(TrimBlanks(link));
  if (!rest || !rest->starts_with("//")) return std::nullopt;
  rest->remove_prefix(2);
  // The verb stands where a web address has its server; sign-in details
  // before it are a password in another form and drop out.
  const std::size_t verbEnd = std::min(rest->find('/'), rest->size());
  std::string_view verb = rest->substr(0, verbEnd);
  if (const std::size_t at = verb.rfind('@'); at != std::string_view::npos) {
    verb.remove_prefix(at + 1);
  }
  if (!EqualsIgnoringAsciiCase(verb, kJoinVerb) || verbEnd == rest->size()) return std::nullopt;
  rest->remove_prefix(verbEnd + 1);
  // Split before decoding, so that an encoded '/', '?' or '#' stays part of
  // the host and the join rules judge it there. What follows the host part
  // (more path, a query, a fragment) is no business of a join.
  const std::string_view hostPart = rest->substr(0, rest->find_first_of("/?#"));
  const std::optional<std::string> decoded = PercentDecoded(hostPart);
  // Only in UTF-8 are the invisible marks known and dropped.
  if (!decoded || !IsValidUtf8(*decoded)) return std::nullopt;

  const AddressSplit split = SplitJoinAddress(*decoded);
  JoinLinkTarget target{std::string(TrimBlanks(split.address)), std::nullopt};
  if (split.port) target.port = std::string(TrimBlanks(*split.port));
  // A port the link leaves out is checked where the press finds it.
  if (CheckJoinTarget(target.address, target.port.value_or("1")) != JoinProblem::None) {
    return std::nullopt;
  }
  // The address box reads the host again as it fills: a host that only
  // became a password command or "host:port" once its control characters
  // dropped out would land elsewhere than shown here.
  const AddressSplit again = SplitJoinAddress(target.address);
  if (again.address != target.address || again.port || again.password) return std::nullopt;
  return target;
}

}  // namespace wv
