#include "ui/animator.h"

#include <QMouseEvent>
#include <QPainter>

namespace wv {

Animator::Animator(const QString& name, QList<QPixmap> frames, QWidget* parent)
    : QWidget(parent), frames_(std::move(frames)) {
  setObjectName(name);
  timer_.setInterval(100);
  connect(&timer_, &QTimer::timeout, this, [this] {
    current_ = (current_ + 1) % static_cast<int>(frames_.size());
    update();
  });
  if (frames_.size() > 1) timer_.start();
}

void Animator::paintEvent(QPaintEvent*) {
  if (frames_.isEmpty()) return;
  QPainter painter(this);
  painter.drawPixmap(rect(), frames_.at(current_));
}

// The emblem starts nothing, the caption bar's drag included.
void Animator::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

}  // namespace wv
