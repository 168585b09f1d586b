#pragma once

#include <QString>
#include <QWidget>

class QStackedWidget;
class QTabBar;

namespace wv {

// Tabs along the top over a stack of pages, laid out to the pixel: the tab
// row is 22 px (19 px tabs, the selected one raised by 3), the pages are
// 334 x 155 inside a one-pixel white frame.
class PageControl : public QWidget {
  Q_OBJECT

 public:
  explicit PageControl(QWidget* parent);

  void AddPage(QWidget* page);
  bool HasPage(const QWidget* page) const;
  void SetPageCaption(QWidget* page, const QString& caption);
  void SetPageToolTip(QWidget* page, const QString& tip);
  void SetPageVisible(QWidget* page, bool visible);
  void SetCurrentPage(QWidget* page);
  QWidget* CurrentPage() const;
  QTabBar* TabBar() const { return tabs_; }
  // The visible page `offset` steps on, round the end, as the user's change.
  void StepPage(int offset);

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
  int IndexOf(const QWidget* page) const;
  void PointerAt(QPointF position);

  QTabBar* tabs_;
  QStackedWidget* stack_;
  bool quiet_ = false;
  int pointedTab_ = -1;
};

}  // namespace wv
