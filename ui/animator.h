#pragma once

#include <QPixmap>
#include <QWidget>

namespace wv {

// The emblem on the caption bar, a still picture: taken from the larger
// artwork on a screen with more than one device pixel per pixel.
class Animator : public QWidget {
  Q_OBJECT

 public:
  Animator(const QString& name, const char* artwork, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const char* artwork_;
  QPixmap picture_;
  qreal pictureScale_ = 0;
};

}  // namespace wv
