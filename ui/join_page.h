#pragma once

#include <QWidget>

class QLineEdit;

namespace wv {

// The join tab: server address, port and password boxes.
class JoinPage : public QWidget {
  Q_OBJECT

 public:
  explicit JoinPage(QWidget* parent);

  QLineEdit* Address() const { return address_; }
  QLineEdit* Port() const { return port_; }
  QLineEdit* Password() const { return password_; }

 private:
  QLineEdit* address_;
  QLineEdit* port_;
  QLineEdit* password_;
};

}  // namespace wv
