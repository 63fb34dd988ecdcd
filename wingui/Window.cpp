#include "wingui/Window.h"

#include <exception>

#include "win32/WideText.h"
#include "wingui/Application.h"

namespace nx::gui {
const wchar_t* Window::RegisteredClass() {
  static const wchar_t* name = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &Window::Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    wc.lpszClassName = L"NeatrixWindow";
    RegisterClassExW(&wc);
    return wc.lpszClassName;
  }();
  return name;
}

void ReportError(const char* what) {
  MessageBoxW(nullptr, Widen(what).c_str(), Widen(ApplicationTitle()).c_str(), MB_OK | MB_ICONERROR);
}

Window::~Window() {
  // From here on the window is drawn by the default procedure, which never
  // touches our brush.
  if (hwnd_) SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
  if (brush_) DeleteObject(brush_);
}

void Window::CreateWindowOfClass(DWORD style, DWORD exStyle, HWND parent, Bounds bounds, const std::string& text) {
  Create(RegisteredClass(), style, exStyle, parent, bounds, text);
}

void Window::SetColor(COLORREF color) {
  color_ = color;
  if (brush_) DeleteObject(brush_);
  brush_ = CreateSolidBrush(color);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

std::optional<LRESULT> Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:  // kept so that the controls inside take it on
      font_ = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_COMMAND:
      if (lParam) {
        if (Control* child = ControlFromHandle(reinterpret_cast<HWND>(lParam))) child->OnCommand(HIWORD(wParam));
        return 0;
      }
      break;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (Control* child = ControlFromHandle(item->hwndItem))
        if (auto result = child->OnDrawItem(*item)) return result;
      break;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (Control* child = ControlFromHandle(header->hwndFrom))
        if (auto result = child->OnNotify(header)) return result;
      break;
    }
    case WM_SETCURSOR:  // children ask their parents first
      if (BusyCursor()) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      auto dc = reinterpret_cast<HDC>(wParam);
      Control* child = ControlFromHandle(reinterpret_cast<HWND>(lParam));
      if (child && child->TextColor()) ::SetTextColor(dc, *child->TextColor());
      if (brush_) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(brush_);
      }
      if (child && child->TextColor()) {
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    }
    case WM_ERASEBKGND:
      if (brush_) {
        RECT rect;
        GetClientRect(hwnd_, &rect);
        FillRect(reinterpret_cast<HDC>(wParam), &rect, brush_);
        return 1;
      }
      break;
  }
  return std::nullopt;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto* self = dynamic_cast<Window*>(ControlFromHandle(hwnd)))
    if (auto result = Guarded([&] { return self->HandleMessage(message, wParam, lParam); })) return *result;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

Panel::Panel(HWND parent, Bounds bounds, COLORREF color) {
  CreateWindowOfClass(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent, bounds);
  SetColor(color);
}

std::optional<LRESULT> Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN && onClick) {
    onClick();
    return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace nx::gui
