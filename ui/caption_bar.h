#pragma once

#include <QColor>
#include <QPoint>
#include <QString>

#include "ui/panel.h"

namespace wv {

class Animator;
class GlyphLabel;

// The window's own caption bar (title): the emblem, the launcher's name,
// the minimise and close glyphs, and moving the window by a press anywhere
// else on the bar.
class CaptionBar : public Panel {
  Q_OBJECT
  Q_PROPERTY(QString text READ Text WRITE SetText)

 public:
  explicit CaptionBar(QWidget* parent);

  QString Text() const { return text_; }
  void SetText(const QString& text);
  QColor TextColour() const { return textColour_; }

 signals:
  // The bar's context menu, at this global point.
  void menuWanted(const QPoint& at);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void OnApplicationState(Qt::ApplicationState state);

  QString text_;
  QColor textColour_;
  bool activatedOnce_ = false;
  bool dragging_ = false;
  QPoint dragOffset_;
};

}  // namespace wv
