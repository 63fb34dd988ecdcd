#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/TextUtil.h"
#include "services/FolderSearch.h"
#include "services/Masks.h"

namespace nx {
namespace {

// Folders in the order entries were added, which stands for the order the
// file system returns them. Every folder but a root lists "." and "..".
class FakeFinder : public FileFinder {
public:
  // A path ending in "\" is a folder; its parent must have been added.
  void Add(const std::string& path, std::uint32_t attributes = 0, std::uint64_t size = 0) {
    bool folder = path.back() == '\\';
    std::string trimmed = folder ? path.substr(0, path.size() - 1) : path;
    size_t slash = trimmed.rfind('\\');
    std::string parent = trimmed.substr(0, slash + 1);
    folders_[UpperAscii(parent)].push_back(
        {trimmed.substr(slash + 1), attributes | (folder ? kAttrDirectory : 0), size});
    if (folder) folders_[UpperAscii(path)] = {{".", kAttrDirectory}, {"..", kAttrDirectory}};
  }

  std::unique_ptr<FindSearch> FindFirst(std::string_view pattern, std::uint32_t filter) override {
    size_t slash = pattern.rfind('\\');
    std::string wildcard(pattern.substr(slash + 1));
    // The platform lets "*.*" match names without a dot too.
    Mask mask(wildcard == "*.*" ? "*" : wildcard);
    auto search = std::make_unique<Listing>();
    for (const FindEntry& entry : folders_[UpperAscii(pattern.substr(0, slash + 1))])
      if (mask.Matches(entry.name) && PassesFilter(entry.attributes, filter)) search->entries.push_back(entry);
    return search;
  }

private:
  struct Listing : FindSearch {
    bool Next(FindEntry& entry) override {
      if (next == entries.size()) return false;
      entry = entries[next++];
      return true;
    }
    std::vector<FindEntry> entries;
    size_t next = 0;
  };

  std::map<std::string, std::vector<FindEntry>> folders_{{"C:\\", {}}};
};

// One trace of what the window and the actions saw, in order.
struct Recorder {
  WalkControl Control() {
    return {[this](const std::string& folder) { trace.push_back("show " + folder); }, [this] { ++pumps; },
            [this] { return stop; }};
  }
  SearchActions Actions() {
    return {[this](const FileRecord& file) { trace.push_back(file.path); },
            [this](const std::string& folder) { trace.push_back("folder " + folder); }};
  }
  std::vector<std::string> trace;
  int pumps = 0;
  bool stop = false;
};

std::vector<std::string> Search(FileFinder& finder, std::string_view path, TSearchKind kind = skTempFiles) {
  Recorder recorder;
  SearchFolderTree(finder, path, kind, recorder.Actions(), recorder.Control());
  return recorder.trace;
}

TEST(FolderSearch, FilesFirstThenFoldersDepthFirstInFileSystemOrder) {
  FakeFinder finder;
  finder.Add("C:\\b.txt");
  finder.Add("C:\\Sub1\\");
  finder.Add("C:\\Sub1\\Deep\\");
  finder.Add("C:\\Sub1\\Deep\\y.txt");
  finder.Add("C:\\Sub1\\x.txt");
  finder.Add("C:\\Sub2\\");
  finder.Add("C:\\Sub2\\z.txt");
  finder.Add("C:\\a.txt");
  EXPECT_EQ(
      Search(finder, "C:\\"),
      (std::vector<std::string>{"show C:\\", "C:\\b.txt", "C:\\a.txt", "show C:\\Sub1", "C:\\Sub1\\x.txt",
                                "show C:\\Sub1\\Deep", "C:\\Sub1\\Deep\\y.txt", "show C:\\Sub2", "C:\\Sub2\\z.txt"}));
}

TEST(FolderSearch, EveryPathFormMeansTheFolderUpToTheLastBackslash) {
  FakeFinder finder;
  finder.Add("C:\\root.txt");
  finder.Add("C:\\Sub\\");
  finder.Add("C:\\Sub\\in.txt");
  const std::vector<std::string> root{"show C:\\", "C:\\root.txt", "show C:\\Sub", "C:\\Sub\\in.txt"};
  const std::vector<std::string> sub{"show C:\\Sub", "C:\\Sub\\in.txt"};
  for (auto [path, expected] : std::vector<std::pair<const char*, std::vector<std::string>>>{{"C:\\", root},
                                                                                             {"C:\\*.*", root},
                                                                                             {"C:\\Sub", root},
                                                                                             {"C:", root},
                                                                                             {"C:\\Sub\\", sub},
                                                                                             {"C:\\Sub\\*.lnk", sub},
                                                                                             {"", {}}})
    EXPECT_EQ(Search(finder, path), expected) << path;
}

TEST(FolderSearch, TheKindChoosesTheFilePatternButEveryFolderIsEntered) {
  FakeFinder finder;
  finder.Add("C:\\README");
  finder.Add("C:\\a.LNK");
  finder.Add("C:\\b.url");
  finder.Add("C:\\Links\\");
  finder.Add("C:\\Links\\c.lnk");
  struct Case {
    TSearchKind kind;
    std::vector<std::string> files;
  };
  for (const Case& c :
       std::vector<Case>{{skShortcuts, {"C:\\a.LNK", "C:\\Links\\c.lnk"}},
                         {skStartMenuShortcuts, {"C:\\a.LNK", "C:\\Links\\c.lnk"}},
                         {skInternetShortcuts, {"C:\\b.url"}},
                         {skTempFiles, {"C:\\README", "C:\\a.LNK", "C:\\b.url", "C:\\Links\\c.lnk"}},
                         {skFolderSize, {"C:\\README", "C:\\a.LNK", "C:\\b.url", "C:\\Links\\c.lnk"}}}) {
    std::vector<std::string> files;
    SearchFolderTree(finder, "C:\\", c.kind, {.onFile = [&](const FileRecord& file) { files.push_back(file.path); }},
                     {});
    EXPECT_EQ(files, c.files) << c.kind;
  }
}

TEST(FolderSearch, TheFileRecordCarriesSizeTimeAndAttributes) {
  FakeFinder finder;
  finder.Add("C:\\big.bin", kAttrArchive | kAttrReadOnly, 5ull << 30);
  std::vector<FileRecord> files;
  SearchFolderTree(finder, "C:\\", skFolderSize, {.onFile = [&](const FileRecord& file) { files.push_back(file); }},
                   {});
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].size, 5ull << 30);
  EXPECT_EQ(files[0].attributes, kAttrArchive | kAttrReadOnly);
}

