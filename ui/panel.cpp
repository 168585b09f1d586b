#include "ui/panel.h"

#include <QPainter>

#include "ui/look.h"

namespace wv {

Panel::Panel(const QString& name, const QColor& fill, Border border, QWidget* parent)
    : QWidget(parent), fill_(fill), border_(border) {
  setObjectName(name);
}

void Panel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), fill_);
  switch (border_) {
    case Border::None:
      break;
    case Border::Sunken:
      look::DrawSunkenEdge(painter, rect());
      break;
    case Border::BottomLine:
      // A band, like the edges: a line would fall between device pixels.
      painter.fillRect(QRect(0, height() - 1, width(), 1), look::kDarkShadow);
      break;
  }
}

}  // namespace wv
