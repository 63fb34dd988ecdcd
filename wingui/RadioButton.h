#pragma once
#include "wingui/Control.h"

namespace nx::gui {

// An automatic radio button; buttons with the same parent form one group.
class RadioButton : public Control {
public:
  RadioButton(HWND parent, Bounds bounds, const std::string& caption);
  void SetChecked(bool checked);
  bool Checked() const;
  std::function<void()> onClick;
  void OnCommand(WORD code) override;
};

}  // namespace nx::gui
