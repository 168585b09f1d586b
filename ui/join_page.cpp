#include "ui/join_page.h"

#include <QAction>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>

#include "core/window_layout.h"
#include "ui/group_frame.h"
#include "ui/logical_rect.h"
#include "ui/look.h"

namespace wv {

namespace {

// A sunken grey box with white text, drawn by hand rather than by a style
// sheet, whose machinery costs the start-up more than the page does.
class SunkenEdit : public QLineEdit {
 public:
  explicit SunkenEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(1, 1, 1, 1);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, look::kGrey);
    colours.setColor(QPalette::Text, look::kWhite);
    setPalette(colours);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter(this).fillRect(rect(), look::kGrey);
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    look::DrawEdge(painter, rect(), look::kDarkShadow, look::kWhite);
    if (hasFocus()) look::DrawFocusFrame(painter, rect().adjusted(2, 2, -2, -2), look::kWhite);
  }
};

// The password box masks every character with "=", not the style's bullet.
class EqualsMask : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return '=';
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

GroupFrame* MakeFrame(const QString& name, Control frame, QWidget* page) {
  return new GroupFrame(name, ToQRect(layout::AreaOf(layout::kJoinFrames, frame)), page);
}

// The layout places the edit on the page; it lives in its frame.
QLineEdit* MakeEdit(const QString& name, Control control, GroupFrame* frame) {
  auto* edit = new SunkenEdit(frame);
  edit->setObjectName(name);
  edit->setGeometry(ToQRect(layout::AreaOf(layout::kJoinBoxes, control)).translated(-frame->pos()));
  edit->setFont(look::UiFont(true));
  edit->setAlignment(Qt::AlignCenter);
  edit->setMaxLength(32767);
  return edit;
}

// A small white arrow pointing down, as the choice boxes' arrows.
QIcon DownArrow() {
  QPixmap picture(9, 5);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setPen(look::kWhite);
  for (int row = 0; row < 5; ++row) painter.drawLine(row, row, 8 - row, row);
  return QIcon(picture);
}

}  // namespace

JoinPage::JoinPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("joinGameTab"));
}

bool JoinPage::Fill() {
  if (address_ != nullptr) return false;
  auto* addressBox = MakeFrame(QStringLiteral("joinAddressFrame"), Control::JoinAddressFrame, this);
  address_ = MakeEdit(QStringLiteral("joinAddress"), Control::JoinAddress, addressBox);
  port_ = MakeEdit(QStringLiteral("joinPort"), Control::JoinPort, addressBox);

  auto* passwordBox =
      MakeFrame(QStringLiteral("joinPasswordFrame"), Control::JoinPasswordFrame, this);
  password_ = MakeEdit(QStringLiteral("joinPassword"), Control::JoinPassword, passwordBox);
  password_->setEchoMode(QLineEdit::Password);
  auto* mask = new EqualsMask;
  mask->setParent(password_);
  password_->setStyle(mask);

  recentArrow_ = address_->addAction(DownArrow(), QLineEdit::TrailingPosition);
  recentArrow_->setObjectName(QStringLiteral("recentServersArrow"));
  recentArrow_->setVisible(false);
  connect(recentArrow_, &QAction::triggered, this, &JoinPage::recentWanted);

  setTabOrder(address_, port_);
  setTabOrder(port_, password_);
  return true;
}

}  // namespace wv
