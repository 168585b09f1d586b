#pragma once

#include <QColor>
#include <QWidget>

namespace wv {

// A plain framed panel: the window's outer panel, the bars and the small
// sunken button panels.
class Panel : public QWidget {
  Q_OBJECT

 public:
  enum class Border { None, Sunken, BottomLine };

  Panel(const QString& name, const QColor& fill, Border border, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
  Border border_;
};

}  // namespace wv
