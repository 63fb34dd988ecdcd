#include "wingui/PaintBox.h"

namespace nx::gui {

PaintBox::PaintBox(HWND parent, Bounds bounds) {
  CreateWindowOfClass(WS_CHILD | WS_VISIBLE, 0, parent, bounds);
}

std::optional<LRESULT> PaintBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    RECT client;
    GetClientRect(hwnd_, &client);
    if (onPaint) onPaint(dc, client);
    EndPaint(hwnd_, &paint);
    return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace nx::gui
