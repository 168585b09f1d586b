#include "core/join_address.h"

#include <algorithm>
#include <cstddef>

#include "core/text.h"

namespace wv {

namespace {

constexpr std::string_view kPasswordWord = "password";
constexpr std::string_view kConnectWord = "connect";

// A pasted tab or line break separates words as a blank does; it drops out
// only once the words are known.
bool IsSpace(char c) {
  return IsBlank(c) || IsControl(c);
}

bool IsLineBreak(char c) {
  return c == '\n' || c == '\r';
}

std::size_t SkipSpaces(std::string_view text, std::size_t from) {
  while (from < text.size() && IsSpace(text[from])) ++from;
  return from;
}

std::string_view TrimSpaces(std::string_view text) {
  text.remove_prefix(SkipSpaces(text, 0));
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

std::string WithoutControlBytes(std::string_view text) {
  std::string kept(text);
  std::erase_if(kept, IsControl);
  return kept;
}

// The text after `word` and the spaces that follow it, when `text` starts
// with that console command (in any case); nullopt otherwise.
std::optional<std::string_view> AfterCommand(std::string_view text, std::string_view word) {
  text.remove_prefix(SkipSpaces(text, 0));
  if (text.size() <= word.size() || !IsSpace(text[word.size()]) ||
      !EqualsIgnoringAsciiCase(text.substr(0, word.size()), word)) {
    return std::nullopt;
  }
  return text.substr(SkipSpaces(text, word.size()));
}

// The word "password" as a command of its own at `at`: at the start, after a
// blank or a ';', and followed by a blank or '='.
bool PasswordCommandAt(std::string_view text, std::size_t at) {
  const std::size_t end = at + kPasswordWord.size();
  return end < text.size() && (IsSpace(text[end]) || text[end] == '=') &&
         (at == 0 || IsSpace(text[at - 1]) || text[at - 1] == ';') &&
         EqualsIgnoringAsciiCase(text.substr(at, kPasswordWord.size()), kPasswordWord);
}

// Where a command ends: at the first ';' or line break outside quotes.
std::size_t CommandEnd(std::string_view text, std::size_t from) {
  bool quoted = false;
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (!quoted && (text[i] == ';' || IsLineBreak(text[i]))) return i;
  }
  return text.size();
}

// The password of a "password …" command, its quotes dropped.
std::string PasswordOf(std::string_view text) {
  text = TrimSpaces(text);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    text = text.substr(1, text.size() - 2);
  }
  return WithoutControlBytes(text);
}

struct PasswordCut {
  std::string_view rest;  // the text without the password command
  std::optional<std::string> password;
};

// A password command, wherever a paste put it. First in the text it ends with
// its line or at a ';', so that the server named after it still counts; after
// the server it runs to the end, as the console reads a last command.
PasswordCut CutPassword(std::string_view text) {
  for (std::size_t at = 0; at + kPasswordWord.size() < text.size(); ++at) {
    if (!PasswordCommandAt(text, at)) continue;
    std::size_t value = SkipSpaces(text, at + kPasswordWord.size());
    if (value < text.size() && text[value] == '=') value = SkipSpaces(text, value + 1);
    const std::string_view before = text.substr(0, at);
    const bool first =
        std::all_of(before.begin(), before.end(), [](char c) { return IsSpace(c) || c == ';'; });
    if (first) {
      const std::size_t end = CommandEnd(text, value);
      return {end < text.size() ? text.substr(end + 1) : std::string_view(),
              PasswordOf(text.substr(value, end - value))};
    }
    std::string_view rest = before;
    while (!rest.empty() && (IsSpace(rest.back()) || rest.back() == ';')) rest.remove_suffix(1);
    return {rest, PasswordOf(text.substr(value))};
  }
  return {text, std::nullopt};
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// A v6 address without brackets ("::1", "fe80::1%eth0"): its last colon is
// its own, not the port's.
bool IsBareV6Address(std::string_view text) {
  text = TrimSpaces(text);
  const std::string_view host = text.substr(0, text.find('%'));
  return std::count(host.begin(), host.end(), ':') >= 2 &&
         std::all_of(host.begin(), host.end(),
                     [](char c) { return IsHexDigit(c) || c == ':' || c == '.'; });
}

}  // namespace

// Only the first colon after the host splits, so a pasted "host:port" lands
// in the two boxes and anything odd after it stays visible in the port box.
// A colon inside brackets belongs to the host; an open bracket is still
// being typed.
AddressSplit SplitJoinAddress(std::string_view typed) {
  const std::string plain = WithPlainLineBreaks(std::string(typed));
  const PasswordCut cut = CutPassword(plain);
  AddressSplit split;
  split.password = cut.password;
  std::string_view text = cut.rest;
  if (const auto host = AfterCommand(text, kConnectWord)) text = *host;

  std::size_t hostEnd = 0;
  const std::size_t open = SkipSpaces(text, 0);
  const bool bracketed = open < text.size() && text[open] == '[';
  if (bracketed) hostEnd = std::min(text.find(']', open), text.size());
  // A bare v6 address has no room for a port: the port box keeps its own.
  const std::size_t colon =
      !bracketed && IsBareV6Address(text) ? std::string_view::npos : text.find(':', hostEnd);
  if (colon == std::string_view::npos) {
    split.address = WithoutControlBytes(text);
    return split;
  }
  split.address = WithoutControlBytes(text.substr(0, colon));
  split.port = WithoutControlBytes(text.substr(colon + 1));
  return split;
}

PortSplit SplitJoinPort(std::string_view typed) {
  const std::string plain = WithPlainLineBreaks(std::string(typed));
  const PasswordCut cut = CutPassword(plain);
  return {WithoutControlBytes(cut.rest), cut.password};
}

std::optional<unsigned> PortNumber(std::string_view port) {
  if (port.empty() || port.size() > 5) return std::nullopt;
  unsigned number = 0;
  for (const char c : port) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<unsigned>(c - '0');
  }
  if (number == 0 || number > 65535) return std::nullopt;
  return number;
}

JoinProblem CheckJoinTarget(std::string_view address, std::string_view port) {
  address = TrimBlanks(address);
  port = TrimBlanks(port);
  if (address.empty()) return JoinProblem::NoAddress;
  if (std::any_of(address.begin(), address.end(), IsBlank)) return JoinProblem::BlankInAddress;
  if (port.empty()) return JoinProblem::NoPort;
  if (!PortNumber(port)) return JoinProblem::BadPort;
  return JoinProblem::None;
}

}  // namespace wv
