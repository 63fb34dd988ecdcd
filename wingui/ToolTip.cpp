#include "wingui/ToolTip.h"

#include <commctrl.h>

#include "win32/WideText.h"

namespace nx::gui {

ToolTip::ToolTip(HWND owner) : owner_(owner) {
  tip_ =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
}

ToolTip::~ToolTip() {
  DestroyWindow(tip_);
}

void ToolTip::SetPause(int milliseconds) {
  SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_INITIAL, milliseconds);
}

void ToolTip::Update(const Control& control) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!control.showHint || control.hint.empty()) return;
  std::wstring text = Widen(control.hint);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.lpszText = text.data();
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace nx::gui
