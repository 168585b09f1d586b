#pragma once

#include <optional>
#include <string>

#include "platform/ports.h"

namespace wv {

// Starts the game detached so that it outlives the launcher; the command
// text goes to the system unchanged.
class DetachedProcessStarter : public ProcessStarter {
 public:
  std::optional<StartFailure> Start(const std::string& commandText,
                                    const std::string& workDir) override;
};

}  // namespace wv
