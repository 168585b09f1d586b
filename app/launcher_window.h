#pragma once

#include <QAccessible>
#include <QTimer>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "core/key_map.h"
#include "core/launcher_controller.h"
#include "core/ports.h"
#include "core/view_state.h"

namespace wv {

class BottomBar;
class CaptionBar;
class CreatePage;
class JoinPage;
class MenuSet;
class MonitoringPage;
class PageControl;
class PlainToolTips;
class SettingsPage;
class StyledMenu;

// The launcher's one window. It binds only: each widget event is one call
// into the controller, whose view state it then shows. The pages behind the
// first are filled when they are first shown, or at once for a screen reader.
class LauncherWindow : public QWidget, private QAccessible::ActivationObserver {
  Q_OBJECT

 public:
  LauncherWindow(const Platform& platform, const StartFolders& folders, QWidget* parent = nullptr);
  ~LauncherWindow() override;

  const LauncherModel& Model() const { return controller_.Model(); }
  bool QuitRequested() const { return controller_.QuitRequested(); }
  // A join link from the desktop or the monitoring page: the join tab filled.
  void OpenJoinLink(std::string_view link);
  // nullptr while the monitoring tab is not offered.
  MonitoringPage* Monitoring() const { return monitoring_; }
  // The widget of a control; its page is filled for it.
  QWidget* Widget(Control control);
  // Fills every page, as a screen reader finds the window.
  void FillPages();
  // A popup menu by its id, made with its entries when first asked for;
  // nullptr for no such menu.
  StyledMenu* Menu(std::string_view id) const;

 protected:
  // The window's keys, ahead of the focused control's own.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void setVisible(bool visible) override;

 private:
  void BuildWindow();
  // Makes the page's controls; false when there was nothing to make.
  bool FillPage(Tab tab);
  // Finds the controls made so far, takes their keys and puts them in the
  // Tab order.
  void FindWidgets();
  void Do(KeyCommand command, Control focused);
  void Show(const ViewState& view);
  // The part of a view that the pages show, again for a page just filled.
  void ShowPages(const ViewState& view);
  void accessibilityActiveChanged(bool active) override;
  QWidget* Page(Tab tab) const { return pages_[static_cast<std::size_t>(tab)]; }
  Tab CurrentTab() const;

  void OnTabChanged();
  void OnActionPressed();
  void OnClipboardPressed();
  void OnJoinAddressEdited(const QString& text);
  void OnJoinPortEdited(const QString& text);
  void OnJoinPasswordEdited(const QString& text);
  void OnMenuWanted(const QString& menuId, const QPoint& at, MenuOpening how);
  void OnMenuEntryChosen(const QString& entryId);
  void ShowCaptionMenu(const QPoint& at, MenuOpening how);
  void ShowRecentServers();

  LauncherController controller_;

  CaptionBar* caption_ = nullptr;
  PageControl* pageControl_ = nullptr;
  std::array<QWidget*, kTabCount> pages_{};
  CreatePage* create_ = nullptr;
  JoinPage* join_ = nullptr;
  SettingsPage* settings_ = nullptr;
  BottomBar* bottom_ = nullptr;
  MenuSet* menus_ = nullptr;
  MonitoringPage* monitoring_ = nullptr;
  PlainToolTips* tips_ = nullptr;
  QTimer* restTimer_ = nullptr;  // ends the action button's rest after a start
  std::array<QWidget*, kControlCount> widgets_{};
  QTimer* gameWatch_ = nullptr;  // looks at the started game's first seconds
  bool hiddenForGame_ = false;
  std::vector<CaptionMenuEntry> captionMenu_;
  std::vector<std::string> recentServers_;
};

}  // namespace wv
