#include "win/popup_menu.h"

#include "win/text.h"

namespace wv {

namespace {

// The menu's own loop takes the keys queued before it opens: each Down steps
// the highlight on by one entry, past separators, from none to the first.
void QueueSteps(HWND owner, std::size_t steps) {
  for (std::size_t i = 0; i < steps; ++i) PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
}

// The chosen command, 0 for none. Kept clear of the anchor, as a combo box's
// list; an empty anchor is a point, as for a context menu.
UINT_PTR Track(HWND owner, HMENU popup, bool leftButtonOnly, const RECT& anchor) {
  // A menu that answers only the left button ignores a right click in it.
  const UINT flags = TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_NONOTIFY |
                     (leftButtonOnly ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON);
  TPMPARAMS exclude{sizeof exclude, anchor};
  const BOOL chosen = TrackPopupMenuEx(popup, flags, anchor.left, anchor.bottom, owner,
                                       IsRectEmpty(&anchor) ? nullptr : &exclude);
  DestroyMenu(popup);
  return chosen > 0 ? static_cast<UINT_PTR>(chosen) : 0;
}

}  // namespace

std::optional<std::string> DropMenu(HWND owner, const std::vector<Menu>& menus, std::string_view id,
                                    const RECT& anchor, MenuOpening how) {
  const Menu* menu = nullptr;
  for (const Menu& candidate : menus) {
    if (candidate.id == id) menu = &candidate;
  }
  if (menu == nullptr) return std::nullopt;
  const std::optional<std::size_t> highlighted = OpeningEntry(*menu, how);
  std::size_t steps = 0;  // to the highlighted entry, from none
  HMENU popup = CreatePopupMenu();
  for (std::size_t i = 0; i < menu->entries.size(); ++i) {
    const MenuEntry& entry = menu->entries[i];
    if (!entry.visible) continue;
    if (entry.IsSeparator()) {
      AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    if (highlighted && i <= *highlighted) ++steps;
    // Command 0 is "nothing chosen": the entries count from 1.
    AppendMenuW(popup,
                MF_STRING | (entry.checked ? MF_CHECKED : 0) | (entry.enabled ? 0 : MF_GRAYED),
                i + 1, WithoutMnemonics(Wide(entry.caption)).c_str());
  }
  QueueSteps(owner, steps);
  const UINT_PTR chosen = Track(owner, popup, menu->leftButtonOnly, anchor);
  if (chosen == 0 || chosen > menu->entries.size()) return std::nullopt;
  return menu->entries[chosen - 1].id;
}

std::optional<std::size_t> DropList(HWND owner, const std::vector<std::string>& captions,
                                    const RECT& anchor, std::optional<std::size_t> highlighted) {
  if (captions.empty()) return std::nullopt;
  HMENU popup = CreatePopupMenu();
  for (std::size_t i = 0; i < captions.size(); ++i) {
    AppendMenuW(popup, MF_STRING, i + 1, WithoutMnemonics(Wide(captions[i])).c_str());
  }
  if (highlighted && *highlighted < captions.size()) QueueSteps(owner, *highlighted + 1);
  const UINT_PTR chosen = Track(owner, popup, false, anchor);
  if (chosen == 0 || chosen > captions.size()) return std::nullopt;
  return chosen - 1;
}

}  // namespace wv
