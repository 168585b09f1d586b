#pragma once

#include <string>

namespace wv {

// The short (8.3) name of an existing file or folder, where the system keeps
// one within MAX_PATH: the same place, for the calls that take no longer
// path. Empty where there is none.
std::wstring ShortPathWithinLimit(const std::wstring& path);

}  // namespace wv
