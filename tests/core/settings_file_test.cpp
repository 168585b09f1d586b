#include "core/settings_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <optional>
#include <set>
#include <string>

#include "core/profile_writer.h"
#include "core/settings_lock.h"
#include "core/startup.h"
#include "tests/support/english_text.h"
#include "tests/support/launcher_files.h"
#include "tests/support/profile_writes.h"

namespace wv {
namespace {

using test::EnglishText;

using namespace std::literals;

const struct {
  const char* name;
  std::string content;
  const char *section, *key;
  std::optional<std::string> expected;  // nullopt: the default
  bool readerOnly = false;              // the file's encoding is the reader's business
} kReadCases[] = {
    // How the platform's own profile reader behaves.
    {"blanks around value", "[S]\r\nK= V \r\n", "S", "K", "V"},
    {"tabs around value", "[S]\r\nK=\tV\t\r\n", "S", "K", "V"},
    {"blanks around key", "[S]\r\n K =V\r\n", "S", "K", "V"},
    {"blank before header", " [S]\r\nK=V\r\n", "S", "K", "V"},
    {"blanks inside header", "[ x ]\r\nK=V\r\n", "x", "K", "V"},
    {"double quotes", "[S]\r\nK=  \"   V   \"  \r\n", "S", "K", "   V   "},
    {"single quotes", "[S]\r\nK=  '   V   '  \r\n", "S", "K", "   V   "},
    {"mixed quotes kept", "[S]\r\nK=  \"   V   '  \r\n", "S", "K", "\"   V   '"},
    {"outer pair only", "[S]\r\nK=\"a\"b\"\r\n", "S", "K", "a\"b"},
    {"unclosed quote", "[S]\r\nK=\"a\r\n", "S", "K", "\"a"},
    {"comment line as key", "[S]\r\n;K=V\r\n", "S", ";K", std::nullopt},
    {"comment line", "[S]\r\n;K=V\r\n", "S", "K", std::nullopt},
    {"comment after blanks", "[S]\r\n  ;K=V\r\n", "S", "K", std::nullopt},
    {"semicolon in value", "[S]\r\nK=;nocomment\r\n", "S", "K", ";nocomment"},
    {"no inline comment", "[S]\r\nK=1 ;c\r\n", "S", "K", "1 ;c"},
    {"hash is text", "[S]\r\n#K=V\r\n", "S", "#K", "V"},
    {"first key wins", "[S]\r\nK=V\r\nK=V2\r\n", "S", "K", "V"},
    {"first section only", "[S]\r\nK=1\r\n[S]\r\nK=2\r\nJ=3\r\n", "S", "J", std::nullopt},
    {"lower-case names", "[S]\r\nK=V\r\n[S2]\r\nK2=V2\r\n", "s", "k", "V"},
    {"key before any section", "K=V\r\n[S]\r\nK2=V2\r\n", "", "K", std::nullopt},
    {"line without equals", "[S]\r\nnokey\r\n", "S", "nokey", std::nullopt},
    {"empty value", "[S]\r\nK=\r\n", "S", "K", ""},
    {"blank value", "[S]\r\nK= \r\n", "S", "K", ""},
    {"split at first equals", "[S]\r\nK = v = w\r\n", "S", "K", "v = w"},
    {"blank inside key", "[S]\r\n k k =1\r\n", "S", "k k", "1"},
    {"LF line ends", "[S]\nK=V\n", "S", "K", "V"},
    {"CR line ends", "[S]\rK=V\r", "S", "K", "V"},
    {"text after header", "[sec]whoops]\r\nK=V\r\n", "sec", "K", "V"},
    {"long value cut", "[S]\r\nK=" + std::string(3000, 'x') + "\r\n", "S", "K",
     std::string(2047, 'x')},
    // The launcher's own choices.
    {"byte-order mark skipped", "\xEF\xBB\xBF[S]\r\nK=V\r\n", "S", "K", "V"},
    {"lone quote kept", "[S]\r\nK=\"\r\n", "S", "K", "\""},
    {"empty quotes", "[S]\r\nK=''\r\n", "S", "K", ""},
    {"cut after unquoting", "[S]\r\nK=\"" + std::string(3000, 'y') + "\"\r\n", "S", "K",
     std::string(2047, 'y')},
    {"exactly the limit", "[S]\r\nK=" + std::string(2047, 'z'), "S", "K", std::string(2047, 'z')},
    {"last line unended", "[S]\r\nA=1\r\nK=V", "S", "K", "V"},
    {"mixed line ends", "[A]\rX=1\n[S]\r\nK=V\r", "S", "K", "V"},
    {"key case", "[Application]\r\nSkip Intro=No\r\n", "APPLICATION", "skip intro", "No"},
    {"other section skipped", "[A]\r\nK=1\r\n[B]\r\nK=2\r\n", "B", "K", "2"},
    {"key not in section", "[A]\r\nK=1\r\n[B]\r\nJ=2\r\n", "B", "K", std::nullopt},
    {"missing section", "[A]\r\nK=1\r\n", "B", "K", std::nullopt},
    {"empty file", "", "S", "K", std::nullopt},
    // "[B" lacks its "]": it opens nothing, so the keys below stay in [A].
    {"unclosed header, old section", "[A]\r\n[B\r\nK=V\r\n", "A", "K", "V"},
    {"unclosed header, no section", "[A]\r\n[B\r\nK=V\r\n", "B", "K", std::nullopt},
    {"unclosed header with equals", "[A]\r\n[B=x\r\n", "A", "[B", "x"},
    {"NUL bytes are text", "[S]\r\nK=a\0b\r\n"s, "S", "K", "a\0b"s},
    {"NUL in key", "[S]\r\nK\0=1\r\nK=2\r\n"s, "S", "K", "2"},
    {"invalid UTF-8 kept", "[S]\r\nK=\xFF\xC3\x28\xCF\xE0\r\n", "S", "K", "\xFF\xC3\x28\xCF\xE0"},
#ifndef _WIN32  // there the system's code page decides; compared with it in tests/windows
    // Saved as UTF-16 by an editor: read as UTF-8, as the system reads it in
    // its own narrow code page.
    {"UTF-16 LE", test::Utf16(u"[S]\r\nK=\u041A\u043B\u044E\u0447 \U0001F600\r\n"), "S", "K",
     "\xD0\x9A\xD0\xBB\xD1\x8E\xD1\x87 \xF0\x9F\x98\x80", true},
    {"UTF-16 BE", test::Utf16(u"[S]\r\nK=\u00E9t\u00E9\r\n", true), "S", "K", "\xC3\xA9t\xC3\xA9",
     true},
    {"UTF-16 lone surrogate", test::Utf16(u"[S]\nK=a") + "\x00\xD8"s + test::Utf16(u"b").substr(2),
     "S", "K",
     "a\xEF\xBF\xBD"
     "b",
     true},
    {"UTF-16 odd last byte", test::Utf16(u"[S]\nK=V") + "\x41", "S", "K", "V", true},
    {"UTF-16 mark alone", "\xFF\xFE", "S", "K", std::nullopt, true},
#endif
};

TEST(SettingsFileTest, ReadsValuesByTheProfileRules) {
  test::TempFolder folder;
  for (const auto& c : kReadCases) {
    SCOPED_TRACE(c.name);
    if (!c.readerOnly) {
      EXPECT_EQ(FindProfileValue(c.content, c.section, c.key), c.expected);
    }
    const SettingsReader reader(folder.Write("case.ini", c.content));
    EXPECT_EQ(reader.ReadText(c.section, c.key, "D"), c.expected.value_or("D"));
    // Inside an action the sections are looked up by hash: the same rules.
    const SettingsReader::ActionScope action(reader);
    EXPECT_EQ(reader.ReadText(c.section, c.key, "D"), c.expected.value_or("D")) << "in an action";
  }
}

// Every byte but the value stays, and the reader finds what was written.
TEST(SettingsFileTest, WritesValuesByTheProfileRules) {
  for (const test::ProfileWrite& w : test::kProfileWrites) {
    EXPECT_EQ(WithProfileValue(w.content, w.section, w.key, w.value), w.written) << w.name;
    EXPECT_EQ(FindProfileValue(w.written, w.section, w.key), w.value) << w.name;
  }
}

// Whole or not at all: under the lock, through a temporary file that takes
// the old file's permissions. A file the player keeps (read-only, a link) and
// one saved as UTF-16 stay as they are.
TEST(SettingsFileTest, ProfileWriteReplacesTheFileWhole) {
  namespace fs = std::filesystem;
  const std::string utf16 = test::Utf16(u"[S]\r\nK=1\r\n");
  const std::string old = "[S]\r\nK=1\r\n";
  const std::string written = "[S]\r\nK=v\r\nJ=w\r\n";
  // What the settings file's name is: the file itself with its permissions,
  // or another name of the file that holds the text.
  enum class Shape { Plain, Symlink, HardLink };
  const fs::perms readWrite = fs::perms::owner_read | fs::perms::owner_write;
  const struct {
    const char* name;
    std::optional<std::string> before;
    bool locked;
    ProfileWriteOutcome outcome;
    std::optional<std::string> after;
    Shape shape = Shape::Plain;
    fs::perms perms = readWrite | fs::perms::group_read | fs::perms::others_read;
  } cases[] = {
      {"written", old, false, ProfileWriteOutcome::Written, written},
      {"no file yet", std::nullopt, false, ProfileWriteOutcome::Written, written},
      {"another launcher holds the lock", old, true, ProfileWriteOutcome::Busy, old},
      {"saved as UTF-16", utf16, false, ProfileWriteOutcome::Utf16, utf16},
      {"read-only", old, false, ProfileWriteOutcome::KeptAsIs, old, Shape::Plain,
       fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read},
      {"second name of a file", old, false, ProfileWriteOutcome::KeptAsIs, old, Shape::HardLink},
#ifndef _WIN32  // permissions beyond read-only, and links, are the system's own
      {"private file stays private", old, false, ProfileWriteOutcome::Written, written,
       Shape::Plain, readWrite},
      {"group may write", old, false, ProfileWriteOutcome::Written, written, Shape::Plain,
       readWrite | fs::perms::group_read | fs::perms::group_write},
      {"symbolic link", old, false, ProfileWriteOutcome::KeptAsIs, old, Shape::Symlink},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempFolder folder;
    const fs::path file = folder.Path() / test::kIni;
    std::set<std::string> expected{std::string(kSettingsLockName)};
    if (c.before) {
      const std::string holder = c.shape == Shape::Plain ? std::string(test::kIni) : "held.ini";
      fs::permissions(folder.Write(holder, *c.before), c.perms);
      if (c.shape == Shape::Symlink) fs::create_symlink("held.ini", file);
      if (c.shape == Shape::HardLink) fs::create_hard_link(folder.Path() / holder, file);
      expected.insert(holder);
    }
    std::optional<SettingsLock> other;
    if (c.locked) other.emplace(folder.Path(), std::chrono::milliseconds(0));
    EXPECT_EQ(ProfileWriteRefusal(file),
              c.outcome == ProfileWriteOutcome::KeptAsIs || c.outcome == ProfileWriteOutcome::Utf16
                  ? std::optional(c.outcome)
                  : std::nullopt);
    EXPECT_EQ(
        WriteProfileValues(file, {{"S", "K", "v"}, {"S", "J", "w"}}, std::chrono::milliseconds(0)),
        c.outcome);
    EXPECT_EQ(ReadWholeFile(file).text, c.after);
    other.reset();
    if (c.before) {
      EXPECT_EQ(fs::symlink_status(file).type(),
                c.shape == Shape::Symlink ? fs::file_type::symlink : fs::file_type::regular);
#ifndef _WIN32  // the library tells neither there
      EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, c.perms) << "permissions kept";
      if (c.shape == Shape::HardLink) {
        EXPECT_EQ(fs::hard_link_count(file), 2U);
      }
#endif
    }
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder.Path())) {
      left.insert(entry.path().filename().string());
    }
    if (c.after) expected.insert(std::string(test::kIni));
    EXPECT_EQ(left, expected) << "no temporary file left";
    // The folder goes with its files, a read-only one included.
    if (c.before) fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
  }
}

