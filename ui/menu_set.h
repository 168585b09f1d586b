#pragma once

#include <QObject>
#include <QString>
#include <string_view>
#include <vector>

class QAction;
class QWidget;

namespace wv {

class StyledMenu;
struct Menu;

// The window's popup menus, one QAction per model entry (separators
// included), each named after its entry. Picks are reported by entry id;
// what they do is the model's business.
class MenuSet : public QObject {
  Q_OBJECT

 public:
  MenuSet(const std::vector<wv::Menu>& menus, QWidget* owner);

  StyledMenu* Menu(std::string_view id) const;
  // Captions (display text), visibility and check marks; the same menus as
  // built from.
  void Sync(const std::vector<wv::Menu>& menus);

 signals:
  void entryChosen(const QString& entryId);

 private:
  struct Item {
    std::size_t menu;
    std::size_t entry;
    QAction* action;
  };
  std::vector<StyledMenu*> menus_;
  std::vector<Item> items_;
};

}  // namespace wv
