// Quoting and splitting: any values, quoted and joined, split back into
// exactly those values. The bytes 0x01 separate the values of one input.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/command_text.h"
#include "fuzz/check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  WV_FUZZ_CHECK(wv::SplitCommandText("exe " + wv::QuoteArgument(input)) ==
                (std::vector<std::string>{"exe", std::string(input)}));

  std::vector<std::string> expected{"exe"};
  std::string command = "exe";
  for (std::string_view rest = input;;) {
    const auto cut = rest.find('\x01');
    expected.emplace_back(rest.substr(0, cut));
    command += " " + wv::QuoteArgument(expected.back());
    if (cut == std::string_view::npos) break;
    rest.remove_prefix(cut + 1);
  }
  WV_FUZZ_CHECK(wv::SplitCommandText(command) == expected);

  // Any text splits without a crash, into a program and its arguments.
  const std::vector<std::string> words = wv::SplitCommandText(input);
  WV_FUZZ_CHECK(words.empty() == input.empty());

  // Arguments that leave no quote open end where they end: what follows
  // them stays an argument of its own; an open quote takes it in.
  const std::vector<std::string> followed = wv::SplitCommandText(command + " end");
  WV_FUZZ_CHECK(followed.back() == "end");
  const std::vector<std::string> after = wv::SplitCommandText("exe " + std::string(input) + " end");
  WV_FUZZ_CHECK((after.back() == "end") == !wv::LeavesQuoteOpen(input));
  return 0;
}
