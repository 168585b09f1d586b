#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/qt_platform.h"
#include "core/command_text.h"
#include "platform/posix/desktop_open.h"
#include "tests/support/stand_in_game.h"

namespace wv::test {
namespace {

namespace fs = std::filesystem;

std::string CommandFor(const fs::path& program, const std::vector<std::string>& arguments) {
  std::string command = "\"" + program.native() + "\"";
  for (const std::string& argument : arguments) command += " " + QuoteArgument(argument);
  return command;
}

class ProcessStartTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  const fs::path game_ = WriteStandIn(folder_ / "qr7.exe");
  const fs::path record_ = RecordInto(folder_.Path());
  DetachedProcessStarter starter_;
};

std::string LongArgument() {
  std::string text;
  while (text.size() < 10000) text += "a \"b\\ \xd0\x96\xcf\t";
  return text.substr(0, 10000);
}

const std::pair<const char*, std::vector<std::string>> kArgumentCases[] = {
    {"blanks", {"two words", " lead", "trail ", "tab\there"}},
    {"quotes", {"say \"hi\"", "\"", "\"\"", "'single'"}},
    {"backslashes", {"C:\\games\\", "\\\\server\\share", "back\\\"slash", "\\"}},
    {"line breaks", {"line\nbreak", "cr\r\nlf", "\n"}},
    {"empty", {"", "+password", ""}},
    {"utf-8", {"\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82", "na\xc3\xafve"}},
    {"invalid utf-8", {"\xcf\xf0\xe8\xe2\xe5\xf2", "\xff\xfe", "\x80", "a\xc3"}},
    {"10 000 characters", {LongArgument()}},
};

// Each argument reaches the game byte for byte, as one argument, in the
// folder it was started in.
TEST_F(ProcessStartTest, ArgumentsArriveByteForByte) {
  for (const auto& [name, arguments] : kArgumentCases) {
    SCOPED_TRACE(name);
    fs::remove(record_);
    ASSERT_EQ(starter_.Start(CommandFor(game_, arguments), folder_.Path().native()), std::nullopt);
    ASSERT_TRUE(WaitForFile(record_));
    std::vector<std::string> expected = {game_.native(), fs::canonical(folder_.Path()).native()};
    expected.insert(expected.end(), arguments.begin(), arguments.end());
    EXPECT_EQ(ReadRecord(record_), expected);
  }
}

// The game is nobody's child here and leads no session of the launcher's:
// it outlives the launcher and leaves no zombie behind.
TEST_F(ProcessStartTest, GameIsDetached) {
  const fs::path session = folder_ / "session";
  ASSERT_EQ(starter_.Start(CommandFor("/bin/sh", {"-c",
                                                  "cut -d' ' -f6 /proc/$$/stat > \"$0.part\" && "
                                                  "mv \"$0.part\" \"$0\"",
                                                  session.native()}),
                           ""),
            std::nullopt);
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  ASSERT_TRUE(WaitForFile(session));
  EXPECT_NE(std::stol(folder_.Read("session")), static_cast<long>(getsid(0)));
}

// The web engine makes the launcher ignore SIGPIPE; the game must not start
// with that, nor with signals the starting thread blocks.
TEST_F(ProcessStartTest, GameStartsWithDefaultSignals) {
  struct sigaction ignore {
  }, saved{};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGPIPE, &ignore, &saved);
  sigset_t blocked, previous;
  sigemptyset(&blocked);
  sigaddset(&blocked, SIGUSR1);
  ::pthread_sigmask(SIG_BLOCK, &blocked, &previous);
  const fs::path status = folder_ / "status";
  const auto failure = starter_.Start(
      CommandFor("/bin/sh", {"-c",
                             "grep -E '^Sig(Ign|Blk)' /proc/self/status > \"$0.part\" && "
                             "mv \"$0.part\" \"$0\"",
                             status.native()}),
      "");
  ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  ::sigaction(SIGPIPE, &saved, nullptr);
  ASSERT_EQ(failure, std::nullopt);
  ASSERT_TRUE(WaitForFile(status));
  // Masks in hexadecimal, signal n as bit n - 1.
  unsigned long long ignored = 0, blockedMask = 0;
  std::istringstream lines(folder_.Read("status"));
  for (std::string name, mask; lines >> name >> mask;) {
    (name == "SigIgn:" ? ignored : blockedMask) = std::stoull(mask, nullptr, 16);
  }
  EXPECT_EQ(ignored & (1ULL << (SIGPIPE - 1)), 0u) << "SIGPIPE still ignored";
  EXPECT_EQ(blockedMask & (1ULL << (SIGUSR1 - 1)), 0u) << "SIGUSR1 still blocked";
}

