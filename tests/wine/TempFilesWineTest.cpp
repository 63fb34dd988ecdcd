// The Temporary files section and the deletion engine on real files of the
// test bed's drives, the real recycle bin included.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cleaners/FileDeletion.h"
#include "cleaners/files/TempFileSection.h"
#include "core/FormatSize.h"
#include "services/Masks.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/TestWorld.h"
#include "tests/wine/WineSupport.h"
#include "win32/WideText.h"
#include "win32/Win32FileFind.h"
#include "win32/Win32FileRemoval.h"

namespace nx::test {
namespace {

struct Bed {
  Win32FileFinder finder;
  Win32FileRemoval removal;
  FileSectionTools tools{finder, removal, "", Formats("yyyy-MM-dd", "HH:mm:ss")};
  ScriptedHost host;

  Bed() {
    host.settings.TempMasks = {"*.BAK", "*.OLD", "*.TMP", "*.*~*"};
    host.settings.ScanDriveLetters = {"T"};
    host.settings.WinTmp = true;
    host.settings.BackupDir = "T:\\NoBackupHere\\";
  }

  // The findings below folder, in the order found.
  std::vector<std::string> FoundBelow(const std::string& folder) const {
    std::vector<std::string> found;
    for (const std::string& path : host.results.tf.paths)
      if (path.starts_with(folder)) found.push_back(path.substr(folder.size()));
    return found;
  }
};

TEST(TempFilesWine, TheRulesInTheirOrderOnARealDrive) {
  std::string f = FreshFixture('T');
  MakeFile(f + "report.tmp", "12345");
  MakeFile(f + "report.tmp.txt", "x");
  MakeFile(f + "README", "x");
  MakeFile(f + "empty.txt");
  MakeFile(f + "Notes.bak~1", "x");
  MakeFile(f + "hidden.old", "x", FILE_ATTRIBUTE_HIDDEN);
  MakeFolder(f + "Temp");
  MakeFile(f + "Temp\\anything.dat", "abc");
  MakeFolder(f + "Backup");
  MakeFile(f + "Backup\\old.tmp", "x");
  MakeFile(f + "Backup\\empty.tmp");
  MakeFolder(f + "folder.tmp");
  struct Case {
    bool winTmp, zeroLength;
    std::string backupDir;
    std::vector<std::string> found;
  } cases[] = {
      {true, false, f + "Backup\\", {"report.tmp", "Notes.bak~1", "hidden.old", "Temp\\anything.dat"}},
      {false, false, f + "Backup\\", {"report.tmp", "Notes.bak~1", "hidden.old"}},
      // An empty file named like a mask is listed once.
      {false, true, f + "Backup\\", {"report.tmp", "empty.txt", "Notes.bak~1", "hidden.old"}},
      // The backup folder compares with case: other capitals do not exclude.
      {false,
       false,
       f + "BACKUP\\",
       {"report.tmp", "Notes.bak~1", "hidden.old", "BACKUP\\old.tmp", "BACKUP\\empty.tmp"}},
  };
  for (const Case& c : cases) {
    Bed bed;
    bed.tools.tempDir = f + "TEMP\\";
    bed.host.settings.WinTmp = c.winTmp;
    bed.host.settings.ZeroLength = c.zeroLength;
    bed.host.settings.BackupDir = c.backupDir;
    TempFileScan(bed.host, bed.tools);
    std::vector<std::string> found = bed.FoundBelow(f);
    // Backup\ written in other capitals still names the same folder on disk.
    for (std::string& path : found)
      if (path.starts_with("Backup\\") && c.backupDir.ends_with("BACKUP\\")) path.replace(0, 6, "BACKUP");
    std::vector<std::string> expected = c.found;
    std::sort(found.begin(), found.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected) << c.winTmp << c.zeroLength << " " << c.backupDir;
  }
}

TEST(TempFilesWine, RowsSizesDatesTotalsAndLogLines) {
  std::string f = FreshFixture('U');
  std::string t = FreshFixture('T');
  MakeFile(f + "first.tmp", "12345");
  MakeFile(t + "second.tmp", "123");
  Bed bed;
  bed.host.settings.ScanDriveLetters = {"U", "", "T"};  // an empty slot is skipped
  bed.host.settings.LoggScans = true;
  bed.host.results.tf.paths = {"stale"};
  TempFileScan(bed.host, bed.tools);

  const TemporaryFileResults& tf = bed.host.results.tf;
  auto at = [&](const std::string& path) {
    return std::find(tf.paths.begin(), tf.paths.end(), path) - tf.paths.begin();
  };
  size_t first = at(f + "first.tmp"), second = at(t + "second.tmp");
  ASSERT_LT(second, tf.paths.size());
  EXPECT_LT(first, second) << "U: is searched before T:, in the order of the setting";
  EXPECT_EQ(tf.sizes[first], "5");
  EXPECT_EQ(tf.checks[first], "0");
  SYSTEMTIME today;
  GetLocalTime(&today);
  char date[16];
  snprintf(date, sizeof date, "%04d-%02d-%02d", today.wYear, today.wMonth, today.wDay);
  EXPECT_EQ(tf.dates[first], date);
  std::uint64_t total = 0;
  for (const std::string& size : tf.sizes) total += std::stoull(size);
  EXPECT_EQ(tf.totalSize, std::to_string(total));
  EXPECT_EQ(std::count(tf.paths.begin(), tf.paths.end(), "stale"), 0);

  EXPECT_EQ(bed.host.status[0].front(), "Searching for files. Please wait...");
  EXPECT_NE(std::find(bed.host.status[1].begin(), bed.host.status[1].end(), "U:\\"), bed.host.status[1].end());
  EXPECT_EQ(bed.host.log,
            (std::vector<std::string>{"Scan for temporary files started.", "Scan for temporary files finished.",
                                      std::to_string(tf.paths.size()) + " temporary files were found. (" +
                                          FormatSize(static_cast<std::int64_t>(total)) + ")"}));
  EXPECT_EQ(bed.host.states, std::vector<std::string>{"shown TF"});
  EXPECT_FALSE(bed.host.stop);
}

TEST(TempFilesWine, StopKeepsWhatWasFoundAndAnInvalidMaskStopsBeforeAnyDrive) {
  std::string f = FreshFixture('T');
  MakeFile(f + "a.tmp");
  for (const char* name : {"Sub1", "Sub2", "Sub3"}) {
    MakeFolder(f + name);
    MakeFile(f + name + "\\in.tmp");
  }
  Bed bed;
  bed.host.settings.ScanDriveLetters = {"T", "U"};
  bed.tools.tempDir = "";
  // Stop while the fixture's second subfolder is shown.
  size_t pumpsBefore = 0;
  {
    Bed probe;
    TempFileScan(probe.host, probe.tools);
    auto shown = std::find(probe.host.status[1].begin(), probe.host.status[1].end(), f + "Sub2");
    ASSERT_NE(shown, probe.host.status[1].end());
    pumpsBefore = static_cast<size_t>(shown - probe.host.status[1].begin());
  }
  bed.host.stopAtPump = static_cast<int>(pumpsBefore) + 1;
  TempFileScan(bed.host, bed.tools);
  EXPECT_EQ(bed.FoundBelow(f), (std::vector<std::string>{"a.tmp", "Sub1\\in.tmp"}));
  for (const std::string& shown : bed.host.status[1]) EXPECT_FALSE(shown.starts_with("U:")) << "no drive after a stop";
  EXPECT_EQ(bed.host.states, std::vector<std::string>{"shown TF"});
  EXPECT_FALSE(bed.host.stop);

  Bed invalid;
  invalid.host.settings.TempMasks = {"*.TMP", "[a"};
  EXPECT_THROW(TempFileScan(invalid.host, invalid.tools), MaskError);
  EXPECT_TRUE(invalid.host.status[1].empty()) << "no folder was searched";
}

// A scan of the fixture alone, with the given rows checked.
Bed ScannedWithChecks(const std::string& folder, const std::vector<std::string>& checked) {
  Bed bed;
  bed.host.settings.ScanDriveLetters = {};
  bed.host.settings.TempMasks = {"*.TMP"};
  TemporaryFileResults& tf = bed.host.results.tf;
  Win32FileFinder finder;
  std::uint64_t total = 0;
  SearchFolderTree(finder, folder, skTempFiles,
                   {.onFile =
                        [&](const FileRecord& file) {
                          tf.paths.push_back(file.path);
                          tf.sizes.push_back(std::to_string(file.size));
                          tf.dates.push_back("");
                          bool check = std::find(checked.begin(), checked.end(), file.path.substr(folder.size())) !=
                                       checked.end();
                          tf.checks.push_back(check ? "1" : "0");
                          total += file.size;
                        }},
                   {});
  tf.totalSize = std::to_string(total);
  bed.host.Show(SectionCode::TF);
  return bed;
}

TEST(TempFilesWine, DeleteForGoodRemovesFilesRowsAndBytesAndLogsEachFile) {
  std::string f = FreshFixture('T');
  MakeFile(f + "a.tmp", "1234");
  MakeFile(f + "b.tmp", "12");
  MakeFile(f + "keep.tmp", "1");
  Bed bed = ScannedWithChecks(f, {"a.tmp", "b.tmp"});
  bed.host.settings.LoggDeleted = true;
  TempFileDelete(bed.host, bed.tools);

  EXPECT_FALSE(Exists(f + "a.tmp"));
  EXPECT_FALSE(Exists(f + "b.tmp"));
  EXPECT_TRUE(Exists(f + "keep.tmp"));
  EXPECT_EQ(bed.host.results.tf.paths, std::vector<std::string>{f + "keep.tmp"});
  EXPECT_EQ(bed.host.rows.size(), 1u);
  EXPECT_EQ(bed.host.results.tf.totalSize, "1");
  EXPECT_EQ(bed.host.messages,
            (std::vector<std::string>{"Delete?: Are you sure you want to delete the selected temporary files?",
                                      "Message: The temporary files were deleted successfully!"}));
  EXPECT_EQ(bed.host.log, (std::vector<std::string>{"Started deleting temporary files.", "Deleted " + f + "a.tmp.",
                                                    "Deleted " + f + "b.tmp.", "Deleted size: 6 byte.",
                                                    "Finished deleting temporary files."}));
  EXPECT_EQ(bed.host.status[0].front(), "Deleting. Please wait...");
  EXPECT_EQ(bed.host.status[1], (std::vector<std::string>{"0 %", "50 %", ""}));
  EXPECT_EQ(bed.host.states, (std::vector<std::string>{"busy", "stop off", "shown TF", "idle", "summary 2"}));
}

TEST(TempFilesWine, NothingCheckedOrNoAnswerChangesNothing) {
  std::string f = FreshFixture('T');
  MakeFile(f + "a.tmp", "1");
  Bed none = ScannedWithChecks(f, {});
  TempFileDelete(none.host, none.tools);
  EXPECT_EQ(none.host.messages, std::vector<std::string>{"Message: Nothing is selected!"});

  Bed declined = ScannedWithChecks(f, {"a.tmp"});
  declined.host.messageAnswers = {2};
  TempFileDelete(declined.host, declined.tools);
  EXPECT_TRUE(Exists(f + "a.tmp"));
  EXPECT_TRUE(declined.host.states.empty());
  EXPECT_EQ(declined.host.results.tf.paths.size(), 1u);
}

TEST(TempFilesWine, BackupMovesToTheRecycleBin) {
  std::string f = FreshFixture('T');
  std::string name = "recycled-" + std::to_string(GetTickCount()) + ".tmp";
  MakeFile(f + name, "abc");
  Bed bed = ScannedWithChecks(f, {name});
  bed.host.settings.Backup = true;
  bed.host.settings.LoggDeleted = true;
  TempFileDelete(bed.host, bed.tools);

  EXPECT_FALSE(Exists(f + name));
  std::string trash = "N:\\wine\\home\\.local\\share\\Trash\\files\\";
  EXPECT_TRUE(Exists(trash + name)) << "in the recycle bin: " << trash + name;
  EXPECT_EQ(bed.host.status[0].front(), "Moving to recycle bin. Please wait...");
  EXPECT_EQ(bed.host.log[1], "Moved " + f + name + " to recycle bin.");

  EmptyRecycleBin(nullptr);
  EXPECT_FALSE(Exists(trash + name)) << "the recycle bin was emptied";
}

TEST(TempFilesWine, EachReadOnlyAnswer) {
  struct Case {
    bool backup;
    std::vector<ReadOnlyAnswer> answers;
    int questions;
    std::vector<bool> stays;  // ro1, plain, ro2, ro3
  } cases[] = {
      {true, {ReadOnlyAnswer::No, ReadOnlyAnswer::No, ReadOnlyAnswer::No}, 3, {true, false, true, true}},
      {false, {ReadOnlyAnswer::Yes, ReadOnlyAnswer::No, ReadOnlyAnswer::Yes}, 3, {false, false, true, false}},
      {false, {ReadOnlyAnswer::NoToAll}, 1, {true, false, true, true}},
      {false, {ReadOnlyAnswer::No, ReadOnlyAnswer::YesToAll}, 2, {true, false, false, false}},
  };
  const std::vector<std::string> names{"ro1.tmp", "plain.tmp", "ro2.tmp", "ro3.tmp"};
  for (const Case& c : cases) {
    std::string f = FreshFixture('T');
    for (const std::string& name : names) MakeFile(f + name, "x", name.starts_with("ro") ? FILE_ATTRIBUTE_READONLY : 0);
    Bed bed = ScannedWithChecks(f, names);
    bed.host.settings.Backup = c.backup;
    bed.host.settings.LoggDeleted = true;
    bed.host.readOnlyAnswers = {c.answers.begin(), c.answers.end()};
    TempFileDelete(bed.host, bed.tools);

    std::vector<bool> stays;
    for (const std::string& name : names) stays.push_back(Exists(f + name));
    EXPECT_EQ(stays, c.stays) << static_cast<int>(c.answers.back());
    EXPECT_EQ(bed.host.readOnlyQuestions.size(), static_cast<size_t>(c.questions));
    EXPECT_EQ(bed.host.readOnlyQuestions.front(),
              "The file " + f + "ro1.tmp is a read only file.\r\nDo you want to delete the file?");
    int kept = static_cast<int>(std::count(stays.begin(), stays.end(), true));
    EXPECT_EQ(bed.host.results.tf.paths.size(), static_cast<size_t>(kept)) << "declined rows stay";
    for (const std::string& mark : bed.host.results.tf.checks) EXPECT_EQ(mark, "1");
    EXPECT_EQ(bed.host.messages.back(), "Message: " + std::to_string(kept) + " temporary files could not be removed!");
    std::string failed =
        c.backup ? "Failed to move " + f + "ro1.tmp to recycle bin." : "Failed to delete " + f + "ro1.tmp.";
    if (stays[0]) EXPECT_NE(std::find(bed.host.log.begin(), bed.host.log.end(), failed), bed.host.log.end());
  }
}

TEST(TempFilesWine, AFileThatCannotGoIsCountedAndKeepsItsRow) {
  std::string f = FreshFixture('T');
  MakeFile(f + "locked.tmp", "1234");
  MakeFile(f + "free.tmp", "12");
  MakeFile(f + "third.tmp", "1");
  HANDLE held =
      CreateFileW(Long(f + "locked.tmp").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Bed bed = ScannedWithChecks(f, {"locked.tmp", "free.tmp", "third.tmp"});
  const ResultRows before = bed.host.rows;
  bed.host.settings.LoggDeleted = true;
  std::uint64_t deleted = 0;
  int failures = DeleteCheckedFiles(bed.host, bed.tools, deleted, RowCaptionPath);
  CloseHandle(held);

  EXPECT_EQ(failures, 1);
  EXPECT_EQ(deleted, 3u) << "the size of what stayed is not counted";
  EXPECT_EQ(bed.host.results.tf.paths, std::vector<std::string>{f + "locked.tmp"});
  EXPECT_EQ(bed.host.results.tf.checks, std::vector<std::string>{"1"});
  EXPECT_NE(std::find(bed.host.log.begin(), bed.host.log.end(), "Failed to delete " + f + "locked.tmp."),
            bed.host.log.end());
  // Failures do not advance the percentage.
  std::vector<std::string> percentages;
  int removed = 0;
  for (const ResultRow& row : before) {
    percentages.push_back(std::to_string((removed * 100 + 1) / 3) + " %");  // 0, 33, 67
    if (row.caption != f + "locked.tmp") ++removed;
  }
  percentages.push_back("");
  EXPECT_EQ(bed.host.status[1], percentages);
}

TEST(TempFilesWine, EmptyFolderTreeLeavesHiddenEntriesTheTopFolderAndWhatALinkPointsTo) {
  std::string f = FreshFixture('T');
  MakeFile(f + "a.txt", "1");
  MakeFile(f + "hidden.txt", "1", FILE_ATTRIBUTE_HIDDEN);
  MakeFolder(f + "Sub");
  MakeFile(f + "Sub\\b.txt", "1");
  MakeFolder(f + "Sub\\Deeper");
  MakeFile(f + "Sub\\Deeper\\c.txt", "1");
  MakeFolder(f + "Hidden", FILE_ATTRIBUTE_HIDDEN);
  MakeFile(f + "Hidden\\d.txt", "1");
  Bed bed;
  EmptyFolderTree(bed.tools, f, false);
  EXPECT_TRUE(Exists(f));
  EXPECT_FALSE(Exists(f + "a.txt"));
  EXPECT_FALSE(Exists(f + "Sub"));
  EXPECT_TRUE(Exists(f + "hidden.txt"));
  EXPECT_TRUE(Exists(f + "Hidden\\d.txt"));

  // The test bed's standing link: V:\emptying\Tree\link -> ..\Keep.
  std::string tree = "V:\\emptying\\Tree\\";
  if (!Carries(tree + "link", FILE_ATTRIBUTE_REPARSE_POINT)) GTEST_SKIP() << "no folder link to test with";
  EmptyFolderTree(bed.tools, tree, false);
  EXPECT_TRUE(Exists("V:\\emptying\\Keep\\kept.txt")) << "what the link points to stays";
}

}  // namespace
}  // namespace nx::test
