#pragma once

#include <string>
#include <string_view>

namespace wv {

// A file: URL for a path as the system spells it, each byte outside the
// plain ASCII ones percent-encoded, so that the desktop's opener gets the
// very bytes back; backslashes become slashes.
std::string FileUrl(std::string_view path);

}  // namespace wv
