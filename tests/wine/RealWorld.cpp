// The Wine test world: the real registry of the throwaway prefix and a
// scratch folder beside the test program, inside the build tree.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/TestWorld.h"
#include "tests/wine/WineSupport.h"
#include "win32/WideText.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"

namespace nx::test {
namespace {

class RealWorld : public TestWorld {
public:
  RealWorld() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Neatrix");
    folder_ = FreshScratchFolder();
  }
  Registry& registry() override { return registry_; }
  FileSystem& files() override { return files_; }
  const AnsiCodec& codec() override { return codec_; }

  std::optional<std::string> ReadFile(const std::string& path) override {
    std::ifstream in(std::filesystem::path(Widen(path)), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  void WriteFile(const std::string& path, const std::string& bytes) override {
    std::ofstream(std::filesystem::path(Widen(path)), std::ios::binary) << bytes;
  }

private:
  Win32Registry registry_;
  Win32FileSystem files_;
  Win32AnsiCodec codec_;
};

}  // namespace

std::unique_ptr<TestWorld> MakeTestWorld() {
  return std::make_unique<RealWorld>();
}

std::string FreshScratchFolder() {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "scratch";
  for (char& c : name)
    if (c == '/') c = '_';
  std::filesystem::path folder = std::filesystem::path(exe).parent_path() / L"scratch" / Widen(name);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return Narrow(folder.wstring()) + "\\";
}

}  // namespace nx::test
