#include "ui/join_page.h"

#include <QLineEdit>

#include "ui/group_frame.h"
#include "ui/look.h"

namespace wv {

namespace {

QLineEdit* MakeEdit(const QString& name, const QRect& geometry, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setGeometry(geometry);
  edit->setFont(look::UiFont(true));
  edit->setAlignment(Qt::AlignCenter);
  edit->setMaxLength(32767);
  edit->setStyleSheet(QStringLiteral(
      "QLineEdit { background: rgb(128,128,128); color: white; border-style: solid;"
      " border-width: 1px; border-top-color: rgb(64,64,64); border-left-color: rgb(64,64,64);"
      " border-bottom-color: white; border-right-color: white; }"));
  return edit;
}

}  // namespace

JoinPage::JoinPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet2"));
  auto* addressBox = new GroupFrame(QStringLiteral("RzGroupBox7"), {13, 16, 305, 49}, this);
  address_ = MakeEdit(QStringLiteral("RzEdit1"), {24, 20, 169, 22}, addressBox);
  port_ = MakeEdit(QStringLiteral("RzEdit2"), {200, 20, 81, 22}, addressBox);
  port_->setText(QStringLiteral("27015"));

  auto* passwordBox = new GroupFrame(QStringLiteral("RzGroupBox9"), {13, 80, 305, 49}, this);
  password_ = MakeEdit(QStringLiteral("RzEdit3"), {24, 20, 257, 22}, passwordBox);
  password_->setEchoMode(QLineEdit::Password);

  setTabOrder(address_, port_);
  setTabOrder(port_, password_);
}

}  // namespace wv
