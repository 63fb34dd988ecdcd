#include "wingui/Application.h"

#include <windows.h>

#include "wingui/Form.h"

namespace nx::gui {
namespace {
std::string title;
Form* mainForm = nullptr;
bool terminated = false;

}  // namespace

void DispatchMessageTo(MSG& msg) {
  HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (top && IsDialogMessageW(top, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
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
