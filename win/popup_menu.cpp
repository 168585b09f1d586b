#include "win/popup_menu.h"

#include "win/text.h"

namespace wv {

std::optional<std::string> DropMenu(HWND owner, const std::vector<Menu>& menus, std::string_view id,
                                    const RECT& anchor) {
  const Menu* menu = nullptr;
  for (const Menu& candidate : menus) {
    if (candidate.id == id) menu = &candidate;
  }
  if (menu == nullptr) return std::nullopt;
  HMENU popup = CreatePopupMenu();
  for (std::size_t i = 0; i < menu->entries.size(); ++i) {
    const MenuEntry& entry = menu->entries[i];
    if (!entry.visible) continue;
    if (entry.IsSeparator()) {
      AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    // Command 0 is "nothing chosen": the entries count from 1.
    AppendMenuW(popup, MF_STRING | (entry.checked ? MF_CHECKED : 0), i + 1,
                WithoutMnemonics(Wide(entry.caption)).c_str());
  }
  // A menu that answers only the left button ignores a right click in it.
  const UINT flags = TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_NONOTIFY |
                     (menu->leftButtonOnly ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON);
  // Kept clear of the box it drops from, as a combo box's list.
  TPMPARAMS exclude{sizeof exclude, anchor};
  const auto chosen = static_cast<std::size_t>(
      TrackPopupMenuEx(popup, flags, anchor.left, anchor.bottom, owner, &exclude));
  DestroyMenu(popup);
  if (chosen == 0 || chosen > menu->entries.size()) return std::nullopt;
  return menu->entries[chosen - 1].id;
}

}  // namespace wv
