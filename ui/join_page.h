#pragma once

#include <QWidget>

class QAction;
class QLineEdit;

namespace wv {

// The join tab: server address, port and password boxes. The boxes are
// made by Fill, when the tab is first needed, not with the page.
class JoinPage : public QWidget {
  Q_OBJECT

 public:
  explicit JoinPage(QWidget* parent);

  // Makes the boxes; false when they were already there.
  bool Fill();

  QLineEdit* Address() const { return address_; }
  QLineEdit* Port() const { return port_; }
  QLineEdit* Password() const { return password_; }
  // The address box's arrow that drops the recent servers; shown while
  // there are some.
  QAction* RecentArrow() const { return recentArrow_; }

 signals:
  // The arrow asked for the recent servers.
  void recentWanted();

 private:
  QLineEdit* address_ = nullptr;
  QLineEdit* port_ = nullptr;
  QLineEdit* password_ = nullptr;
  QAction* recentArrow_ = nullptr;
};

}  // namespace wv
