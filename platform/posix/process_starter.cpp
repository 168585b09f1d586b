#include "platform/process_starter.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include "core/command_text.h"
#include "platform/posix/process_start.h"

namespace wv {

// The arguments go to exec as the bytes the command text holds, whatever
// their encoding.
std::optional<StartFailure> DetachedProcessStarter::Start(const std::string& commandText,
                                                          const std::string& workDir) {
  const std::vector<std::string> words = SplitCommandText(commandText);
  const int error = StartDetached(words, workDir);
  if (error == 0) return std::nullopt;
  return StartFailure{words.empty() ? std::string() : words.front(), std::strerror(error),
                      error == ENOEXEC};
}

}  // namespace wv
