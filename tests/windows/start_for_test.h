#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/windows/process_start.h"

namespace wv::test {

// Wine now and then fails a start with its internal error when the new
// process dies while the loader sets it up (seen on loaded machines). That
// says nothing about the command text, so such a start is tried again; any
// other failure is the answer.
inline bool StartForTest(const std::string& text, std::string* error) {
  for (int attempt = 1;; ++attempt) {
    if (StartCommandText(text, error)) return true;
    if (GetLastError() != ERROR_INTERNAL_ERROR || attempt == 3) return false;
    std::printf("[ RETRIED  ] start failed with the loader's internal error: %s\n",
                error ? error->c_str() : "");
    Sleep(200);
  }
}

}  // namespace wv::test
