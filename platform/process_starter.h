#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/ports.h"

namespace wv {

// Starts the game detached so that it outlives the launcher. Windows takes
// the command text unchanged; elsewhere it is split by the Windows rules into
// program and arguments (platform/posix). It also watches the game it started
// last through its first seconds, without the game depending on it.
class DetachedProcessStarter : public ProcessStarter, public GameWatch {
 public:
  DetachedProcessStarter();
  ~DetachedProcessStarter() override;
  DetachedProcessStarter(const DetachedProcessStarter&) = delete;
  DetachedProcessStarter& operator=(const DetachedProcessStarter&) = delete;

  std::optional<StartFailure> Start(const std::string& commandText,
                                    const std::string& workDir) override;
  void SendOutputTo(const std::filesystem::path& logFile) override { logFile_ = logFile; }
  GameOutcome Outcome() override;

 private:
  struct Watch;  // each system's own
  std::filesystem::path logFile_;
  std::unique_ptr<Watch> watch_;
};

}  // namespace wv
