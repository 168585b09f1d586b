#pragma once

#include <optional>
#include <string>

#include "platform/ports.h"

namespace wv {

// Starts the game detached so that it outlives the launcher. Windows takes
// the command text unchanged; elsewhere it is split by the Windows rules into
// program and arguments (platform/posix).
class DetachedProcessStarter : public ProcessStarter {
 public:
  std::optional<StartFailure> Start(const std::string& commandText,
                                    const std::string& workDir) override;
};

}  // namespace wv
