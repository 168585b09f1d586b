#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <filesystem>
#include <initializer_list>

#include "tests/support/temp_folder.h"

namespace wv::test {

// The environment a program under test starts with: nothing of the host's
// but the display and the session bus the test itself runs on. HOME, the XDG
// folders and PATH are the test's own, so an installed wine, desktop opener
// or user setting never decides a result. PATH holds the tools the stand-ins
// use and the folders a case adds, nothing else.
class OwnEnvironment {
 public:
  OwnEnvironment() {
    namespace fs = std::filesystem;
    for (const char* folder : {"home", "config", "data", "cache", "state", "bin"}) {
      fs::create_directory(root_ / folder);
    }
    fs::create_directory(root_ / "runtime");
    fs::permissions(root_ / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    for (const char* tool : {"mv"}) {
      const QString found = QStandardPaths::findExecutable(QString::fromLatin1(tool));
      if (!found.isEmpty()) fs::create_symlink(found.toStdString(), root_ / "bin" / tool);
    }
  }

  // Puts `folder` on PATH before the folders there already.
  void AddToPath(const std::filesystem::path& folder) {
    path_.prepend(QString::fromStdString(folder.native()));
  }
  // Sets or replaces one variable.
  void Set(const QString& name, const QString& value) { extra_.insert(name, value); }
  // Leaves out one that would be there.
  void Drop(const QString& name) { dropped_ << name; }

  QProcessEnvironment Get() const {
    QProcessEnvironment environment;
    const auto folder = [&](const char* name) {
      return QString::fromStdString((root_ / name).native());
    };
    // What the test runs on, and what it sets for the programs it starts.
    for (const char* passed :
         {"DISPLAY", "XAUTHORITY", "DBUS_SESSION_BUS_ADDRESS", "WV_TEST_RECORD",
          "QTWEBENGINE_DISABLE_SANDBOX", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "ASAN_OPTIONS",
          "UBSAN_OPTIONS"}) {
      const QByteArray value = qgetenv(passed);
      if (!value.isEmpty()) environment.insert(passed, QString::fromLocal8Bit(value));
    }
    environment.insert("HOME", folder("home"));
    environment.insert("XDG_CONFIG_HOME", folder("config"));
    environment.insert("XDG_DATA_HOME", folder("data"));
    environment.insert("XDG_CACHE_HOME", folder("cache"));
    environment.insert("XDG_STATE_HOME", folder("state"));
    environment.insert("XDG_RUNTIME_DIR", folder("runtime"));
    environment.insert("XDG_CONFIG_DIRS", "/etc/xdg");
    environment.insert("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    environment.insert("LANG", "C.UTF-8");
    environment.insert("PATH", (path_ + QStringList{folder("bin")}).join(':'));
    for (const QString& name : dropped_) environment.remove(name);
    for (const QString& name : extra_.keys()) environment.insert(name, extra_.value(name));
    return environment;
  }

 private:
  TempFolder root_;
  QStringList path_;
  QStringList dropped_;
  QProcessEnvironment extra_;
};

// What a suite needs of the machine before any of its cases can run.
enum class Need { Display, Xdotool, Xclip, SessionBus, Atspi, Weston };

// Why the suite cannot run here; null when it can.
inline const char* Missing(std::initializer_list<Need> needs) {
  const auto absent = [](const char* program) {
    return QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty();
  };
  for (const Need need : needs) {
    switch (need) {
      case Need::Display:
        if (qEnvironmentVariableIsEmpty("DISPLAY")) return "needs an X display";
        break;
      case Need::Xdotool:
        if (absent("xdotool")) return "needs xdotool";
        break;
      case Need::Xclip:
        if (absent("xclip")) return "needs xclip";
        break;
      case Need::SessionBus:
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return "needs a session bus";
        break;
      case Need::Atspi:
        if (!std::filesystem::exists("/usr/lib/python3/dist-packages/pyatspi")) {
          return "needs python3-pyatspi";
        }
        break;
      case Need::Weston:
        if (absent("weston")) return "needs weston";
        break;
    }
  }
  return nullptr;
}

// ctest counts a suite that ends with this code as skipped (SKIP_RETURN_CODE).
inline constexpr int kSuiteSkipped = 77;

// The exit code of a suite that cannot run for `missing`: skipped on a
// developer's machine, failed under CI, which installs everything the suites
// need, so that a missing install step never passes for a green run.
inline int SkipSuite(const char* missing) {
  const bool ci = qgetenv("CI") == "true";
  std::fprintf(stderr, "%s: %s\n", ci ? "FAIL (skipped under CI)" : "SKIP", missing);
  return ci ? 1 : kSuiteSkipped;
}

}  // namespace wv::test
