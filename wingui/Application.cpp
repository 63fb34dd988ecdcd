#include "wingui/Application.h"

#include <windows.h>

#include "wingui/Form.h"

namespace nx::gui {
namespace {
std::string title;
Form* mainForm = nullptr;
bool terminated = false;
bool busyCursor = false;

}  // namespace

void DispatchMessageTo(MSG& msg) {
  HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (top && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)) {
    auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    auto* form = dynamic_cast<Form*>(ControlFromHandle(top));
    if (form && form->FormKeyDown(static_cast<int>(msg.wParam), down(VK_CONTROL), down(VK_SHIFT), down(VK_MENU)))
      return;
  }
  if (top && IsDialogMessageW(top, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void SetBusyCursor(bool busy) {
  busyCursor = busy;
  SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

bool BusyCursor() {
  return busyCursor;
}

void SetApplicationTitle(const std::string& text) {
  title = text;
}
std::string ApplicationTitle() {
  return title;
}
void SetMainForm(Form* form) {
  mainForm = form;
}
Form* MainForm() {
  return mainForm;
}

int RunMessageLoop() {
  MSG msg;
  while (!terminated && GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageTo(msg);
  terminated = true;
  return 0;
}

void Terminate() {
  if (!terminated) PostQuitMessage(0);
  terminated = true;
}

bool Terminated() {
  return terminated;
}

void ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated = true;
      break;
    }
    DispatchMessageTo(msg);
  }
}

}  // namespace nx::gui
