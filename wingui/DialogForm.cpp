#include "wingui/DialogForm.h"

namespace nx::gui {
namespace {

struct Styles {
  DWORD style, exStyle;
};

Styles StylesOf(DialogFrame frame) {
  constexpr DWORD kBase = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
  switch (frame) {
    case DialogFrame::Fixed:
      return {kBase | WS_SYSMENU, WS_EX_DLGMODALFRAME};
    case DialogFrame::FixedNoSystemMenu:
      return {kBase, WS_EX_DLGMODALFRAME};
    case DialogFrame::Tool:
      return {kBase | WS_SYSMENU, WS_EX_TOOLWINDOW};
    case DialogFrame::ToolNoSystemMenu:
      return {kBase, WS_EX_TOOLWINDOW};
    case DialogFrame::SizeableTool:
      return {kBase | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW};
  }
  return {kBase, 0};
}

}  // namespace

DialogForm::DialogForm(const std::string& caption, DialogFrame frame)
    : Form(caption, {CW_USEDEFAULT, CW_USEDEFAULT, 320, 200}) {
  Styles styles = StylesOf(frame);
  SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(styles.style));
  SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, static_cast<LONG_PTR>(styles.exStyle | WS_EX_CONTROLPARENT));
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogForm::SetClientSize(int width, int height) {
  RECT rect{0, 0, width, height};
  AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
  SetSize(rect.right - rect.left, rect.bottom - rect.top);
}

void DialogForm::SetDefaultButton(Button& button) {
  defaultButton_ = &button;
  SendMessageW(button.Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

std::optional<LRESULT> DialogForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ACTIVATE) {
    // The default handling focuses the window itself; it goes first so that
    // FormActivate can hand the focus to a control.
    DefWindowProcW(hwnd_, message, wParam, lParam);
    Form::HandleMessage(message, wParam, lParam);
    return 0;
  }
  // The dialog manager sends IDOK and IDCANCEL without a control for Enter
  // and Escape, since our controls carry no ids.
  if (message == WM_COMMAND && lParam == 0) {
    if (LOWORD(wParam) == IDCANCEL) {
      Close();
      return 0;
    }
    if (LOWORD(wParam) == IDOK) {
      HWND focus = GetFocus();
      auto* focused = IsChild(hwnd_, focus) ? dynamic_cast<Button*>(ControlFromHandle(focus)) : nullptr;
      if (Button* button = focused ? focused : defaultButton_) SendMessageW(button->Handle(), BM_CLICK, 0, 0);
      return 0;
    }
  }
  return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace nx::gui
