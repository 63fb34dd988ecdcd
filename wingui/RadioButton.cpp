#include "wingui/RadioButton.h"

namespace nx::gui {

RadioButton::RadioButton(HWND parent, Bounds bounds, const std::string& caption) {
  Create(L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON, 0, parent, bounds, caption);
}

void RadioButton::SetChecked(bool checked) {
  SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool RadioButton::Checked() const {
  return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioButton::OnCommand(WORD code) {
  if (code == BN_CLICKED && onClick) onClick();
}

}  // namespace nx::gui