// Each name with how Lay puts the program there (null: not at all), and the
// system's reason.
const struct {
  const char* name;
  const char* mark;
  const char* reason;
  bool wrongFormat = false;
} kFailureCases[] = {
    {"missing", nullptr, "No such file or directory"},
    {"a folder", "/", "Permission denied"},
    {"not executable", "!", "Permission denied"},
    {"dangling link", "@", "No such file or directory"},
    {"a Windows program", "?", "Exec format error", true},
};

// Root may read and write anything, but exec still needs an execute bit and
// a file of a format the system runs: the start fails, names the program
// and says why.
TEST_F(ProcessStartTest, FailedStartNamesTheProgramAndTheReason) {
  for (const auto& c : kFailureCases) {
    SCOPED_TRACE(c.name);
    const fs::path program = folder_ / (std::string(c.name) + " qr7.exe");
    if (c.mark) Lay(folder_.Path(), program.filename().string() + c.mark);
    const auto failure = starter_.Start(CommandFor(program, {"-console"}), folder_.Path().native());
    ASSERT_NE(failure, std::nullopt);
    EXPECT_EQ(failure->program, program.native());
    EXPECT_EQ(failure->reason, c.reason);
    EXPECT_EQ(failure->wrongFormat, c.wrongFormat);
  }
  EXPECT_FALSE(fs::exists(record_));
}

// A working folder that is gone, and a NUL byte, which exec cannot pass:
// cutting the argument short would start the game with other options.
TEST_F(ProcessStartTest, UnrunnableCommandsAreRefused) {
  const struct {
    std::string command;
    std::string workDir;
    const char* reason;
  } cases[] = {
      {CommandFor(game_, {}), (folder_ / "gone").native(), "No such file or directory"},
      {CommandFor(game_, {std::string("a\0b", 3)}), "", "Invalid argument"},
  };
  for (const auto& c : cases) {
    const auto failure = starter_.Start(c.command, c.workDir);
    ASSERT_NE(failure, std::nullopt);
    EXPECT_EQ(failure->program, game_.native());
    EXPECT_EQ(failure->reason, c.reason);
  }
  EXPECT_FALSE(fs::exists(record_));
}

// The desktop's opener: xdg-open where PATH has it, else gio's open; with
// neither the caller learns so, to name the address to the player.
TEST_F(ProcessStartTest, DesktopOpenerTriesXdgOpenThenGio) {
  const std::string address = "file:///tmp/a%20b";
  const struct {
    const char* name;
    std::vector<std::string> onPath;
    std::vector<std::string> words;  // the opener's, after its working folder; none: false
  } cases[] = {
      {"neither", {}, {}},
      {"xdg-open", {"xdg-open", "gio"}, {"xdg-open", address}},
      {"gio alone", {"gio"}, {"gio", "open", address}},
      {"xdg-open that cannot run", {"xdg-open!", "gio"}, {"gio", "open", address}},
  };
  const char* const path = std::getenv("PATH");
  const std::string kept = path != nullptr ? path : "";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder bin;
    for (const std::string& entry : c.onPath) Lay(bin.Path(), entry);
    // The stand-in's one outside tool; no opener of the machine is found.
    fs::create_symlink(fs::canonical("/bin/mv"), bin / "mv");
    setenv("PATH", bin.Path().c_str(), 1);
    fs::remove(record_);
    const bool opened = OpenOnDesktop(address);
    setenv("PATH", kept.c_str(), 1);
    EXPECT_EQ(opened, !c.words.empty());
    if (c.words.empty()) continue;
    ASSERT_TRUE(WaitForFile(record_));
    std::vector<std::string> record = ReadRecord(record_);
    ASSERT_GE(record.size(), 2U);
    EXPECT_EQ(fs::path(record[0]).filename(), c.words[0]);
    record.erase(record.begin(), record.begin() + 2);
    EXPECT_EQ(record, std::vector(c.words.begin() + 1, c.words.end()));
  }
}

