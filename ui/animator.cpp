#include "ui/animator.h"

#include <QMouseEvent>
#include <QPainter>

namespace wv {

Animator::Animator(const QString& name, const QPixmap& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setObjectName(name);
}

void Animator::paintEvent(QPaintEvent*) {
  QPainter(this).drawPixmap(rect(), picture_);
}

// The emblem starts nothing, the caption bar's drag included.
void Animator::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

}  // namespace wv
