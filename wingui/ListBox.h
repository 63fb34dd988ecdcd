#pragma once
#include "wingui/Control.h"

namespace nx::gui {

// A list of text lines, one entry per line, in the order they were added.
class ListBox : public Control {
public:
  ListBox(HWND parent, Bounds bounds);
  void Clear();
  void Add(const std::string& item);
  int Count() const;
  std::string Item(int index) const;
  // The first entry equal to the text, letter case included; -1 when none is.
  int IndexOf(const std::string& item) const;
};

}  // namespace nx::gui
