#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wv {

// The program of a bare name where the system's own search finds it (the
// folders of PATH among them), ".exe" added when the name has no extension;
// nullopt when it finds none.
std::optional<std::string> SearchProgram(std::string_view name);

}  // namespace wv
