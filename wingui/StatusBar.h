#pragma once
#include <vector>

#include "wingui/Control.h"

namespace nx::gui {

// The common status bar with fixed-width panels.
class StatusBar : public Control {
public:
  StatusBar(HWND parent, const std::vector<int>& panelWidths);
  void SetPanelText(int panel, const std::string& text);
  std::string PanelText(int panel) const;
  void Relayout();  // after the parent was resized
};

}  // namespace nx::gui
