#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/launcher_controller.h"
#include "core/ports.h"
#include "platform/process_starter.h"
#include "platform/steady_time.h"

namespace wv {

class MessageBoxSink : public MessageSink {
 public:
  void Show(const std::string& title, const std::string& text) override;
};

class InputDialogInput : public TextInput {
 public:
  std::optional<std::string> Ask(const PasswordDialogTexts& texts, int maxLength) override;
};

class SystemClipboard : public ClipboardSink {
 public:
  void SetText(const std::string& text) override;
};

class DesktopUrlOpener : public UrlOpener {
 public:
  bool Open(const std::string& url) override;
};

class EventLoopQuit : public QuitRequester {
 public:
  void RequestQuit() override;
};

// The current folder, its files and the system's program search, as a
// press finds them.
class CurrentFolderProbe : public GameFolderProbe {
 public:
  LaunchEnvironment Probe() override;
};

class MessageBoxQuestion : public YesNoQuestion {
 public:
  bool AskYesNo(const std::string& title, const std::string& question, const std::string& yes,
                const std::string& no) override;
};

class UserSystemLanguage : public SystemLanguage {
 public:
  std::string Locale() override;
};

class ProcessWorkingFolder : public WorkingFolder {
 public:
  bool Enter(const std::filesystem::path& folder) override;
};

// The program of a bare name where the system's search finds it.
std::optional<std::string> FindProgramOnPath(std::string_view name);

// The folder of the path the launcher was started by (`argv0`), links not
// followed, and the current folder.
StartFolders DefaultStartFolders(const char* argv0);

// The version text, from the build.
std::string LauncherVersion();

// The real adapters, alive as long as the window that uses them.
struct QtPlatform {
  Platform Get() { return PlatformOf(*this); }

  DetachedProcessStarter starter;
  GameWatch& watch = starter;
  MessageBoxSink messages;
  InputDialogInput input;
  SystemClipboard clipboard;
  DesktopUrlOpener urls;
  EventLoopQuit quit;
  SteadyTime time;
  CurrentFolderProbe folder;
  MessageBoxQuestion questions;
  UserSystemLanguage language;
  ProcessWorkingFolder workingFolder;
};

}  // namespace wv
