#pragma once
#include "wingui/Window.h"

namespace nx::gui {

// A child window whose picture the owner paints.
class PaintBox : public Window {
public:
  PaintBox(HWND parent, Bounds bounds);
  std::function<void(HDC, const RECT&)> onPaint;

protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace nx::gui
