#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/launcher_controller.h"
#include "platform/ports.h"
#include "platform/process_starter.h"

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

class SteadyTime : public TimeSource {
 public:
  std::chrono::steady_clock::time_point Now() override { return std::chrono::steady_clock::now(); }
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
class QtPlatform {
 public:
  Platform Get() {
    return {.starter = &starter_,
            .messages = &messages_,
            .input = &input_,
            .clipboard = &clipboard_,
            .urls = &urls_,
            .quit = &quit_,
            .time = &time_,
            .folder = &folder_,
            .watch = &starter_,
            .questions = &questions_,
            .language = &language_,
            .workingFolder = &workingFolder_};
  }

 private:
  DetachedProcessStarter starter_;
  MessageBoxSink messages_;
  InputDialogInput input_;
  SystemClipboard clipboard_;
  DesktopUrlOpener urls_;
  EventLoopQuit quit_;
  SteadyTime time_;
  CurrentFolderProbe folder_;
  MessageBoxQuestion questions_;
  UserSystemLanguage language_;
  ProcessWorkingFolder workingFolder_;
};

}  // namespace wv