TEST(SettingsFileTest, UnreadableFileGivesDefault) {
  namespace fs = std::filesystem;
  test::TempFolder folder;
  fs::create_directory(folder / "folder.ini");
  const auto locked = folder.Write("locked.ini", "[S]\r\nK=V\r\n");
  fs::permissions(locked, fs::perms::none);
  // Where the lock stops nobody, the row checks a missing file instead.
  const bool lockStops = test::PermissionsStopUs();
  fs::resize_file(folder.Write("huge.ini", "[S]\r\nK=V\r\n"), kMaxFileBytes + 1);
#ifndef _WIN32
  ::mkfifo((folder / "fifo.ini").c_str(), 0644);
  fs::create_symlink("/dev/zero", folder / "zero.ini");
#endif

  const struct {
    const char* name;
    SettingsReader reader;
    std::string problem;
  } cases[] = {
      {"no file named", SettingsReader(), ""},
      {"missing file", SettingsReader(folder / "missing.ini"), ""},
      {"missing folder", SettingsReader(folder / "none" / "missing.ini"), ""},
      {"folder instead of file", SettingsReader(folder / "folder.ini"), "not a regular file"},
      {"no permission", SettingsReader(lockStops ? locked : folder / "missing.ini"),
       lockStops ? "Permission denied" : ""},
      {"larger than the cap", SettingsReader(folder / "huge.ini"), "file too large"},
#ifndef _WIN32
      {"FIFO, never waited on", SettingsReader(folder / "fifo.ini"), "not a regular file"},
      {"link to an endless device", SettingsReader(folder / "zero.ini"), "not a regular file"},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.reader.ReadText("S", "K", "D"), "D");
    EXPECT_TRUE(c.reader.ReadYesNo("S", "K", "Yes"));
    EXPECT_EQ(EnglishText(c.reader.ReadProblem()), c.problem);
    const SettingsReader::ActionScope action(c.reader);
    EXPECT_EQ(c.reader.ReadText("S", "K", "D"), "D");
    EXPECT_EQ(EnglishText(c.reader.ReadProblem()), c.problem);
  }
}

