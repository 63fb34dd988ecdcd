#pragma once
#include "wingui/Control.h"

namespace nx::gui {

// A single-line edit box.
class Edit : public Control {
public:
  Edit(HWND parent, Bounds bounds, const std::string& text = {});
  // Selects the whole text, so that typing replaces it.
  void SelectAll();
};

}  // namespace nx::gui
