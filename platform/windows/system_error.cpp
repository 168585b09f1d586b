#include "platform/windows/system_error.h"

#include <windows.h>

namespace wv {

std::string SystemErrorText(unsigned long code) {
  char buffer[512];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, buffer, sizeof buffer, nullptr);
  // The system's texts end with a line break that a one-line message cannot use.
  while (length > 0 &&
         (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' || buffer[length - 1] == ' ')) {
    --length;
  }
  std::string text = "error " + std::to_string(code);
  if (length > 0) text += ": " + std::string(buffer, length);
  return text;
}

}  // namespace wv