// Watched through its first seconds, the game writes its output and errors
// into the log, and its end within them comes back with its status; one that
// outlasts them is told as such and keeps running, nobody's child.
TEST_F(ProcessStartTest, WatchedStartTellsAnEarlyEnd) {
  using K = GameOutcome::Kind;
  const struct {
    const char* name;
    std::string script;
    GameOutcome outcome;
    std::string log;
  } cases[] = {
      {"fails", "echo out; echo 'no display' >&2; exit 1", {K::Exited, 1}, "out\nno display\n"},
      {"killed", "kill -SEGV $$", {K::Signalled, SIGSEGV}, ""},
      {"ends well", "echo fine", {K::Exited, 0}, "fine\n"},
      {"outlasts", "echo up; sleep 6; echo still > \"$0\"", {K::Outlasted}, "up\n"},
  };
  const fs::path log = folder_ / "run.log";
  const fs::path still = folder_ / "still";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    starter_.SendOutputTo(log.native());
    ASSERT_EQ(starter_.Start(CommandFor("/bin/sh", {"-c", c.script, still.native()}), ""),
              std::nullopt);
    GameOutcome outcome{K::Pending};
    const auto end = std::chrono::steady_clock::now() + kEarlyEndWindow + std::chrono::seconds(5);
    while ((outcome = starter_.Outcome()).kind == K::Pending &&
           std::chrono::steady_clock::now() < end) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(outcome.kind, c.outcome.kind);
    EXPECT_EQ(outcome.number, c.outcome.number);
    EXPECT_EQ(folder_.Read("run.log"), c.log);
  }
  // Neither the games nor the processes that watched them are left to reap.
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_TRUE(WaitForFile(still)) << "the game outlasting the watch ran on";
}

// A log name held by anything but a regular file is neither written through
// nor waited on: the game starts without a log and the planted thing stays.
TEST_F(ProcessStartTest, WatchedStartNeverWritesThroughThePlantedLog) {
  const fs::path log = folder_ / "run.log";
  const fs::path victim = folder_ / "victim";
  const struct {
    const char* name;
    void (*plant)(const fs::path& log, const fs::path& victim);
  } cases[] = {
      {"link to a file", [](const fs::path& l, const fs::path& v) { fs::create_symlink(v, l); }},
      {"link to nowhere",
       [](const fs::path& l, const fs::path& v) { fs::create_symlink(v.string() + "-not", l); }},
      {"FIFO", [](const fs::path& l, const fs::path&) { ::mkfifo(l.c_str(), 0666); }},
      {"folder", [](const fs::path& l, const fs::path&) { fs::create_directory(l); }},
      {"link to a device",
       [](const fs::path& l, const fs::path&) { fs::create_symlink("/dev/null", l); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    folder_.Write("victim", "untouched\n");
    c.plant(log, victim);
    const fs::file_type planted = fs::symlink_status(log).type();
    starter_.SendOutputTo(log.native());
    ASSERT_EQ(starter_.Start(CommandFor("/bin/sh", {"-c", "echo out; exit 3"}), ""), std::nullopt);
    GameOutcome outcome{GameOutcome::Kind::Pending};
    const auto end = std::chrono::steady_clock::now() + kEarlyEndWindow + std::chrono::seconds(5);
    while ((outcome = starter_.Outcome()).kind == GameOutcome::Kind::Pending &&
           std::chrono::steady_clock::now() < end) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(outcome.kind, GameOutcome::Kind::Exited) << "started and watched";
    EXPECT_EQ(fs::symlink_status(log).type(), planted);
    EXPECT_EQ(folder_.Read("victim"), "untouched\n");
    EXPECT_FALSE(fs::exists(victim.string() + "-not"));
    fs::remove_all(log);
  }
}

}  // namespace
}  // namespace wv::test
