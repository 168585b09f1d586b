#pragma once

#include <QAbstractButton>
#include <QColor>

namespace wv {

// A caption-bar glyph (close cross or minimise bar), drawn by hand since the
// classic symbol fonts are not there; silver, white while hovered. A button,
// so that screen readers can name and press it; its text is that name and
// is never drawn.
class GlyphLabel : public QAbstractButton {
  Q_OBJECT

 public:
  enum class Glyph { Cross, LowBar };

  GlyphLabel(const QString& name, Glyph glyph, QWidget* parent);

  QColor Colour() const { return colour_; }

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
