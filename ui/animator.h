#pragma once

#include <QList>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace wv {

// Shows its frames one after another, 100 ms each. A single frame is a still
// picture, so no timer runs for it.
class Animator : public QWidget {
  Q_OBJECT

 public:
  Animator(const QString& name, QList<QPixmap> frames, QWidget* parent);

  bool Animating() const { return timer_.isActive(); }
  int CurrentFrame() const { return current_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QList<QPixmap> frames_;
  int current_ = 0;
  QTimer timer_;
};

}  // namespace wv
