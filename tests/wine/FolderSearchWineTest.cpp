#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "services/FolderSearch.h"
#include "tests/wine/WineSupport.h"
#include "win32/WideText.h"
#include "win32/Win32FileFind.h"

namespace nx::test {
namespace {

struct Found {
  std::vector<std::string> shown, files;
  std::vector<FileRecord> records;
};

Found Search(const std::string& folder) {
  Win32FileFinder finder;
  Found found;
  SearchFolderTree(finder, folder, skTempFiles,
                   {.onFile =
                        [&](const FileRecord& file) {
                          found.files.push_back(file.path);
                          found.records.push_back(file);
                        }},
                   {.showFolder = [&](const std::string& shown) { found.shown.push_back(shown); }});
  std::sort(found.files.begin(), found.files.end());
  return found;
}

std::vector<std::string> Collect(const std::string& folder, const char* pattern) {
  Win32FileFinder finder;
  std::vector<std::string> list;
  CollectFiles(finder, folder, pattern, list, {});
  std::sort(list.begin(), list.end());
  return list;
}

TEST(FolderSearchWine, HiddenAndSystemRulesAndDotFoldersOnARealDrive) {
  std::string f = FreshFixture();
  MakeFile(f + "plain.txt");
  MakeFile(f + "hidden.txt", "", FILE_ATTRIBUTE_HIDDEN);
  MakeFile(f + "system.txt", "", FILE_ATTRIBUTE_SYSTEM);
  MakeFolder(f + "Hidden", FILE_ATTRIBUTE_HIDDEN);
  MakeFile(f + "Hidden\\in.txt");
  MakeFolder(f + "Sub");
  MakeFile(f + "Sub\\in.txt");
  MakeFolder(f + ".cache");
  MakeFile(f + ".cache\\in.txt");
  if (!Carries(f + "hidden.txt", FILE_ATTRIBUTE_HIDDEN) || !Carries(f + "system.txt", FILE_ATTRIBUTE_SYSTEM) ||
      !Carries(f + "Hidden", FILE_ATTRIBUTE_HIDDEN))
    GTEST_SKIP() << "the fixture drive does not keep DOS attributes (no extended attributes on its file system)";

  EXPECT_EQ(Search(f).files, (std::vector<std::string>{f + "Sub\\in.txt", f + "hidden.txt", f + "plain.txt"}));
  EXPECT_EQ(Collect(f, "*.txt"),
            (std::vector<std::string>{f + "Hidden\\in.txt", f + "Sub\\in.txt", f + "plain.txt", f + "system.txt"}));
}

TEST(FolderSearchWine, NamesOutsideTheCodePageSizesAndTimesComeThroughIntact) {
  std::string f = FreshFixture();
  std::string folder = f + "目录";
  std::string file = folder + "\\中文名.txt";
  MakeFolder(folder);
  MakeFile(file, "12345");
  HANDLE handle = CreateFileW(Long(file).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  FILETIME stamp{0xD53E8000, 0x01D9A2B3};  // some day of 2023
  ASSERT_TRUE(SetFileTime(handle, nullptr, nullptr, &stamp));
  CloseHandle(handle);

  Found found = Search(f);
  ASSERT_EQ(found.records.size(), 1u);
  EXPECT_EQ(found.records[0].path, file);
  EXPECT_EQ(found.records[0].size, 5u);
  FILETIME local;
  WORD date = 0, time = 0;
  FileTimeToLocalFileTime(&stamp, &local);
  FileTimeToDosDateTime(&local, &date, &time);
  EXPECT_EQ(found.records[0].lastWrite, (static_cast<std::uint32_t>(date) << 16) | time);
  EXPECT_NE(std::find(found.shown.begin(), found.shown.end(), folder), found.shown.end()) << folder;

  Win32FileFinder finder;
  EXPECT_EQ(QueryFileSize(finder, file), 5u);
  EXPECT_EQ(QueryFileSize(finder, f + "missing.txt"), 0u);
  EXPECT_EQ(QueryFileSize(finder, "T:\\NoSuchFolder\\missing.txt"), 0u);
}

TEST(FolderSearchWine, TreesDeeperThanMaxPathAreWalked) {
  std::string folder = FreshFixture();
  while (folder.size() < MAX_PATH + 40) {
    folder += std::string(60, 'd') + "\\";
    MakeFolder(folder);
  }
  std::string file = folder + "deep.txt";
  MakeFile(file, "abc");
  std::string root = folder.substr(0, folder.find('\\', 3) + 1);

  EXPECT_EQ(Search(root).files, std::vector<std::string>{file});
  EXPECT_EQ(Collect(root, "deep.txt"), std::vector<std::string>{file});
  Win32FileFinder finder;
  EXPECT_EQ(QueryFileSize(finder, file), 3u);
  RemoveTree(root);
}

TEST(FolderSearchWine, ALinkedFolderIsNeverEntered) {
  std::string f = FreshFixture();
  MakeFolder(f + "Target");
  MakeFile(f + "Target\\in.txt");
  constexpr DWORD kUnprivileged = 0x2;  // SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
  if (!CreateSymbolicLinkW(Long(f + "link").c_str(), Long(f + "Target").c_str(),
                           SYMBOLIC_LINK_FLAG_DIRECTORY | kUnprivileged))
    GTEST_SKIP() << "no symbolic links here (error " << GetLastError() << "); the fake covers reparse points";
  // Wine 8 only pretends to make links; the test bed's own link on V: serves.
  if (!Carries(f + "link", FILE_ATTRIBUTE_REPARSE_POINT)) f = "V:\\linked\\";
  if (!Carries(f + "link", FILE_ATTRIBUTE_REPARSE_POINT))
    GTEST_SKIP() << "no folder link to test with; the fake covers reparse points";

  EXPECT_EQ(Search(f).files, std::vector<std::string>{f + "Target\\in.txt"});
  EXPECT_EQ(Collect(f, "*.*"), std::vector<std::string>{f + "Target\\in.txt"});
}

}  // namespace
}  // namespace nx::test
