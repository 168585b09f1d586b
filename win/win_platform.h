#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "core/launcher_controller.h"
#include "platform/ports.h"
#include "platform/process_starter.h"
#include "win/join_link_registry.h"

namespace wv {

// The dialogs' owner: the launcher's window once it shows, none before.
struct OwnerWindow {
  HWND window = nullptr;
};

class MessageBoxSink : public MessageSink {
 public:
  explicit MessageBoxSink(const OwnerWindow& owner) : owner_(owner) {}
  void Show(const std::string& title, const std::string& text) override;

 private:
  const OwnerWindow& owner_;
};

class PasswordDialogInput : public TextInput {
 public:
  explicit PasswordDialogInput(const OwnerWindow& owner) : owner_(owner) {}
  std::optional<std::string> Ask(const PasswordDialogTexts& texts, int maxLength) override;

 private:
  const OwnerWindow& owner_;
};

class SystemClipboard : public ClipboardSink {
 public:
  explicit SystemClipboard(const OwnerWindow& owner) : owner_(owner) {}
  void SetText(const std::string& text) override;

 private:
  const OwnerWindow& owner_;
};

class ShellUrlOpener : public UrlOpener {
 public:
  bool Open(const std::string& url) override;
  bool OpenPath(const std::filesystem::path& path) override;
};

class MessageLoopQuit : public QuitRequester {
 public:
  void RequestQuit() override { PostQuitMessage(0); }
};

class SteadyTime : public TimeSource {
 public:
  std::chrono::steady_clock::time_point Now() override { return std::chrono::steady_clock::now(); }
};

// A message box with the buttons yes and no, captioned in the player's
// language.
class MessageBoxQuestion : public YesNoQuestion {
 public:
  explicit MessageBoxQuestion(const OwnerWindow& owner) : owner_(owner) {}
  bool AskYesNo(const std::string& title, const std::string& question, const std::string& yes,
                const std::string& no) override;

 private:
  const OwnerWindow& owner_;
};

class UserSystemLanguage : public SystemLanguage {
 public:
  std::string Locale() override;
};

class ProcessWorkingFolder : public WorkingFolder {
 public:
  bool Enter(const std::filesystem::path& folder) override;
};

// The current folder as the system names it, wide and in the ANSI code page
// (the command line's) where that spells it, its files and the system's
// program search.
class CurrentFolderProbe : public GameFolderProbe {
 public:
  LaunchEnvironment Probe() override;
};

// The launcher's own folder and the current folder.
StartFolders DefaultStartFolders();

// The real adapters, alive as long as the window that uses them.
class WinPlatform {
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
            .workingFolder = &workingFolder_,
            .joinLinks = &joinLinks_};
  }
  void SetOwner(HWND window) { owner_.window = window; }

 private:
  OwnerWindow owner_;
  DetachedProcessStarter starter_;
  MessageBoxSink messages_{owner_};
  PasswordDialogInput input_{owner_};
  SystemClipboard clipboard_{owner_};
  ShellUrlOpener urls_;
  MessageLoopQuit quit_;
  SteadyTime time_;
  CurrentFolderProbe folder_;
  MessageBoxQuestion questions_{owner_};
  UserSystemLanguage language_;
  ProcessWorkingFolder workingFolder_;
  ClassesJoinLinkRegistry joinLinks_;
};

}  // namespace wv
