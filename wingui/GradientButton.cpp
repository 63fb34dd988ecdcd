#include "wingui/GradientButton.h"

#include "win32/WideText.h"
#include "wingui/Gradient.h"

namespace nx::gui {
namespace {

COLOR16 Channel(BYTE value) {
  return static_cast<COLOR16>(value << 8);
}

}  // namespace

GradientButton::GradientButton(HWND parent, Bounds bounds, const std::string& caption, COLORREF top, COLORREF bottom)
    : top_(top), bottom_(bottom) {
  Create(L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, parent, bounds, caption);
  hover_ = std::make_unique<HoverTracker>(hwnd_, [this](bool) { InvalidateRect(hwnd_, nullptr, FALSE); });
}

void GradientButton::OnCommand(WORD code) {
  if (code == BN_CLICKED && onClick) onClick();
}

std::optional<LRESULT> GradientButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  bool enabled = !(item.itemState & ODS_DISABLED);
  bool pressed = item.itemState & ODS_SELECTED;
  // What lies outside the oval shows the parent's background.
  HWND parent = GetParent(hwnd_);
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd_)));
  FillRect(dc, &area, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));

  int radius = area.bottom - area.top;
  HRGN oval = CreateRoundRectRgn(area.left, area.top, area.right + 1, area.bottom + 1, radius, radius);
  SelectClipRgn(dc, oval);
  if (Hot() && enabled) {
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  } else {
    FillVerticalGradient(dc, area, pressed ? bottom_ : top_, pressed ? top_ : bottom_);
  }
  SelectClipRgn(dc, nullptr);
  FrameRgn(dc, oval, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)), 1, 1);
  DeleteObject(oval);

  std::wstring caption = Widen(GetText());
  SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, !enabled ? GetSysColor(COLOR_GRAYTEXT) : Hot() ? RGB(0, 0, 255) : GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ old = SelectObject(dc, Font());
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = area;
    InflateRect(&focus, -radius / 3, -3);
    DrawFocusRect(dc, &focus);
  }
  return TRUE;
}

}  // namespace nx::gui
