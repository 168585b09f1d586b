#pragma once

#include <QMenu>

namespace wv {

// A popup menu in the window's colour scheme: silver, black text, a grey
// icon bar that carries the check marks. Some menus take picks from the left
// button only.
class StyledMenu : public QMenu {
  Q_OBJECT

 public:
  StyledMenu(const QString& name, bool leftButtonOnly, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool leftButtonOnly_;
};

}  // namespace wv
