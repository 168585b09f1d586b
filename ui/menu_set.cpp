#include "ui/menu_set.h"

#include <QAction>

#include "ui/styled_menu.h"
#include "ui/text_codec.h"

namespace wv {

MenuSet::MenuSet(QWidget* owner) : QObject(owner), owner_(owner) {}

StyledMenu* MenuSet::Menu(std::string_view id) {
  for (std::size_t m = 0; m < shown_.size(); ++m) {
    const wv::Menu& design = shown_[m];
    if (design.id != id) continue;
    if (made_[m] != nullptr) return made_[m];
    auto* menu = new StyledMenu(QString::fromStdString(design.id), design.leftButtonOnly, owner_);
    for (const MenuEntry& entry : design.entries) {
      const QString entryId = QString::fromStdString(entry.id);
      QAction* action = entry.IsSeparator() ? menu->addSeparator() : menu->addAction(QString());
      action->setObjectName(entryId);
      if (!entry.IsSeparator()) {
        action->setCheckable(entry.checkable);
        // Carried for a status line; the window has none, so it stays unseen.
        action->setStatusTip(QString::fromStdString(entry.hint));
        connect(action, &QAction::triggered, this, [this, entryId] { emit entryChosen(entryId); });
      }
    }
    made_[m] = menu;
    ShowEntries(m);
    return menu;
  }
  return nullptr;
}

StyledMenu* MenuSet::Opening(std::string_view id, MenuOpening how) {
  StyledMenu* menu = Menu(id);
  if (menu == nullptr) return nullptr;
  for (const wv::Menu& design : shown_) {
    if (design.id != id) continue;
    const std::optional<std::size_t> entry = OpeningEntry(design, how);
    menu->HighlightOnShow(entry ? menu->actions().value(static_cast<qsizetype>(*entry)) : nullptr);
  }
  return menu;
}

void MenuSet::Sync(const std::vector<wv::Menu>& menus) {
  shown_ = menus;
  made_.resize(shown_.size(), nullptr);
  for (std::size_t m = 0; m < made_.size(); ++m) {
    if (made_[m] != nullptr) ShowEntries(m);
  }
}

void MenuSet::ShowEntries(std::size_t menu) {
  const QList<QAction*> actions = made_[menu]->actions();
  const std::vector<MenuEntry>& entries = shown_[menu].entries;
  for (std::size_t e = 0; e < entries.size(); ++e) {
    const MenuEntry& entry = entries[e];
    QAction* action = actions[static_cast<qsizetype>(e)];
    if (!entry.IsSeparator()) {
      action->setText(WithoutMnemonics(QString::fromStdString(entry.caption)));
      action->setChecked(entry.checked);
      action->setEnabled(entry.enabled);
    }
    action->setVisible(entry.visible);
  }
}

}  // namespace wv
