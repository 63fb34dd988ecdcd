#pragma once
#include "wingui/Control.h"

namespace nx::gui {

// A multi-line edit box whose lines wrap at its right edge, with a vertical
// scroll bar. Line breaks in its text are "\r\n".
class Memo : public Control {
public:
  Memo(HWND parent, Bounds bounds, bool readOnly, bool border);
};

}  // namespace nx::gui
