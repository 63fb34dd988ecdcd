#include "wingui/Form.h"

#include <vector>

#include "wingui/Application.h"

namespace nx::gui {

Form::Form(const std::string& caption, Bounds bounds) {
  CreateWindowOfClass(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, nullptr, bounds, caption);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  font_ = CreateFontIndirectW(&metrics.lfMessageFont);
  SetFont(font_);
}

Form::~Form() {
  if (MainForm() == this) SetMainForm(nullptr);
  if (font_) DeleteObject(font_);
}

void Form::Show() {
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void Form::Close() {
  SendMessageW(hwnd_, WM_CLOSE, 0, 0);
}
void Form::Minimize() {
  ShowWindow(hwnd_, SW_MINIMIZE);
}

void Form::SetSize(int width, int height) {
  SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::CenterOnScreen() {
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  Bounds b = GetBounds();
  SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - b.width) / 2,
               work.top + (work.bottom - work.top - b.height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Form::ShowModal() {
  // Every other enabled window of this thread waits until the form is done.
  std::vector<HWND> disabled;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) -> BOOL {
        if (IsWindowVisible(window) && IsWindowEnabled(window))
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  std::erase(disabled, hwnd_);
  for (HWND window : disabled) EnableWindow(window, FALSE);
  modal_ = true;
  modalResult_ = 0;
  Show();
  MSG msg;
  while (modalResult_ == 0) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      PostQuitMessage(0);  // the outer loop must see it too
      break;
    }
    DispatchMessageTo(msg);
  }
  for (HWND window : disabled) EnableWindow(window, TRUE);
  ShowWindow(hwnd_, SW_HIDE);
  modal_ = false;
  return modalResult_;
}

int Form::PixelsPerInch() const {
  HDC dc = GetDC(hwnd_);
  int ppi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(hwnd_, dc);
  return ppi > 0 ? ppi : 96;
}

std::optional<LRESULT> Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SHOWWINDOW:
      if (wParam && !shown_) {
        shown_ = true;
        FormShow();
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) FormActivate();
      break;
    case WM_WINDOWPOSCHANGING: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
      if (!(pos->flags & SWP_NOSIZE) && !IsIconic(hwnd_)) FormResize(pos->cx, pos->cy);
      break;
    }
    case WM_CLOSE:
      if (FormClose()) {
        if (modal_) {
          if (modalResult_ == 0) modalResult_ = kModalCancel;
        } else {
          ShowWindow(hwnd_, SW_HIDE);
        }
        if (MainForm() == this) Terminate();
      }
      return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace nx::gui
