#pragma once

#include <functional>

#include "core/view_state.h"
#include "ui/panel.h"

class QMenu;
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
  // The character button's menu, made when the button first drops it or
  // accessibility comes on, rather than with the window; `opening` hears
  // how it is about to drop.
  void SetCharacterMenu(std::function<QMenu*()> make, std::function<void(MenuOpening)> opening);
  // As the keyboard drops it.
  void DropCharacterMenu();

 private:
  QToolButton* character_;
  QToolButton* clipboard_;
  QToolButton* action_;
};

}  // namespace wv
