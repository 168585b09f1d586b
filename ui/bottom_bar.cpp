#include "ui/bottom_bar.h"

#include <QAccessible>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <utility>

#include "ui/logical_rect.h"
#include "ui/look.h"

namespace wv {

namespace {

// The clipboard button's panel shows a white clipboard drawn by hand, where
// the classic symbol font would have given one.
class ClipboardPanel : public Panel {
 public:
  explicit ClipboardPanel(QWidget* parent)
      : Panel(QStringLiteral("clipboardPanel"), look::kGrey, Border::Sunken, parent) {}

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
// while down, or no ground at all and a white edge while down; no menu arrow;
// a silver caption while disabled or busy.
// A style sheet would do the same, at a cost the start-up can feel. A menu
// given as a maker is made on the first press that drops it, or as soon as
// accessibility is on: screen readers offer a button with a menu to show it.
class FlatButton : public QToolButton, private QAccessible::ActivationObserver {
 public:
  FlatButton(bool grounded, QWidget* parent) : QToolButton(parent), grounded_(grounded) {}
  ~FlatButton() override {
    if (makeMenu_) QAccessible::removeActivationObserver(this);
  }

  void SetMenuMaker(std::function<QMenu*()> make, std::function<void(MenuOpening)> opening) {
    if (!makeMenu_) QAccessible::installActivationObserver(this);
    makeMenu_ = std::move(make);
    opening_ = std::move(opening);
    if (QAccessible::isActive()) MakeMenu();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (grounded_) {
      painter.fillRect(rect(), isDown() ? kPressedGrey : look::kGrey);
    } else if (isDown()) {
      painter.setPen(look::kWhite);
      painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const bool usable = isEnabled() && !property(look::kBusyProperty).toBool();
    painter.setPen(usable ? look::kWhite : look::kSilver);
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    painter.drawText(rect(), flags,
                     fontMetrics().elidedText(text(), Qt::ElideRight, width() - 4, flags));
    if (hasFocus()) look::DrawFocusFrame(painter, rect().adjusted(1, 1, -1, -1), look::kWhite);
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) Opening(MenuOpening::Click);
    QToolButton::mousePressEvent(event);
  }

 public:
  void DropMenu() {
    Opening(MenuOpening::Keyboard);
    if (menu() != nullptr) showMenu();
  }

 private:
  void MakeMenu() {
    if (makeMenu_ && menu() == nullptr) setMenu(makeMenu_());
  }
  void Opening(MenuOpening how) {
    MakeMenu();
    if (opening_ && menu() != nullptr) opening_(how);
  }
  void accessibilityActiveChanged(bool active) override {
    if (active) MakeMenu();
  }

  static inline const QColor kPressedGrey{96, 96, 96};
  bool grounded_;
  std::function<QMenu*()> makeMenu_;
  std::function<void(MenuOpening)> opening_;
};

// The button fills its panel but for the panel's border.
QToolButton* MakeButton(const QString& name, const layout::LogicalRect& panel, bool grounded,
                        QWidget* parent) {
  auto* button = new FlatButton(grounded, parent);
  button->setObjectName(name);
  button->setGeometry(ToQRect(layout::Within(layout::ButtonArea(panel), panel)));
  button->setFont(look::UiFont());
  // Tab reaches it; a click does not take the focus, so the mouse sees no
  // focus frame.
  button->setFocusPolicy(Qt::TabFocus);
  return button;
}

}  // namespace

BottomBar::BottomBar(QWidget* parent)
    : Panel(QStringLiteral("bottomBar"), look::kSilver, Border::None, parent) {
  setGeometry(ToQRect(layout::kBottomBar));

  auto* characterPanel =
      new Panel(QStringLiteral("characterPanel"), look::kSilver, Border::Sunken, this);
  characterPanel->setGeometry(ToQRect(layout::Within(layout::kCharacterPanel, layout::kBottomBar)));
  character_ =
      MakeButton(QStringLiteral("characterButton"), layout::kCharacterPanel, true, characterPanel);
  character_->setPopupMode(QToolButton::InstantPopup);

  auto* clipboardPanel = new ClipboardPanel(this);
  clipboardPanel->setGeometry(ToQRect(layout::Within(layout::kClipboardPanel, layout::kBottomBar)));
  clipboard_ =
      MakeButton(QStringLiteral("clipboardButton"), layout::kClipboardPanel, false, clipboardPanel);
  clipboard_->setAutoRaise(true);

  auto* actionPanel = new Panel(QStringLiteral("actionPanel"), look::kSilver, Border::Sunken, this);
  actionPanel->setGeometry(ToQRect(layout::Within(layout::kActionPanel, layout::kBottomBar)));
  action_ = MakeButton(QStringLiteral("actionButton"), layout::kActionPanel, true, actionPanel);
}

void BottomBar::DropCharacterMenu() {
  static_cast<FlatButton*>(character_)->DropMenu();
}

void BottomBar::SetCharacterMenu(std::function<QMenu*()> make,
                                 std::function<void(MenuOpening)> opening) {
  static_cast<FlatButton*>(character_)->SetMenuMaker(std::move(make), std::move(opening));
}

}  // namespace wv
