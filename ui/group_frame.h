#pragma once

#include <QString>
#include <QWidget>

namespace wv {

// A group box: a white frame with its caption set into the top edge.
class GroupFrame : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ Text WRITE SetText)

 public:
  GroupFrame(const QString& name, const QRect& geometry, QWidget* parent);

  QString Text() const { return text_; }
  void SetText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace wv
