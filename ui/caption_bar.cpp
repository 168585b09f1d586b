#include "ui/caption_bar.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QWindow>

#include "ui/animator.h"
#include "ui/glyph_label.h"
#include "ui/logical_rect.h"
#include "ui/look.h"

namespace wv {

CaptionBar::CaptionBar(QWidget* parent)
    : Panel(QStringLiteral("title"), look::kGrey, Border::BottomLine, parent),
      textColour_(QGuiApplication::palette().color(QPalette::WindowText)) {
  setGeometry(ToQRect(layout::kCaptionBar));

  auto* emblem = new Animator(QStringLiteral("emblem"), "emblem.png", this);
  emblem->setGeometry(ToQRect(layout::kEmblem));

  auto* minimise =
      new GlyphLabel(QStringLiteral("minimizeButton"), GlyphLabel::Glyph::LowBar, this);
  minimise->setGeometry(ToQRect(layout::kMinimizeButton));
  auto* close = new GlyphLabel(QStringLiteral("closeButton"), GlyphLabel::Glyph::Cross, this);
  close->setGeometry(ToQRect(layout::kCloseButton));

  connect(close, &GlyphLabel::clicked, this, [this] { window()->close(); });
  connect(minimise, &GlyphLabel::clicked, this, [this] { window()->showMinimized(); });
  connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
          &CaptionBar::OnApplicationState);
}

void CaptionBar::SetText(const QString& text) {
  text_ = text;
  update();
}

// Only switching between applications counts; before the first activation
// the text keeps the system colour.
void CaptionBar::OnApplicationState(Qt::ApplicationState state) {
  if (state == Qt::ApplicationActive) {
    activatedOnce_ = true;
    textColour_ = look::kWhite;
  } else if (activatedOnce_) {
    textColour_ = look::kBlack;
  }
  update();
}

void CaptionBar::paintEvent(QPaintEvent* event) {
  Panel::paintEvent(event);
  QPainter painter(this);
  painter.setFont(look::UiFont(true));
  painter.setPen(textColour_);
  painter.drawText(
      QRect(layout::kCaptionTextLeft, 0, width() - layout::kCaptionTextLeft, height() - 1),
      Qt::AlignLeft | Qt::AlignVCenter, text_);
}

void CaptionBar::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  emit menuWanted(event->globalPos());
}

// Any button but the right one, which opens the context menu, moves the
// window. The window system's own move is preferred; where it has none, the
// bar follows the mouse itself.
void CaptionBar::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::RightButton) return;
  QWindow* handle = window()->windowHandle();
  if (handle != nullptr && handle->startSystemMove()) return;
  dragging_ = true;
  dragOffset_ = event->globalPosition().toPoint() - window()->pos();
}

void CaptionBar::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  window()->move(event->globalPosition().toPoint() - dragOffset_);
}

void CaptionBar::mouseReleaseEvent(QMouseEvent*) {
  dragging_ = false;
}

}  // namespace wv
