#include "tests/wine/WineSupport.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "win32/WideText.h"

namespace nx::test {

std::string ProgramsFolder() {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  return Narrow((std::filesystem::path(exe).parent_path().parent_path() / L"bin").wstring()) + "\\";
}

}  // namespace nx::test

namespace nx::test {
namespace {

std::string wantedCaption, lastText;
int wantedAnswer = 0;

std::string WindowText(HWND window) {
  wchar_t text[1024];
  GetWindowTextW(window, text, 1024);
  return Narrow(text);
}

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  for (HWND window = FindWindowW(L"NeatrixWindow", nullptr); window;
       window = FindWindowExW(nullptr, window, L"NeatrixWindow", nullptr))
    if (IsWindowVisible(window) && WindowText(window) == wantedCaption) dialog = window;
  if (!dialog) return;  // not up yet
  KillTimer(nullptr, timer);
  std::vector<HWND> buttons;
  lastText.clear();
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[32];
    GetClassNameW(child, className, 32);
    if (!IsWindowVisible(child)) continue;
    if (lstrcmpiW(className, L"Button") == 0) buttons.push_back(child);
    if (lstrcmpiW(className, L"Static") == 0 && lastText.empty()) lastText = WindowText(child);
  }
  std::sort(buttons.begin(), buttons.end(), [](HWND a, HWND b) {
    RECT ra, rb;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.left < rb.left;
  });
  if (wantedAnswer == 0 || buttons.empty())
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  else
    PostMessageW(wantedAnswer == 1 ? buttons.front() : buttons.back(), BM_CLICK, 0, 0);
}

}  // namespace

void DismissNextDialog(const std::string& caption, int answer) {
  wantedCaption = caption;
  wantedAnswer = answer;
  SetTimer(nullptr, 0, 20, &AnswerDialog);
}

std::string LastDismissedText() { return lastText; }

}  // namespace nx::test
