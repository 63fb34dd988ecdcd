// Neatrix.exe end to end: started as a user would, with its settings in the
// prefix's registry and its files in a scratch folder.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/SetupDefaults.h"
#include "tests/support/TestWorld.h"
#include "tests/wine/WineSupport.h"
#include "win32/WideText.h"

namespace nx::test {
namespace {

constexpr DWORD kPatience = 30000;  // ms; only a hang comes near it

class NeatrixProgramTest : public testing::Test {
protected:
  void SetUp() override {
    for (const char* name : {"Neatrix.exe", "Neatrix.enu", "Neatrix.sve"})
      ASSERT_TRUE(CopyFileW(Widen(ProgramsFolder() + name).c_str(), Widen(world->folder() + name).c_str(), FALSE));
  }
  void TearDown() override {
    if (process.hProcess) {
      TerminateProcess(process.hProcess, 1);
      CloseHandle(process.hProcess);
      CloseHandle(process.hThread);
    }
  }

  void Settings(const char* language) {
    auto key = WriteSetupDefaults(world->registry());
    key->WriteString("Language", language);
    WriteBool(*key, "Logg", true);
  }

  void Start(const std::string& arguments) {
    std::wstring command = L"\"" + Widen(world->folder() + "Neatrix.exe") + L"\" " + Widen(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  }

  HWND MainWindow() {
    for (DWORD waited = 0; waited < kPatience; waited += 50) {
      if (HWND window = FindWindowW(L"NeatrixWindow", L"Neatrix! v 2.5.1.2")) return window;
      if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
  }

  static std::string ButtonTexts(HWND window) {
    std::string texts;
    for (HWND child = FindWindowExW(window, nullptr, L"Button", nullptr); child;
         child = FindWindowExW(window, child, L"Button", nullptr)) {
      wchar_t text[64];
      GetWindowTextW(child, text, 64);
      texts += Narrow(text) + "|";
    }
    return texts;
  }

  bool Ended() { return WaitForSingleObject(process.hProcess, kPatience) == WAIT_OBJECT_0; }

  std::string LogText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char name[32];
    // The prefix's short date format is M/d/yyyy.
    snprintf(name, sizeof name, "Logg%d-%d-%d.txt", now.wMonth, now.wDay, now.wYear);
    return world->ReadFile(world->folder() + "Loggs\\" + name).value_or("");
  }

  std::unique_ptr<TestWorld> world = MakeTestWorld();
  PROCESS_INFORMATION process{};
};

TEST_F(NeatrixProgramTest, LanguageSettingPicksTheModule) {
  struct Case {
    const char* language;
    const char* exitCaption;
  };
  for (const Case& c :
       std::vector<Case>{{"Swedish", "Avsluta"}, {"SWEDISH", "Avsluta"}, {"English", "Exit"}, {"Deutsch", "Exit"}}) {
    SCOPED_TRACE(c.language);
    Settings(c.language);
    Start("");
    HWND window = MainWindow();
    ASSERT_TRUE(window);
    EXPECT_NE(ButtonTexts(window).find(std::string(c.exitCaption) + "|"), std::string::npos) << ButtonTexts(window);
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Ended());
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    process = {};
  }
}

TEST_F(NeatrixProgramTest, ASessionIsLogged) {
  Settings("English");
  Start("");
  HWND window = MainWindow();
  ASSERT_TRUE(window);
  PostMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Ended());
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u);
  std::string log = LogText();
  EXPECT_NE(log.find("     ************ Session started ************\r\n"), std::string::npos) << log;
  EXPECT_TRUE(log.ends_with("     ************ Session terminated ************\r\n \r\n \r\n")) << log;
}

TEST_F(NeatrixProgramTest, ScanSwitchRunsAndEndsWithoutSessionEnd) {
  Settings("English");
  Start("-Scan");
  ASSERT_TRUE(Ended());
  std::string log = LogText();
  EXPECT_NE(log.find("Session started"), std::string::npos) << log;
  EXPECT_EQ(log.find("Session terminated"), std::string::npos) << log;
}

TEST_F(NeatrixProgramTest, ScanSwitchIsExact) {
  Settings("English");
  Start("-debug -Scan");
  HWND window = MainWindow();
  ASSERT_TRUE(window);
  EXPECT_FALSE(IsIconic(window));
  PostMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Ended());
}

}  // namespace
}  // namespace nx::test
