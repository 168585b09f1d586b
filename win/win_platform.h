#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "core/launcher_controller.h"
#include "core/ports.h"
#include "platform/process_starter.h"
#include "platform/steady_time.h"
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
struct WinPlatform {
  Platform Get() { return PlatformOf(*this); }
  void SetOwner(HWND window) { owner.window = window; }

  OwnerWindow owner;
  DetachedProcessStarter starter;
  GameWatch& watch = starter;
  MessageBoxSink messages{owner};
  PasswordDialogInput input{owner};
  SystemClipboard clipboard{owner};
  ShellUrlOpener urls;
  MessageLoopQuit quit;
  SteadyTime time;
  CurrentFolderProbe folder;
  MessageBoxQuestion questions{owner};
  UserSystemLanguage language;
  ProcessWorkingFolder workingFolder;
  ClassesJoinLinkRegistry joinLinks;
};

}  // namespace wv
