#include "wingui/Gradient.h"

namespace nx::gui {
namespace {

TRIVERTEX Vertex(LONG x, LONG y, COLORREF color) {
  return {x,
          y,
          static_cast<COLOR16>(GetRValue(color) << 8),
          static_cast<COLOR16>(GetGValue(color) << 8),
          static_cast<COLOR16>(GetBValue(color) << 8),
          0};
}

}  // namespace

void FillVerticalGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom) {
  TRIVERTEX corners[2] = {Vertex(area.left, area.top, top), Vertex(area.right, area.bottom, bottom)};
  GRADIENT_RECT rect{0, 1};
  GradientFill(dc, corners, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

}  // namespace nx::gui