// One fixture for both walks: they differ in what they admit.
class FolderSearchAttributes : public testing::Test {
protected:
  void SetUp() override {
    for (auto [name, attributes] :
         std::vector<std::pair<std::string, std::uint32_t>>{{"plain", 0},
                                                            {"readonly", kAttrReadOnly},
                                                            {"hidden", kAttrHidden},
                                                            {"system", kAttrSystem},
                                                            {"archive", kAttrArchive},
                                                            {"hiddensystem", kAttrHidden | kAttrSystem}}) {
      finder.Add("C:\\" + name + ".txt", attributes);
      finder.Add("C:\\" + name + "\\", attributes);
      finder.Add("C:\\" + name + "\\in.txt");
    }
    finder.Add("C:\\.cache\\");
    finder.Add("C:\\.cache\\in.txt");
    finder.Add("C:\\link\\", kAttrReparsePoint);
    finder.Add("C:\\link\\in.txt");
  }
  FakeFinder finder;
};

TEST_F(FolderSearchAttributes, SearchSeesHiddenFilesButEntersNoHiddenSystemDotOrLinkedFolder) {
  EXPECT_EQ(Search(finder, "C:\\"),
            (std::vector<std::string>{"show C:\\", "C:\\plain.txt", "C:\\readonly.txt", "C:\\hidden.txt",
                                      "C:\\archive.txt", "show C:\\plain", "C:\\plain\\in.txt", "show C:\\readonly",
                                      "C:\\readonly\\in.txt", "show C:\\archive", "C:\\archive\\in.txt"}));
}

TEST_F(FolderSearchAttributes, CollectSeesSystemFilesAndEntersHiddenFoldersButNoDotOrLinkedOne) {
  std::vector<std::string> list{"kept"};
  Recorder recorder;
  CollectFiles(finder, "C:\\", "*.txt", list, recorder.Control());
  EXPECT_EQ(list, (std::vector<std::string>{"kept", "C:\\plain.txt", "C:\\readonly.txt", "C:\\system.txt",
                                            "C:\\archive.txt", "C:\\plain\\in.txt", "C:\\readonly\\in.txt",
                                            "C:\\hidden\\in.txt", "C:\\archive\\in.txt"}));
  EXPECT_TRUE(recorder.trace.empty()) << "CollectFiles shows no folder";
  EXPECT_EQ(recorder.pumps, 5);
}

