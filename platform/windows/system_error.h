#pragma once

#include <string>

namespace wv {

// The system's own one-line description of an error code, with the code.
std::string SystemErrorText(unsigned long code);

}  // namespace wv