// Names alike but for the case bit of bytes that are no letters ('@' and
// '`', '[' and '{') once shared one hash, and a file of them made every read
// walk them all.
TEST(SettingsFileTest, SectionNamesHashApartUnlessTheyDifferInCaseOnly) {
  std::set<std::size_t> hashes;
  for (int n = 0; n < 4096; ++n) {
    std::string name;
    for (int bit = 0; bit < 12; ++bit) name += (n >> bit & 1) ? '@' : '`';
    hashes.insert(SectionNameHash(name));
  }
  EXPECT_EQ(hashes.size(), 4096u);
  EXPECT_EQ(SectionNameHash("CustomMap12"), SectionNameHash("cUSTOMmAP12"));
  EXPECT_NE(SectionNameHash("Map_{"), SectionNameHash("Map_["));
}

TEST(SettingsFileTest, EveryReadSeesTheFileAsItIsNow) {
  test::TempFolder folder;
  const SettingsReader reader(folder / "live.ini");
  EXPECT_EQ(reader.ReadText("CustomMap1", "Versus", "No"), "No");
  folder.Write("live.ini", "[CustomMap1]\r\nVersus=yes\r\n");
  EXPECT_TRUE(reader.ReadYesNo("CustomMap1", "Versus", "No"));
  folder.Write("live.ini", "[CustomMap1]\r\nVersus=no\r\n");
  EXPECT_FALSE(reader.ReadYesNo("CustomMap1", "Versus", "No"));
  std::filesystem::remove(folder / "live.ini");
  EXPECT_EQ(reader.ReadText("CustomMap1", "Versus", "gone"), "gone");
}

TEST(SettingsFileTest, YesIsExactlyYesInAnyCase) {
  const struct {
    std::string_view text;
    bool yes;
  } cases[] = {
      {"Yes", true},   {"yes", true},   {"YES", true},     {"yEs", true},        {"", false},
      {"Y", false},    {"1", false},    {"true", false},   {"No", false},        {"YES ", false},
      {" YES", false}, {"YESS", false}, {"Y\0S"sv, false}, {"\xD9\xC5S", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsYes(c.text), c.yes) << '"' << c.text << '"';
}

TEST(SettingsFileTest, SwitchDefaultAppliesOnlyWhenKeyIsMissing) {
  test::TempFolder folder;
  const SettingsReader reader(folder.Write("s.ini", "[Application]\r\nUSEPrefix=\r\n"));
  EXPECT_FALSE(reader.ReadYesNo("Application", "USEPrefix", "Yes"));
  EXPECT_TRUE(reader.ReadYesNo("Application", "Console", "Yes"));
  EXPECT_FALSE(reader.ReadYesNo("Application", "ExitAfterRun", "No"));
}

}  // namespace
}  // namespace wv
