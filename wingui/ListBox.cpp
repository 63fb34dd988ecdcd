#include "wingui/ListBox.h"

#include "win32/WideText.h"

namespace nx::gui {

ListBox::ListBox(HWND parent, Bounds bounds) {
  // Long paths need the horizontal bar; the list box only shows it once told
  // how wide its lines are (see Add).
  Create(L"LISTBOX", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT,
         WS_EX_CLIENTEDGE, parent, bounds);
}

void ListBox::Clear() {
  SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
  SendMessageW(hwnd_, LB_SETHORIZONTALEXTENT, 0, 0);
}

void ListBox::Add(const std::string& item) {
  SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
  auto extent = static_cast<int>(SendMessageW(hwnd_, LB_GETHORIZONTALEXTENT, 0, 0));
  int width = TextWidth(item) + 8;
  if (width > extent) SendMessageW(hwnd_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width), 0);
}

int ListBox::Count() const {
  return static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0));
}

std::string ListBox::Item(int index) const {
  auto length = SendMessageW(hwnd_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(hwnd_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return Narrow(text);
}

int ListBox::IndexOf(const std::string& item) const {
  // LB_FINDSTRINGEXACT ignores letter case, so compare here.
  for (int i = 0, count = Count(); i < count; ++i)
    if (Item(i) == item) return i;
  return -1;
}

}  // namespace nx::gui
