#include "wingui/Form.h"

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
        ShowWindow(hwnd_, SW_HIDE);
        if (MainForm() == this) Terminate();
      }
      return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace nx::gui
