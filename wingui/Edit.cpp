#include "wingui/Edit.h"

namespace nx::gui {

Edit::Edit(HWND parent, Bounds bounds, const std::string& text) {
  Create(L"EDIT", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, parent, bounds, text);
}

void Edit::SelectAll() {
  SendMessageW(hwnd_, EM_SETSEL, 0, -1);
}

}  // namespace nx::gui
