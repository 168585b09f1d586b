#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wv {

// Quotes one argument by the Windows rules when it holds a blank, a tab or a
// double quote (or is empty), so that the game receives it as exactly one
// argument; other values come back unchanged.
std::string QuoteArgument(std::string_view value);

// Splits a command text into program and arguments by the Windows rules.
std::vector<std::string> SplitCommandText(std::string_view text);

// Whether `arguments`, split as arguments by those rules, ends inside a
// quote: whatever followed them in a command would join their last one.
bool LeavesQuoteOpen(std::string_view arguments);

}  // namespace wv
