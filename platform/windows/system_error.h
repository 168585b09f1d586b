#pragma once

#include <string>

namespace wv {

// The system's own one-line description of an error code, with the code;
// `subject` stands where the description names its object ("%1 is not a
// valid Win32 application").
std::string SystemErrorText(unsigned long code, const std::string& subject = {});

}  // namespace wv
