#include "wingui/PictureBackground.h"

namespace nx::gui {

PictureBackground::PictureBackground(HWND window, int width, int height,
                                     const std::function<void(HDC, const RECT&)>& paint)
    : window_(window) {
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap_);
  paint(memory, RECT{0, 0, width, height});
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  brush_ = CreatePatternBrush(bitmap_);
}

PictureBackground::~PictureBackground() {
  if (brush_) DeleteObject(brush_);
  if (bitmap_) DeleteObject(bitmap_);
}

std::optional<LRESULT> PictureBackground::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  auto dc = reinterpret_cast<HDC>(wParam);
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window_, &client);
      SetBrushOrgEx(dc, 0, 0, nullptr);
      FillRect(dc, &client, brush_);
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // The brush starts at the control's corner; shift it to the window's.
      POINT origin{0, 0};
      MapWindowPoints(reinterpret_cast<HWND>(lParam), window_, &origin, 1);
      SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(brush_);
    }
  }
  return std::nullopt;
}

}  // namespace nx::gui
