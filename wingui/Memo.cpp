#include "wingui/Memo.h"

namespace nx::gui {

Memo::Memo(HWND parent, Bounds bounds, bool readOnly, bool border) {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL;
  if (readOnly) style |= ES_READONLY;
  Create(L"EDIT", style, border ? WS_EX_CLIENTEDGE : 0, parent, bounds);
}

}  // namespace nx::gui
