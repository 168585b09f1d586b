#include "ui/group_frame.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/look.h"

namespace wv {

GroupFrame::GroupFrame(const QString& name, const QRect& geometry, QWidget* parent)
    : QWidget(parent) {
  setObjectName(name);
  setGeometry(geometry);
  setFont(look::UiFont());
}

void GroupFrame::SetText(const QString& text) {
  text_ = text;
  update();
}

void GroupFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int frameTop = metrics.height() / 2;
  painter.setPen(look::kWhite);
  painter.drawRect(QRect(0, frameTop, width() - 1, height() - frameTop - 1));
  if (text_.isEmpty()) return;
  const QRect caption(8, 0, metrics.horizontalAdvance(text_) + 4, metrics.height());
  painter.fillRect(caption, look::kSilver);
  painter.setPen(look::kBlack);
  painter.drawText(caption, Qt::AlignCenter, text_);
}

}  // namespace wv
