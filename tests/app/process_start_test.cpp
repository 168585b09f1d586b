#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/qt_platform.h"
#include "core/command_text.h"
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
    std::string program;
    ASSERT_TRUE(starter_.Start(CommandFor(game_, arguments), folder_.Path().native(), program));
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
  std::string program;
  ASSERT_TRUE(starter_.Start(
      CommandFor("/bin/sh",
                 {"-c", "cut -d' ' -f6 /proc/$$/stat > \"$0.part\" && mv \"$0.part\" \"$0\"",
                  session.native()}),
      "", program));
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  ASSERT_TRUE(WaitForFile(session));
  EXPECT_NE(std::stol(folder_.Read("session")), static_cast<long>(getsid(0)));
}

// Each name with how Lay puts the program there (null: not at all).
const std::pair<const char*, const char*> kFailureCases[] = {
    {"missing", nullptr}, {"a folder", "/"}, {"not executable", "!"}, {"dangling link", "@"}};

// Root may read and write anything, but exec still needs an execute bit and
// a file: the start fails, says so, and names the program.
TEST_F(ProcessStartTest, FailedStartNamesTheProgram) {
  for (const auto& [name, mark] : kFailureCases) {
    SCOPED_TRACE(name);
    const fs::path program = folder_ / (std::string(name) + " qr7.exe");
    if (mark) Lay(folder_.Path(), program.filename().string() + mark);
    std::string named;
    EXPECT_FALSE(starter_.Start(CommandFor(program, {"-console"}), folder_.Path().native(), named));
    EXPECT_EQ(named, program.native());
  }
  EXPECT_FALSE(fs::exists(record_));
}

// A working folder that is gone, and a NUL byte, which exec cannot pass:
// cutting the argument short would start the game with other options.
TEST_F(ProcessStartTest, UnrunnableCommandsAreRefused) {
  const struct {
    std::string command;
    std::string workDir;
  } cases[] = {
      {CommandFor(game_, {}), (folder_ / "gone").native()},
      {CommandFor(game_, {std::string("a\0b", 3)}), ""},
  };
  for (const auto& c : cases) {
    std::string named;
    EXPECT_FALSE(starter_.Start(c.command, c.workDir, named));
    EXPECT_EQ(named, game_.native());
  }
  EXPECT_FALSE(fs::exists(record_));
}

}  // namespace
}  // namespace wv::test
