#include "wingui/PopupMenu.h"

#include <stdexcept>

#include "win32/WideText.h"

namespace nx::gui {

int PopupMenu::Add(const std::string& caption, int parent) {
  int id = static_cast<int>(items_.size()) + 1;
  items_.push_back({id, parent, caption});
  return id;
}

PopupMenu::Item& PopupMenu::Find(int id) {
  if (id < 1 || id > static_cast<int>(items_.size())) throw std::out_of_range("no such menu item");
  return items_[static_cast<size_t>(id - 1)];
}

const PopupMenu::Item& PopupMenu::Find(int id) const {
  return const_cast<PopupMenu*>(this)->Find(id);
}

void PopupMenu::SetVisible(int id, bool visible) {
  Find(id).visible = visible;
}
bool PopupMenu::Visible(int id) const {
  return Find(id).visible;
}
void PopupMenu::SetEnabled(int id, bool enabled) {
  Find(id).enabled = enabled;
}
bool PopupMenu::Enabled(int id) const {
  return Find(id).enabled;
}
std::vector<int> PopupMenu::VisibleItems() const {
  std::vector<int> ids;
  for (const Item& item : items_)
    if (item.parent == 0 && item.visible) ids.push_back(item.id);
  return ids;
}

HMENU PopupMenu::Build(int parent) const {
  HMENU menu = CreatePopupMenu();
  for (const Item& item : items_) {
    if (item.parent != parent || !item.visible) continue;
    UINT flags = MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED);
    bool hasChildren = false;
    for (const Item& child : items_) hasChildren = hasChildren || child.parent == item.id;
    UINT_PTR target = static_cast<UINT_PTR>(item.id);
    if (hasChildren) {
      flags |= MF_POPUP;
      target = reinterpret_cast<UINT_PTR>(Build(item.id));
    }
    AppendMenuW(menu, flags, target, Widen(item.caption).c_str());
  }
  return menu;
}

void PopupMenu::Popup(HWND owner, POINT screen) {
  if (onPopup) onPopup();
  if (VisibleItems().empty()) return;
  HMENU menu = Build(0);
  int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr);
  DestroyMenu(menu);  // takes its submenus with it
  if (chosen && onCommand) onCommand(chosen);
}

}  // namespace nx::gui
