#include "wingui/StatusBar.h"

#include <commctrl.h>

#include "win32/WideText.h"

namespace nx::gui {

StatusBar::StatusBar(HWND parent, const std::vector<int>& panelWidths) {
  Create(STATUSCLASSNAMEW, WS_CHILD | WS_VISIBLE, 0, parent, {});
  std::vector<int> rightEdges;
  int edge = 0;
  for (int width : panelWidths) rightEdges.push_back(edge += width);
  SendMessageW(hwnd_, SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
}

void StatusBar::SetPanelText(int panel, const std::string& text) {
  SendMessageW(hwnd_, SB_SETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

std::string StatusBar::PanelText(int panel) const {
  auto length = LOWORD(SendMessageW(hwnd_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel), 0));
  std::wstring text(length + 1u, L'\0');
  SendMessageW(hwnd_, SB_GETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return Narrow(text);
}

void StatusBar::Relayout() {
  SendMessageW(hwnd_, WM_SIZE, 0, 0);
}

}  // namespace nx::gui
