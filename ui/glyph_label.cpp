#include "ui/glyph_label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "ui/look.h"

namespace wv {

namespace {

// A diagonal bar as thick as `width`, its square ends reaching width / 2 past
// `from` and `to`: what a square-capped pen of that width strokes, as a shape
// to fill. Stroking would bring the stroker and the math library in at
// start-up for two bars.
QPolygonF DiagonalBar(QPointF from, QPointF to, qreal width) {
  const qreal half = width / 2 / std::sqrt(2.0);
  const QPointF along =
      (to.x() > from.x()) == (to.y() > from.y()) ? QPointF(half, half) : QPointF(-half, half);
  const QPointF across(-along.y(), along.x());
  return QPolygonF(
      {from - along + across, to + along + across, to + along - across, from - along - across});
}

}  // namespace

GlyphLabel::GlyphLabel(const QString& name, Glyph glyph, QWidget* parent)
    : QAbstractButton(parent), glyph_(glyph), colour_(look::kSilver) {
  setObjectName(name);
  setAttribute(Qt::WA_Hover);
  // Out of the Tab order: the window system closes and minimises by its keys.
  setFocusPolicy(Qt::NoFocus);
}

void GlyphLabel::SetColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void GlyphLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The symbol font's glyphs are 15 px high and sit low in their 18 px box.
  if (glyph_ == Glyph::Cross) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour_);
    painter.drawPolygon(DiagonalBar(QPointF(5, 6), QPointF(13, 14), 2.2));
    painter.drawPolygon(DiagonalBar(QPointF(13, 6), QPointF(5, 14), 2.2));
  } else {
    painter.fillRect(QRect(5, 12, 9, 3), colour_);
  }
}

void GlyphLabel::enterEvent(QEnterEvent*) {
  SetColour(look::kWhite);
}

void GlyphLabel::leaveEvent(QEvent*) {
  SetColour(look::kSilver);
}

// Every press is taken here, so that none reaches the caption bar's drag;
// only the left button clicks.
void GlyphLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    QAbstractButton::mousePressEvent(event);
  } else {
    event->accept();
  }
}

void GlyphLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    QAbstractButton::mouseReleaseEvent(event);
  } else {
    event->accept();
  }
}

}  // namespace wv
