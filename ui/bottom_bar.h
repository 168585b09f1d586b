#pragma once

#include "ui/panel.h"

class QToolButton;

namespace wv {

// The bar under the tabs (bottomBar): character button, clipboard button and
// the action button, each in its own small sunken panel.
class BottomBar : public Panel {
  Q_OBJECT

 public:
  explicit BottomBar(QWidget* parent);

  QToolButton* CharacterButton() const { return character_; }
  QToolButton* ClipboardButton() const { return clipboard_; }
  QToolButton* ActionButton() const { return action_; }

 private:
  QToolButton* character_;
  QToolButton* clipboard_;
  QToolButton* action_;
};

}  // namespace wv
