#include <windows.h>

#include <gtest/gtest.h>

#include "win32/SystemFolders.h"
#include "win32/WideText.h"

namespace nx::test {
namespace {

TEST(SystemFolders, ExistingFoldersTheTempOneWithItsBackslash) {
  struct Case {
    const char* name;
    std::string folder;
    bool trailingBackslash;
  };
  for (const Case& c : std::vector<Case>{
           {"TempDir", TempDir(), true}, {"WindowsDir", WindowsDir(), false}, {"SystemDir", SystemDir(), false}}) {
    ASSERT_FALSE(c.folder.empty()) << c.name;
    EXPECT_EQ(c.folder.back() == '\\', c.trailingBackslash) << c.name << " " << c.folder;
    DWORD attributes = GetFileAttributesW(Widen(c.folder).c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) << c.folder;
  }
  EXPECT_TRUE(SystemDir().starts_with(WindowsDir() + "\\")) << SystemDir();
}

}  // namespace
}  // namespace nx::test