TEST(FolderSearch, FolderActionRunsForEveryEntryOfTheFolderPassOnlyForItsKinds) {
  FakeFinder finder;
  finder.Add("C:\\Data\\");
  finder.Add("C:\\Data\\f.txt");
  finder.Add("C:\\Data\\Sub\\");
  const std::vector<std::string> withAction{"show C:\\",
                                            "folder C:\\",
                                            "show C:\\Data",
                                            "C:\\Data\\f.txt",
                                            "folder C:\\Data\\",
                                            "folder C:\\Data\\",
                                            "folder C:\\Data\\",
                                            "folder C:\\Data\\",
                                            "show C:\\Data\\Sub",
                                            "folder C:\\Data\\Sub\\",
                                            "folder C:\\Data\\Sub\\"};
  EXPECT_EQ(Search(finder, "C:\\", skKeyword), withAction);
  EXPECT_EQ(Search(finder, "C:\\", skFolderContents), withAction);
  EXPECT_EQ(Search(finder, "C:\\", skCountFiles),
            (std::vector<std::string>{"show C:\\", "show C:\\Data", "C:\\Data\\f.txt", "show C:\\Data\\Sub"}));
}

TEST(FolderSearch, StopEndsTheWalkAtTheNextFolderAndKeepsWhatWasHandled) {
  FakeFinder finder;
  finder.Add("C:\\A\\");
  finder.Add("C:\\A\\1.txt");
  finder.Add("C:\\A\\2.txt");
  finder.Add("C:\\A\\Deep\\");
  finder.Add("C:\\A\\Deep\\3.txt");
  finder.Add("C:\\B\\");
  finder.Add("C:\\B\\4.txt");
  Recorder recorder;
  SearchActions actions{.onFile = [&](const FileRecord& file) {
    recorder.trace.push_back(file.path);
    recorder.stop = true;
  }};
  SearchFolderTree(finder, "C:\\", skTempFiles, actions, recorder.Control());
  EXPECT_EQ(recorder.trace, (std::vector<std::string>{"show C:\\", "show C:\\A", "C:\\A\\1.txt", "C:\\A\\2.txt",
                                                      "show C:\\A\\Deep", "show C:\\B"}));
  EXPECT_EQ(recorder.pumps, 4) << "messages are processed once per folder";
}

TEST(FolderSearch, QueryFileSizeIsTheWholeSizeOrZeroWhenMissing) {
  FakeFinder finder;
  finder.Add("C:\\big.bin", kAttrHidden | kAttrSystem, 5ull << 30);
  EXPECT_EQ(QueryFileSize(finder, "C:\\big.bin"), 5ull << 30);
  EXPECT_EQ(QueryFileSize(finder, "C:\\missing.bin"), 0u);
}

TEST(FolderSearch, PackDosDateTimeKeepsHalvedSecondsAndRefusesYearsItCannotHold) {
  struct Case {
    CivilTime local;
    std::uint32_t packed;
  };
  for (const Case& c : std::vector<Case>{{{1980, 1, 1, 0, 0, 0, 0}, 0x00210000},
                                         {{2026, 12, 11, 15, 20, 37, 999}, 0x5D8B7A92},
                                         {{2107, 12, 31, 23, 59, 59, 0}, 0xFF9FBF7D},
                                         {{1979, 12, 31, 23, 59, 59, 0}, 0},
                                         {{2108, 1, 1, 0, 0, 0, 0}, 0}})
    EXPECT_EQ(PackDosDateTime(c.local), c.packed) << c.local.year;
}

TEST(FolderSearch, UnpackDosDateTimeReadsBackWhatWasPackedAndRefusesNonsense) {
  EXPECT_EQ(UnpackDosDateTime(0x5D8B7A92), (CivilTime{2026, 12, 11, 15, 20, 36, 0}));
  EXPECT_EQ(UnpackDosDateTime(0xFF9FBF7D), (CivilTime{2107, 12, 31, 23, 59, 58, 0}));
  for (std::uint32_t nonsense : {0u, 0x5D800000u /* day 0 */, 0x5D8BFFFFu /* 31:63:62 */, 0x5C5D0000u /* 30 Feb */})
    EXPECT_EQ(UnpackDosDateTime(nonsense), std::nullopt) << std::hex << nonsense;
}

}  // namespace
}  // namespace nx
