#include "ui/menu_set.h"

#include <QAction>

#include "core/launcher_model.h"
#include "ui/styled_menu.h"
#include "ui/text_codec.h"

namespace wv {

MenuSet::MenuSet(const std::vector<wv::Menu>& menus, QWidget* owner) : QObject(owner) {
  for (std::size_t m = 0; m < menus.size(); ++m) {
    const wv::Menu& design = menus[m];
    auto* menu = new StyledMenu(QString::fromStdString(design.id), design.leftButtonOnly, owner);
    menus_.push_back(menu);
    for (std::size_t e = 0; e < design.entries.size(); ++e) {
      const MenuEntry& entry = design.entries[e];
      const QString id = QString::fromStdString(entry.id);
      QAction* action = entry.IsSeparator() ? menu->addSeparator() : menu->addAction(QString());
      action->setObjectName(id);
      if (!entry.IsSeparator()) {
        action->setCheckable(entry.group != Group::None);
        // Carried for a status line; the window has none, so it stays unseen.
        action->setStatusTip(QString::fromStdString(entry.hint));
        connect(action, &QAction::triggered, this, [this, id] { emit entryChosen(id); });
      }
      items_.push_back({m, e, action});
    }
  }
}

StyledMenu* MenuSet::Menu(std::string_view id) const {
  for (StyledMenu* menu : menus_) {
    if (menu->objectName() == QLatin1String(id.data(), static_cast<qsizetype>(id.size()))) {
      return menu;
    }
  }
  return nullptr;
}

void MenuSet::Sync(const std::vector<wv::Menu>& menus) {
  for (const Item& item : items_) {
    const MenuEntry& entry = menus[item.menu].entries[item.entry];
    if (!entry.IsSeparator()) {
      item.action->setText(WithoutMnemonics(QString::fromStdString(entry.caption)));
      item.action->setChecked(entry.checked);
      item.action->setEnabled(entry.enabled);
    }
    item.action->setVisible(entry.visible);
  }
}

}  // namespace wv
