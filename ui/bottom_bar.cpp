#include "ui/bottom_bar.h"

#include <QPainter>
#include <QToolButton>

#include "ui/look.h"

namespace wv {

namespace {

// The clipboard button's panel shows a white clipboard drawn by hand, where
// the classic symbol font would have given one.
class ClipboardPanel : public Panel {
 public:
  explicit ClipboardPanel(QWidget* parent)
      : Panel(QStringLiteral("RzPanel6"), look::kGrey, Border::Sunken, parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    Panel::paintEvent(event);
    QPainter painter(this);
    QPen pen(isEnabled() ? look::kWhite : look::kSilver);
    painter.setPen(pen);
    const QRect board(7, 5, 11, 15);
    painter.drawRect(board);
    painter.fillRect(QRect(10, 4, 6, 3), pen.color());
    for (int y = 10; y <= 17; y += 3) painter.drawLine(9, y, 16, y);
  }
};

// A flat button drawn by hand: a grey ground and a white caption, darker
// while down, or no ground at all and a white edge while down; no menu arrow.
// A style sheet would do the same, at a cost the start-up can feel.
class FlatButton : public QToolButton {
 public:
  FlatButton(bool grounded, QWidget* parent) : QToolButton(parent), grounded_(grounded) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (grounded_) {
      painter.fillRect(rect(), isDown() ? kPressedGrey : look::kGrey);
    } else if (isDown()) {
      painter.setPen(look::kWhite);
      painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.setPen(isEnabled() ? look::kWhite : look::kSilver);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
  }

 private:
  static inline const QColor kPressedGrey{96, 96, 96};
  bool grounded_;
};

QToolButton* MakeButton(const QString& name, const QRect& geometry, bool grounded,
                        QWidget* parent) {
  auto* button = new FlatButton(grounded, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setFont(look::UiFont());
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

BottomBar::BottomBar(QWidget* parent)
    : Panel(QStringLiteral("RzPanel3"), look::kSilver, Border::None, parent) {
  setGeometry(2, 206, 336, 41);

  auto* characterPanel = new Panel(QStringLiteral("RzPanel4"), look::kSilver, Border::Sunken, this);
  characterPanel->setGeometry(8, 8, 89, 25);
  character_ = MakeButton(QStringLiteral("RzToolButton1"), {2, 2, 85, 21}, true, characterPanel);
  character_->setPopupMode(QToolButton::InstantPopup);

  auto* clipboardPanel = new ClipboardPanel(this);
  clipboardPanel->setGeometry(143, 8, 26, 25);
  clipboard_ = MakeButton(QStringLiteral("RzToolButton2"), {2, 2, 22, 21}, false, clipboardPanel);
  clipboard_->setAutoRaise(true);

  auto* goPanel = new Panel(QStringLiteral("RzPanel5"), look::kSilver, Border::Sunken, this);
  goPanel->setGeometry(183, 8, 144, 25);
  go_ = MakeButton(QStringLiteral("RzGoButton"), {2, 2, 140, 21}, true, goPanel);
}

}  // namespace wv
