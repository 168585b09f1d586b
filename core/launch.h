#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/launcher_model.h"

namespace wv {

// A program the system's search found.
struct FoundProgram {
  // Most systems spell every path in the command line's code page.
  FoundProgram(std::string path, bool spelled = true)  // NOLINT(google-explicit-constructor)
      : path(std::move(path)), spelled(spelled) {}
  std::string path;  // as the command line carries it, '?' where its code page lacks a letter
  bool spelled;      // false: the command line cannot name it
};

struct LaunchEnvironment {
  // The game folder: the process's current folder, where the game starts.
  std::string currentFolder;                         // as the system reports it
  std::function<bool(std::string_view)> fileExists;  // name relative to the game folder
  char separator = '/';                              // between the folder and the executable
  std::string folderProblem = {};                    // why the folder is unknown (removed, say)
  // The game folder as the system names it, for the files the launcher opens
  // there; empty: currentFolder's bytes name it.
  std::filesystem::path folder = {};
  // False where the command line's code page cannot spell the game folder:
  // the command names the programs in it relative to the folder, where the
  // game starts anyway.
  bool folderSpelled = true;
  // The program of a bare name where the system's search finds it (PATH).
  std::function<std::optional<FoundProgram>(std::string_view)> findOnPath = {};
  // True where the system runs Windows programs itself: a program of the
  // wrong format there needs no wrapper, and none is offered.
  bool runsWindowsPrograms = false;
};

// What one press of the action button does.
struct LaunchDecision {
  enum class Kind { Nothing, StartGame, ShowMessage, ReloadMonitoring, OpenForum };
  Kind kind = Kind::Nothing;
  std::string command;       // StartGame: the whole command text
  std::string message;       // ShowMessage: the one line to show
  bool closeWindow = false;  // StartGame: exit after run, once the game runs
};

// Where the about page's link and the about tab's action lead.
inline constexpr std::string_view kForumUrl = key::kForumUrl.fallback;

// What the preview shows in place of each password (+password,
// +sv_password): players stream and share their screens.
inline constexpr std::string_view kPasswordMask = "********";

// A press of the action button as a decision; reads the settings at the moment of the press.
LaunchDecision DecideLaunch(const LauncherModel& model, const LaunchEnvironment& env);

// What a press would do now, in one line for the player, without doing it:
// the command text it would start, the message it would show instead, or
// what it opens. Empty when a press does nothing. Passwords show as
// kPasswordMask; the press itself starts the real ones.
std::string LaunchPreview(const LauncherModel& model, const LaunchEnvironment& env);

// Why the system did not start the program of a command.
struct StartFailure {
  std::string program;       // as the command names it
  std::string reason = {};   // the system's words; empty when unknown
  bool wrongFormat = false;  // the system runs no file of that format (a Windows program here)
  bool pathTooLong = false;  // the system starts no program from a path that long
};

// Whether a wrapper such as wine is the way out of the failure.
bool WrapperHelps(const StartFailure& failure, const LaunchEnvironment& env);

// The message shown when a start failed, with a way out when the system does
// not run the program's format: the keys to set by hand, after why the
// launcher did not set them itself (`settingsKept`) where it says so.
std::string StartFailedMessage(const LauncherModel& model, const StartFailure& failure,
                               const LaunchEnvironment& env, std::string_view settingsKept = {});

}  // namespace wv
