#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "core/file_url.h"
#include "core/launch.h"
#include "core/launcher_model.h"
#include "core/run_log.h"

namespace wv {

// What the launcher asks of the system and of the user's desktop, behind
// small interfaces free of any toolkit: each front end gives its own, and
// tests answer dialogs in advance and record process starts. The front ends
// implement them in platform/ and beside their windows.

class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  // Starts the command text detached, in `workDir`; nullopt once it runs,
  // else why it does not.
  virtual std::optional<StartFailure> Start(const std::string& commandText,
                                            const std::string& workDir) = 0;
};

class TimeSource {
 public:
  virtual ~TimeSource() = default;
  virtual std::chrono::steady_clock::time_point Now() = 0;
};

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A modal box with the title, one line and OK; both display text (UTF-8).
  virtual void Show(const std::string& title, const std::string& text) = 0;
};

class TextInput {
 public:
  virtual ~TextInput() = default;
  // The texts are display text (UTF-8); the answer is the bytes typed, as
  // the game is to receive them. nullopt when cancelled.
  virtual std::optional<std::string> Ask(const PasswordDialogTexts& texts, int maxLength) = 0;
};

class ClipboardSink {
 public:
  virtual ~ClipboardSink() = default;
  // Display text (UTF-8).
  virtual void SetText(const std::string& text) = 0;
};

class UrlOpener {
 public:
  virtual ~UrlOpener() = default;
  // Hands the address to the desktop's opener; false where none took it.
  virtual bool Open(const std::string& url) = 0;
  // A file or folder of this system. As a file: URL of the path's bytes
  // unless the system's opener takes the path as it names it.
  virtual bool OpenPath(const std::filesystem::path& path) { return Open(FileUrl(path.string())); }
};

class QuitRequester {
 public:
  virtual ~QuitRequester() = default;
  // Asks the application to end at its next event-loop turn.
  virtual void RequestQuit() = 0;
};

class GameFolderProbe {
 public:
  virtual ~GameFolderProbe() = default;
  // Where a press looks for the game at this moment: the current folder as
  // the system names it, its files and the system's program search.
  virtual LaunchEnvironment Probe() = 0;
};

class GameWatch {
 public:
  virtual ~GameWatch() = default;
  // The output and errors of the game the starter starts next go into
  // `logFile`, emptied. It is opened in place and only as a regular file,
  // never through a link nor waiting on a FIFO; the game keeps the
  // launcher's own output where it cannot be.
  virtual void SendOutputTo(const std::filesystem::path& logFile) = 0;
  // What became of the game started last within kEarlyEndWindow. Never waits.
  virtual GameOutcome Outcome() = 0;
  // False where nothing watches: no run log is made for the game then.
  virtual bool Watches() const { return true; }
};

class YesNoQuestion {
 public:
  virtual ~YesNoQuestion() = default;
  // A modal box with the title, one question and the buttons yes and no,
  // yes the default; all display text (UTF-8). True for yes.
  virtual bool AskYesNo(const std::string& title, const std::string& question,
                        const std::string& yes, const std::string& no) = 0;
  // False where no one can be asked: nothing is offered that needs a yes.
  virtual bool CanAsk() const { return true; }
};

class SystemLanguage {
 public:
  virtual ~SystemLanguage() = default;
  // The user's language as a locale name ("ru_RU.UTF-8", "ru"); empty when
  // the system names none.
  virtual std::string Locale() = 0;
};

class WorkingFolder {
 public:
  virtual ~WorkingFolder() = default;
  // Makes `folder` the current folder, where each press looks for the game;
  // false when the system refuses.
  virtual bool Enter(const std::filesystem::path& folder) = 0;
};

// Whether the system opens join links with this launcher. Only where the
// player decides it from the caption menu; elsewhere the menu entry the
// launcher is installed with registers them.
class JoinLinkRegistry {
 public:
  virtual ~JoinLinkRegistry() = default;
  virtual bool OpensHere() = 0;
  // Points join links at this launcher, or takes that away where they point
  // here; false when the system refused.
  virtual bool Set(bool here) = 0;
  // Where the system asks no player, the caption menu offers nothing.
  virtual bool Offered() const { return true; }
};

// The ports a system may lack, each standing in for what is missing.
namespace absent {

// A game's early end goes unnoticed.
class Watch final : public GameWatch {
 public:
  void SendOutputTo(const std::filesystem::path&) override {}
  GameOutcome Outcome() override { return {GameOutcome::Kind::Outlasted}; }
  bool Watches() const override { return false; }
};

// Every question is answered no.
class Questions final : public YesNoQuestion {
 public:
  bool AskYesNo(const std::string&, const std::string&, const std::string&,
                const std::string&) override {
    return false;
  }
  bool CanAsk() const override { return false; }
};

// The system names no language: the settings' or English holds.
class Language final : public SystemLanguage {
 public:
  std::string Locale() override { return {}; }
};

// The current folder stays where the launcher was started.
class Folder final : public WorkingFolder {
 public:
  bool Enter(const std::filesystem::path&) override { return false; }
};

// Join links are registered with the menu entry the launcher is installed
// with, not from the window.
class JoinLinks final : public JoinLinkRegistry {
 public:
  bool OpensHere() override { return false; }
  bool Set(bool) override { return false; }
  bool Offered() const override { return false; }
};

// They hold nothing, so every launcher may share them.
inline constinit Watch kWatch;
inline constinit Questions kQuestions;
inline constinit Language kLanguage;
inline constinit Folder kFolder;
inline constinit JoinLinks kJoinLinks;

}  // namespace absent

// The ports of one launcher, none of them null. The first eight every front
// end gives; the last five a system may lack, and those left unset stand
// for nothing there.
struct Platform {
  ProcessStarter* starter = nullptr;
  MessageSink* messages = nullptr;
  TextInput* input = nullptr;
  ClipboardSink* clipboard = nullptr;
  UrlOpener* urls = nullptr;
  QuitRequester* quit = nullptr;
  TimeSource* time = nullptr;
  GameFolderProbe* folder = nullptr;
  GameWatch* watch = &absent::kWatch;
  YesNoQuestion* questions = &absent::kQuestions;
  SystemLanguage* language = &absent::kLanguage;
  WorkingFolder* workingFolder = &absent::kFolder;
  JoinLinkRegistry* joinLinks = &absent::kJoinLinks;
};

// The ports of a set of adapters, each member named after its port; a set
// without one of the last five stands for nothing there. Every window and
// test wires its adapters through this alone.
template <typename Adapters>
Platform PlatformOf(Adapters& a) {
  Platform platform{.starter = &a.starter,
                    .messages = &a.messages,
                    .input = &a.input,
                    .clipboard = &a.clipboard,
                    .urls = &a.urls,
                    .quit = &a.quit,
                    .time = &a.time,
                    .folder = &a.folder};
  if constexpr (requires { a.watch; }) platform.watch = &a.watch;
  if constexpr (requires { a.questions; }) platform.questions = &a.questions;
  if constexpr (requires { a.language; }) platform.language = &a.language;
  if constexpr (requires { a.workingFolder; }) platform.workingFolder = &a.workingFolder;
  if constexpr (requires { a.joinLinks; }) platform.joinLinks = &a.joinLinks;
  return platform;
}

}  // namespace wv
