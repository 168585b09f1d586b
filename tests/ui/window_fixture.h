#pragma once

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QTabBar>
#include <QTest>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/launcher_window.h"
#include "app/qt_platform.h"
#include "core/command_text.h"
#include "core/ports.h"
#include "tests/support/desktop_session.h"
#include "tests/support/launcher_files.h"
#include "tests/support/stand_in_game.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_layout.h"

namespace wv::test {

struct RecordingStarter : ProcessStarter {
  struct Call {
    std::string command, workDir;
  };
  std::vector<Call> calls;
  bool succeed = true;

  std::optional<StartFailure> Start(const std::string& commandText,
                                    const std::string& workDir) override {
    calls.push_back({commandText, workDir});
    if (succeed) return std::nullopt;
    return StartFailure{SplitCommandText(commandText).front(), "Permission denied"};
  }
};

// Time that moves only when the test moves it.
struct SteppedTime : TimeSource {
  std::chrono::steady_clock::time_point now{std::chrono::hours(1)};
  std::chrono::steady_clock::time_point Now() override { return now; }
};

struct RecordingMessages : MessageSink {
  struct Box {
    std::string title, text;
  };
  std::vector<Box> boxes;
  std::function<void()> onShow;  // runs while the box would be up
  void Show(const std::string& title, const std::string& text) override {
    boxes.push_back({title, text});
    if (onShow) onShow();
  }
};

struct ScriptedInput : TextInput {
  std::deque<std::optional<std::string>> answers;
  std::vector<std::string> titles;
  std::optional<std::string> Ask(const PasswordDialogTexts& texts, int) override {
    titles.push_back(texts.title);
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

struct RecordingClipboard : ClipboardSink {
  std::vector<std::string> texts;
  void SetText(const std::string& text) override { texts.push_back(text); }
};

struct RecordingUrls : UrlOpener {
  std::vector<std::string> opened;
  bool Open(const std::string& url) override {
    opened.push_back(url);
    return true;
  }
};

struct RecordingQuit : QuitRequester {
  int requests = 0;
  void RequestQuit() override { ++requests; }
};

struct FakePlatform {
  RecordingStarter starter;
  RecordingMessages messages;
  ScriptedInput input;
  RecordingClipboard clipboard;
  RecordingUrls urls;
  RecordingQuit quit;
  SteppedTime time;
  CurrentFolderProbe folder;
  Platform Get() { return PlatformOf(*this); }
};

// A fresh game folder that is the working folder while the test runs.
class GameFolder : public TempFolder {
 public:
  GameFolder() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(Path());
  }
  ~GameFolder() { std::filesystem::current_path(previous_); }

  void WriteSettings(const std::string& body) const { WriteCurrentSettings(Path(), body); }
  // D as the launcher reports it.
  static std::string Folder() { return QDir::currentPath().toStdString(); }

 private:
  std::filesystem::path previous_;
};

inline std::unique_ptr<LauncherWindow> OpenLauncher(const GameFolder& folder,
                                                    FakePlatform& platform) {
  return std::make_unique<LauncherWindow>(platform.Get(),
                                          StartFolders{folder.Path(), folder.Path()});
}

// A game folder holding the engine and a fake platform, which the test sets
// up before it opens the window over them.
struct GameWindow {
  GameFolder folder;
  FakePlatform platform;
  std::unique_ptr<LauncherWindow> launcher;

  GameWindow() { folder.Write("qr7.exe", ""); }
  LauncherWindow& Open() {
    launcher = OpenLauncher(folder, platform);
    return *launcher;
  }
  // Opens the window on screen, where clicks reach it.
  LauncherWindow& Show() {
    Open().show();
    if (!QTest::qWaitForWindowExposed(launcher.get())) qFatal("window not exposed");
    return *launcher;
  }
};

// A menu's entries are made with the menu, when it is first asked for.
inline void MakeMenus(const LauncherWindow& launcher) {
  for (const Menu& menu : launcher.Model().Menus()) launcher.Menu(menu.id);
}

inline QAction* FindAction(const LauncherWindow& launcher, const char* id) {
  MakeMenus(launcher);
  auto* action = launcher.findChild<QAction*>(QString::fromLatin1(id));
  if (action == nullptr) qFatal("no menu entry %s", id);
  return action;
}

inline QString TextOf(const LauncherWindow& launcher, const char* name) {
  auto* widget = launcher.findChild<QWidget*>(QString::fromLatin1(name));
  if (widget == nullptr) qFatal("no control %s", name);
  return widget->property("text").toString();
}

inline QTabBar* Tabs(const LauncherWindow& launcher) {
  return launcher.findChild<QTabBar*>(QStringLiteral("tabBar"));
}

inline QStringList VisibleTabs(const LauncherWindow& launcher) {
  QStringList captions;
  QTabBar* tabs = Tabs(launcher);
  for (int i = 0; i < tabs->count(); ++i) {
    if (tabs->isTabVisible(i)) captions << tabs->tabText(i);
  }
  return captions;
}

inline void ClickTab(const LauncherWindow& launcher, const QString& caption) {
  QTabBar* tabs = Tabs(launcher);
  for (int i = 0; i < tabs->count(); ++i) {
    if (tabs->isTabVisible(i) && tabs->tabText(i) == caption) {
      QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
      return;
    }
  }
  qFatal("no tab %s", qPrintable(caption));
}

// Presses whatever the window shows at that point, as a user would.
inline void ClickAt(LauncherWindow& launcher, QPoint point,
                    Qt::MouseButton button = Qt::LeftButton) {
  QWidget* target = launcher.childAt(point);
  if (target == nullptr) qFatal("nothing at %d,%d", point.x(), point.y());
  QTest::mouseClick(target, button, {}, target->mapFrom(&launcher, point));
}

// The action button's tooltip as hovering it would show it now.
inline QString GoToolTip(LauncherWindow& launcher) {
  auto* go = launcher.findChild<QWidget*>(QStringLiteral("actionButton"));
  const QPoint centre = go->rect().center();
  QHelpEvent hover(QEvent::ToolTip, centre, go->mapToGlobal(centre));
  QApplication::sendEvent(go, &hover);
  return go->toolTip();
}

// Where the end-to-end tests click the action button too.
inline const QPoint kGoButtonCentre = ClickPoint("actionButton");

}  // namespace wv::test
