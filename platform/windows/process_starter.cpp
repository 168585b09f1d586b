#include "platform/process_starter.h"

#include <windows.h>

#include <vector>

#include "core/command_text.h"
#include "platform/windows/process_start.h"

namespace wv {

// The text goes to the system unchanged, as the game has always received it.
std::optional<StartFailure> DetachedProcessStarter::Start(const std::string& commandText,
                                                          const std::string&) {
  std::string reason;
  if (StartCommandText(commandText, &reason)) return std::nullopt;
  const std::vector<std::string> words = SplitCommandText(commandText);
  return StartFailure{words.empty() ? std::string() : words.front(), reason,
                      GetLastError() == ERROR_BAD_EXE_FORMAT};
}

}  // namespace wv
