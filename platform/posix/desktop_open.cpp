#include "platform/posix/desktop_open.h"

#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/posix/process_start.h"
#include "platform/posix/program_search.h"

namespace wv {

namespace {

// The openers in the order they are tried: the program, then its words
// before the address.
const std::initializer_list<std::string_view> kOpeners[] = {{"xdg-open"}, {"gio", "open"}};

}  // namespace

bool OpenOnDesktop(const std::string& address) {
  for (const std::initializer_list<std::string_view>& opener : kOpeners) {
    const std::optional<std::string> program = SearchProgram(*opener.begin());
    if (!program) continue;
    std::vector<std::string> words{*program};
    for (auto word = opener.begin() + 1; word != opener.end(); ++word) words.emplace_back(*word);
    words.push_back(address);
    if (StartDetached(words, {}) == 0) return true;
  }
  return false;
}

}  // namespace wv
