#pragma once
#include <windows.h>

namespace nx::gui {

// Fills the area from one colour at the top to another at the bottom.
void FillVerticalGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom);

}  // namespace nx::gui
