#pragma once

#include <QPixmap>
#include <QWidget>

namespace wv {

// The designer's animator on the caption bar, which only ever had the one
// frame of the emblem: a still picture.
class Animator : public QWidget {
  Q_OBJECT

 public:
  Animator(const QString& name, const QPixmap& picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace wv
