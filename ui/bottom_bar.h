#pragma once

#include "ui/panel.h"

class QToolButton;

namespace wv {

// The bar under the tabs (RzPanel3): character button, clipboard button and
// the action button, each in its own small sunken panel.
class BottomBar : public Panel {
  Q_OBJECT

 public:
  explicit BottomBar(QWidget* parent);

  QToolButton* CharacterButton() const { return character_; }
  QToolButton* ClipboardButton() const { return clipboard_; }
  QToolButton* GoButton() const { return go_; }

 private:
  QToolButton* character_;
  QToolButton* clipboard_;
  QToolButton* go_;
};

}  // namespace wv
