#include "ui/animator.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/look.h"

namespace wv {

Animator::Animator(const QString& name, const char* artwork, QWidget* parent)
    : QWidget(parent), artwork_(artwork) {
  setObjectName(name);
}

void Animator::paintEvent(QPaintEvent*) {
  const qreal scale = devicePixelRatioF();
  if (scale != pictureScale_) {
    picture_ = look::Artwork(artwork_, scale);
    pictureScale_ = scale;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(rect(), picture_);
}

// The emblem starts nothing, the caption bar's drag included.
void Animator::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

}  // namespace wv
