#include "platform/windows/system_error.h"

#include <windows.h>

#include <string>

namespace wv {

std::string SystemErrorText(unsigned long code, const std::string& subject) {
  char buffer[512];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, buffer, sizeof buffer, nullptr);
  // The system's texts end with a line break that a one-line message cannot use.
  while (length > 0 &&
         (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' || buffer[length - 1] == ' ')) {
    --length;
  }
  std::string description(buffer, length);
  // Inserts are filled here rather than by the system, which would read as
  // many arguments as the text asks for.
  for (std::size_t at = description.find("%1"); at != std::string::npos;
       at = description.find("%1", at + subject.size())) {
    description.replace(at, 2, subject);
  }
  std::string text = "error " + std::to_string(code);
  if (!description.empty()) text += ": " + description;
  return text;
}

}  // namespace wv
