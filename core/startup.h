#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/launcher_model.h"

namespace wv {

struct StartupResult {
  bool quit = false;  // quit once the messages are dismissed
};

// Shows one start-up message and returns once it is dismissed.
using StartupMessageSink = std::function<void(const std::string& text)>;

// FormCreate without pixels: language, first tab, settings tab hidden, reader
// pointed at the file beside the executable, version text, executable name,
// version refresh, folder check, template and options, all in start-up order.
// Each message goes to `show` at its own step, before the next step runs.
StartupResult RunStartup(LauncherModel& model, const std::filesystem::path& exeDir,
                         const std::filesystem::path& workDir, std::string_view version,
                         const StartupMessageSink& show);

// A file (not a folder) of that name exists in `dir`; never in an unknown
// (empty) folder.
bool FileExistsIn(const std::filesystem::path& dir, std::string_view name);

}  // namespace wv
