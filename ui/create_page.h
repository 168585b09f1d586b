#pragma once

#include <QString>
#include <QWidget>

namespace wv {

// The create-server tab: seven choice boxes, each a display label and an
// arrow button that asks for its popup menu.
class CreatePage : public QWidget {
  Q_OBJECT

 public:
  explicit CreatePage(QWidget* parent);

 signals:
  void menuRequested(const QString& menuId);
};

}  // namespace wv
