#include "ui/glyph_label.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/look.h"

namespace wv {

GlyphLabel::GlyphLabel(const QString& name, Glyph glyph, QWidget* parent)
    : QWidget(parent), glyph_(glyph), colour_(look::kSilver) {
  setObjectName(name);
  setAttribute(Qt::WA_Hover);
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
    painter.setPen(QPen(colour_, 2.2, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(QPointF(5, 6), QPointF(13, 14));
    painter.drawLine(QPointF(13, 6), QPointF(5, 14));
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

// Taken here so that a press on a glyph never reaches the caption bar's drag.
void GlyphLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

void GlyphLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace wv
