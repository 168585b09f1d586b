#pragma once

#include <QObject>
#include <QString>
#include <string_view>
#include <vector>

#include "core/launcher_model.h"
#include "core/view_state.h"

class QAction;
class QWidget;

namespace wv {

class StyledMenu;

// The window's popup menus, one QAction per model entry (separators
// included), each named after its entry. Picks are reported by entry id;
// what they do is the model's business.
class MenuSet : public QObject {
  Q_OBJECT

 public:
  explicit MenuSet(QWidget* owner);

  // Made with its entries when first asked for: the first popup menu a
  // process makes pages in QMenu's code, which a start-up need not pay for a
  // menu that may never drop.
  StyledMenu* Menu(std::string_view id);
  // The menus, with their captions (display text), visibility and check
  // marks; the same menus each time. A menu made later shows the last of them.
  void Sync(const std::vector<wv::Menu>& menus);
  // Made as Menu makes it, to open `how`: at the current choice for the
  // keyboard. Shown by the caller.
  StyledMenu* Opening(std::string_view id, MenuOpening how);

 signals:
  void entryChosen(const QString& entryId);

 private:
  void ShowEntries(std::size_t menu);

  QWidget* owner_;
  std::vector<wv::Menu> shown_;
  std::vector<StyledMenu*> made_;  // nullptr until first asked for
};

}  // namespace wv
