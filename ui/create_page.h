#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <vector>

#include "core/view_state.h"

namespace wv {

// The create-server tab: seven choice boxes, each a display label and an
// arrow button. A box takes the keyboard focus and asks for its popup menu,
// to drop below it, by the keys or by a click anywhere on it.
class CreatePage : public QWidget {
  Q_OBJECT

 public:
  explicit CreatePage(QWidget* parent);

  const std::vector<QWidget*>& Boxes() const { return boxes_; }
  // Asks for the menu of one of the boxes, below it.
  void DropMenuOf(QWidget* box, MenuOpening how) const;

 signals:
  // `at`: where the menu's top left corner goes, in screen coordinates.
  void menuRequested(const QString& menuId, const QPoint& at, wv::MenuOpening how);

 private:
  std::vector<QWidget*> boxes_;
};

}  // namespace wv
