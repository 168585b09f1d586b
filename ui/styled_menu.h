#pragma once

#include <QMenu>
#include <QPointer>

namespace wv {

// A popup menu in the window's colour scheme: silver, black text, a grey
// icon bar that carries the check marks. Some menus take picks from the left
// button only.
class StyledMenu : public QMenu {
  Q_OBJECT

 public:
  StyledMenu(const QString& name, bool leftButtonOnly, QWidget* parent);

  // The entry highlighted as the menu next shows; nullptr for none.
  void HighlightOnShow(QAction* action) { highlight_ = action; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool leftButtonOnly_;
  QPointer<QAction> highlight_;
};

}  // namespace wv
