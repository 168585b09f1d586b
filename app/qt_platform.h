#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/platform.h"

namespace wv {

// Starts the game detached so that it outlives the launcher. On Windows the
// command text is handed over unchanged; elsewhere it is split by the
// Windows rules into program and arguments.
class DetachedProcessStarter : public ProcessStarter {
 public:
  std::optional<StartFailure> Start(const std::string& commandText,
                                    const std::string& workDir) override;
};

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
  void Open(const std::string& url) override;
};

class EventLoopQuit : public QuitRequester {
 public:
  void RequestQuit() override;
};

class SteadyTime : public TimeSource {
 public:
  std::chrono::steady_clock::time_point Now() override { return std::chrono::steady_clock::now(); }
};

// The program of a bare name where the system's search finds it.
std::optional<std::string> FindProgramOnPath(std::string_view name);

// The real adapters, alive as long as the window that uses them.
class QtPlatform {
 public:
  Platform Get() { return {&starter_, &messages_, &input_, &clipboard_, &urls_, &quit_, &time_}; }

 private:
  DetachedProcessStarter starter_;
  MessageBoxSink messages_;
  InputDialogInput input_;
  SystemClipboard clipboard_;
  DesktopUrlOpener urls_;
  EventLoopQuit quit_;
  SteadyTime time_;
};

}  // namespace wv
