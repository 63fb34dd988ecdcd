#pragma once
// The tool-tips of one form: a control's hint shows after the mouse rests on
// it for a moment, when the control's show-hint flag is set.
#include "wingui/Control.h"

namespace nx::gui {

class ToolTip {
public:
  explicit ToolTip(HWND owner);
  ~ToolTip();
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;

  // Shows the control's hint, or nothing when its flag is off or it has none.
  void Update(const Control& control);
  void SetPause(int milliseconds);

private:
  HWND tip_;
  HWND owner_;
};

}  // namespace nx::gui
