#pragma once

#include <QColor>
#include <QWidget>

namespace wv {

// A caption-bar glyph (close cross or minimise bar), drawn by hand since the
// classic symbol fonts are not there; silver, white while hovered.
class GlyphLabel : public QWidget {
  Q_OBJECT

 public:
  enum class Glyph { Cross, LowBar };

  GlyphLabel(const QString& name, Glyph glyph, QWidget* parent);

  QColor Colour() const { return colour_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void SetColour(const QColor& colour);

  Glyph glyph_;
  QColor colour_;
};

}  // namespace wv
