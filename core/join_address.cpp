#include "core/join_address.h"

#include <algorithm>
#include <cstddef>

#include "core/text.h"

namespace wv {

namespace {

// The text after `word` and the blanks that follow it, when `text` starts
// with that console command (in any case); nullopt otherwise.
std::optional<std::string_view> AfterCommand(std::string_view text, std::string_view word) {
  text = text.substr(std::min(text.size(), text.find_first_not_of(" \t")));
  if (text.size() <= word.size() || !IsBlank(text[word.size()]) ||
      !EqualsIgnoringAsciiCase(text.substr(0, word.size()), word)) {
    return std::nullopt;
  }
  text.remove_prefix(word.size());
  return text.substr(std::min(text.size(), text.find_first_not_of(" \t")));
}

// The password of a "password …" command, its quotes dropped.
std::string PasswordOf(std::string_view text) {
  text = TrimBlanks(text);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    text = text.substr(1, text.size() - 2);
  }
  return std::string(text);
}

}  // namespace

// Only the first colon after the host splits, so a pasted "host:port" lands
// in the two boxes and anything odd after it stays visible in the port box.
// A colon inside brackets belongs to the host; an open bracket is still
// being typed.
AddressSplit SplitJoinAddress(std::string_view text) {
  AddressSplit split;
  // "…; password secret": a later console command of the pasted line.
  for (std::size_t semicolon = text.find(';'); semicolon != std::string_view::npos;
       semicolon = text.find(';', semicolon + 1)) {
    if (const auto password = AfterCommand(text.substr(semicolon + 1), "password")) {
      split.password = PasswordOf(*password);
      text = text.substr(0, semicolon);
      break;
    }
  }
  if (const auto host = AfterCommand(text, "connect")) text = *host;

  std::size_t hostEnd = 0;
  const std::size_t open = text.find_first_not_of(" \t");
  if (open != std::string_view::npos && text[open] == '[') {
    hostEnd = text.find(']', open);
    if (hostEnd == std::string_view::npos) hostEnd = text.size();
  }
  const std::size_t colon = text.find(':', hostEnd);
  if (colon == std::string_view::npos) {
    split.address = std::string(text);
    return split;
  }
  split.address = std::string(text.substr(0, colon));
  split.port = std::string(text.substr(colon + 1));
  return split;
}

}  // namespace wv
