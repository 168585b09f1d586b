#include "ui/glyph_label.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/look.h"

namespace wv {

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
