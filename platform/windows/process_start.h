#pragma once

#include <string>

namespace wv {

// Starts the command text as one new process, the way the launcher hands the
// game its command line: the text goes to the system unchanged, its first word
// names the program, the window is shown normally, and nobody waits for it.
// On failure returns false and, when `error` is given, stores the system's
// reason there; GetLastError() still gives the code.
bool StartCommandText(const std::string& text, std::string* error);

}  // namespace wv
