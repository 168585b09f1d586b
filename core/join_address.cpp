#include "core/join_address.h"

#include <cstddef>

namespace wv {

// Only the first colon splits, so a pasted "host:port" lands in the two boxes
// and anything odd after it stays visible in the port box.
AddressSplit SplitJoinAddress(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return {std::string(text), std::nullopt};
  return {std::string(text.substr(0, colon)), std::string(text.substr(colon + 1))};
}

}  // namespace wv
