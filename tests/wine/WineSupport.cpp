#include "tests/wine/WineSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
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

struct Wanted {
  std::string caption;
  int answer;
};
std::deque<Wanted> wanted;
std::string lastText;
HWND lastAnswered = nullptr;

std::string WindowText(HWND window) {
  wchar_t text[1024];
  GetWindowTextW(window, text, 1024);
  return Narrow(text);
}

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  // The dialog answered last is still closing; a reused one shows again later.
  if (lastAnswered && IsWindowVisible(lastAnswered)) return;
  HWND dialog = nullptr;
  for (HWND window = FindWindowW(L"NeatrixWindow", nullptr); window;
       window = FindWindowExW(nullptr, window, L"NeatrixWindow", nullptr))
    if (IsWindowVisible(window) && WindowText(window) == wanted.front().caption) dialog = window;
  if (!dialog) return;  // not up yet
  int wantedAnswer = wanted.front().answer;
  wanted.pop_front();
  lastAnswered = dialog;
  if (wanted.empty()) KillTimer(nullptr, timer);
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
    PostMessageW(static_cast<size_t>(wantedAnswer) <= buttons.size() ? buttons[wantedAnswer - 1] : buttons.back(),
                 BM_CLICK, 0, 0);
}

}  // namespace

void DismissNextDialog(const std::string& caption, int answer) {
  if (wanted.empty()) {
    lastAnswered = nullptr;
    SetTimer(nullptr, 0, 20, &AnswerDialog);
  }
  wanted.push_back({caption, answer});
}

std::string LastDismissedText() {
  return lastText;
}

}  // namespace nx::test

namespace nx::test {

std::wstring Long(const std::string& path) {
  return L"\\\\?\\" + Widen(path);
}

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(Long(folder + "*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = Narrow(data.cFileName);
      if (name == "." || name == "..") continue;
      std::string path = folder + name;
      SetFileAttributesW(Long(path).c_str(), FILE_ATTRIBUTE_NORMAL);
      bool link = data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileW(Long(path).c_str());
      else if (link)
        RemoveDirectoryW(Long(path).c_str());
      else
        RemoveTree(path + "\\");
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(Long(folder).c_str());
}

std::string FreshFixture(char drive) {
  const testing::TestInfo& test = *testing::UnitTest::GetInstance()->current_test_info();
  std::string folder = std::string(1, drive) + ":\\" + test.test_suite_name() + "." + test.name();
  RemoveTree(folder + "\\");
  EXPECT_TRUE(CreateDirectoryW(Long(folder).c_str(), nullptr)) << folder;
  return folder + "\\";
}

void MakeFolder(const std::string& path, unsigned long attributes) {
  ASSERT_TRUE(CreateDirectoryW(Long(path).c_str(), nullptr)) << path;
  if (attributes) SetFileAttributesW(Long(path).c_str(), attributes);
}

void MakeFile(const std::string& path, const std::string& bytes, unsigned long attributes) {
  HANDLE file =
      CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  if (attributes) SetFileAttributesW(Long(path).c_str(), attributes);
}

bool Carries(const std::string& path, unsigned long attribute) {
  DWORD attributes = GetFileAttributesW(Long(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & attribute);
}

bool Exists(const std::string& path) {
  return GetFileAttributesW(Long(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace nx::test
