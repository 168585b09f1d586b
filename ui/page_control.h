#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>
#include <vector>

class QTabBar;

namespace wv {

// Tabs along the top over a stack of pages, laid out to the pixel: the tab
// row is 22 px (19 px tabs, the selected one raised by 3), the pages are
// 334 x 155 inside a one-pixel white frame. A hidden page has no tab at all,
// so that screen readers count the tabs the eye sees.
class PageControl : public QWidget, private QAccessible::ActivationObserver {
  Q_OBJECT

 public:
  explicit PageControl(QWidget* parent);
  ~PageControl() override;

  void AddPage(QWidget* page);
  bool HasPage(const QWidget* page) const;
  // The pages whose tabs the row shows, in its order.
  QList<QWidget*> TabbedPages() const;
  void SetPageCaption(QWidget* page, const QString& caption);
  void SetPageToolTip(QWidget* page, const QString& tip);
  // What screen readers call the page's tab, where its caption is no name.
  void SetPageAccessibleName(QWidget* page, const QString& name);
  void SetPageVisible(QWidget* page, bool visible);
  void SetCurrentPage(QWidget* page);
  QWidget* CurrentPage() const;
  QTabBar* TabBar() const { return tabs_; }

 signals:
  // Only for a change the user makes; SetCurrentPage stays silent.
  void currentPageChanged();
  // The pointer came onto the tab of `page`; once each time it moves onto a
  // tab, not for every move over it.
  void tabPointedAt(QWidget* page);
  // Keyboard focus came to the tab row by the player's doing.
  void tabsFocused();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A page and what its tab shows, kept while the tab is away.
  struct PageTab {
    QWidget* page;
    QString caption, tip, name;
    bool visible = true;
  };

  int IndexOf(const QWidget* page) const;
  // The index of the page's tab in the bar; -1 while it is hidden.
  int TabOf(const QWidget* page) const;
  QWidget* PageAt(int tab) const;
  void PointerAt(QPointF position);
  void ShowPage(QWidget* page);
  // Tab names are for screen readers alone, and naming a tab makes the tab
  // bar's accessible interface: they are given once accessibility is on.
  void NameTab(int tab, const QString& name);
  void accessibilityActiveChanged(bool active) override;

  QTabBar* tabs_;
  // The pages, one shown at a time. A stacked widget would do the same, at
  // the cost of the layout code it brings into the start-up.
  QWidget* stack_;
  QWidget* shown_ = nullptr;
  std::vector<PageTab> pages_;
  bool quiet_ = false;
  int pointedTab_ = -1;
};

}  // namespace wv
