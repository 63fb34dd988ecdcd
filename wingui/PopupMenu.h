#pragma once
// A popup menu whose items can be hidden, shown, enabled and disabled; the
// menu is built from the visible items each time it opens.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace nx::gui {

class PopupMenu {
public:
  // Adds an item (under parent, or at the top level for 0) and returns its id.
  int Add(const std::string& caption, int parent = 0);
  void SetVisible(int id, bool visible);
  bool Visible(int id) const;
  void SetEnabled(int id, bool enabled);
  bool Enabled(int id) const;
  // Ids of the visible top-level items, in menu order.
  std::vector<int> VisibleItems() const;

  // Runs onPopup, then shows the menu at a screen point and runs onCommand
  // with the chosen item.
  void Popup(HWND owner, POINT screen);
  std::function<void()> onPopup;
  std::function<void(int id)> onCommand;

private:
  struct Item {
    int id, parent;
    std::string caption;
    bool visible = true, enabled = true;
  };
  Item& Find(int id);
  const Item& Find(int id) const;
  HMENU Build(int parent) const;
  std::vector<Item> items_;
};

}  // namespace nx::gui
