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
  return 0;
}
