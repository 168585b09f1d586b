#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "app/platform.h"
#include "core/launch.h"
#include "core/launcher_model.h"

namespace wv {

class BottomBar;
class CaptionBar;
class CreatePage;
class JoinPage;
class MenuSet;
class MonitoringPage;
class PageControl;
class SettingsPage;

// Where start-up reads the settings file and where it checks, removes and
// writes it.
struct FormFolders {
  std::filesystem::path exeDir;
  std::filesystem::path workDir;
};
// The folder of the path the launcher was started by (`argv0`), links not
// followed, and the current folder.
FormFolders DefaultFormFolders(const char* argv0);

// The launcher's one window. It holds the model and shows it: each event
// makes one call into the model and then re-reads all of it.
class TMainForm : public QWidget {
  Q_OBJECT

 public:
  TMainForm(const Platform& platform, const FormFolders& folders, QWidget* parent = nullptr);
  ~TMainForm() override;

  const LauncherModel& Model() const { return model_; }
  bool QuitRequested() const { return quitRequested_; }
  // nullptr while the monitoring tab is not offered.
  MonitoringPage* Monitoring() const { return monitoring_; }
  // The control a model text goes to, by the text's control id (a designer
  // name, ".Hint" or ".Name" appended or not); nullptr for a name the window
  // does not have.
  QWidget* Control(std::string_view control) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWindow();
  void FormCreate(const FormFolders& folders);
  void Refresh();
  // The control of a name the model uses; the window must have it.
  QWidget* Bound(std::string_view control) const;
  void ApplyText(const std::string& control, const std::string& text);
  QWidget* Page(Tab tab) const { return pages_[static_cast<std::size_t>(tab)]; }
  Tab ActivePage() const;
  void ShowMessage(const std::string& text);
  // The game folder as a press of the action button finds it now.
  LaunchEnvironment PressEnvironment() const;

  void RzPageControl1Change();
  void RzGoButtonClick();
  void RzToolButton2Click();
  void RzEdit1Change(const QString& text);
  void RzEdit2Change(const QString& text);
  void RzEdit3Change(const QString& text);
  void PopUp(const QString& menuId, const QPoint& at);
  void MenuEntryClick(const QString& entryId);

  LauncherModel model_;
  Platform platform_;
  bool quitRequested_ = false;

  CaptionBar* caption_ = nullptr;
  PageControl* pageControl_ = nullptr;
  std::array<QWidget*, 5> pages_{};
  CreatePage* create_ = nullptr;
  JoinPage* join_ = nullptr;
  SettingsPage* settings_ = nullptr;
  BottomBar* bottom_ = nullptr;
  MenuSet* menus_ = nullptr;
  MonitoringPage* monitoring_ = nullptr;
  QTimer* restTimer_ = nullptr;  // ends the action button's rest after a start
  // Every control by its designer name, the object name it carries.
  std::map<std::string, QWidget*, std::less<>> controls_;
};

}  // namespace wv
