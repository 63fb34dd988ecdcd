#include "wingui/Control.h"

#include <stdexcept>

#include "win32/WideText.h"

namespace nx::gui {

Control::~Control() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Control::Create(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, Bounds bounds,
                     const std::string& text) {
  hwnd_ = CreateWindowExW(exStyle, className, Widen(text).c_str(), style, bounds.left, bounds.top, bounds.width,
                          bounds.height, parent, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("CreateWindowEx failed");
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (parent) SetFont(reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0)));
}

Control* ControlFromHandle(HWND hwnd) {
  return reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Control::SetBounds(Bounds b) {
  MoveWindow(hwnd_, b.left, b.top, b.width, b.height, TRUE);
}

Bounds Control::GetBounds() const {
  RECT rect;
  GetWindowRect(hwnd_, &rect);
  if (HWND parent = GetParent(hwnd_)) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void Control::SetVisible(bool visible) {
  ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}
bool Control::Visible() const {
  return GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE;
}
void Control::SetEnabled(bool enabled) {
  EnableWindow(hwnd_, enabled);
}
bool Control::Enabled() const {
  return IsWindowEnabled(hwnd_);
}
void Control::SetText(const std::string& text) {
  SetWindowTextW(hwnd_, Widen(text).c_str());
}

std::string Control::GetText() const {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void Control::SetFont(HFONT font) {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}
HFONT Control::Font() const {
  return reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
}

void Control::SetTextColor(std::optional<COLORREF> color) {
  textColor_ = color;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

int Control::TextWidth(const std::string& text) const {
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, Font());
  std::wstring wide = Widen(text);
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  return size.cx;
}

Label::Label(HWND parent, Bounds bounds, const std::string& text, DWORD align) {
  Create(L"STATIC", WS_CHILD | WS_VISIBLE | SS_NOTIFY | align, 0, parent, bounds, text);
}

void Label::OnCommand(WORD code) {
  if (code == STN_CLICKED && onClick) onClick();
}

Button::Button(HWND parent, Bounds bounds, const std::string& caption) {
  Create(L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, parent, bounds, caption);
}

void Button::OnCommand(WORD code) {
  if (code == BN_CLICKED && onClick) onClick();
}

}  // namespace nx::gui
