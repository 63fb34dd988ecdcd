#include <gtest/gtest.h>

#include "app/logic/Summary.h"

namespace nx {
namespace {

using Texts = std::vector<std::string>;

ResultRow Sized(const char* size, bool checked) {
  return {.caption = "x", .columns = {size}, .checked = checked};
}

TEST(CountChecked, SumsAs64BitUntilATextIsNoNumber) {
  struct Case {
    ResultRows rows;
    CheckedCount counted;
  };
  const Case cases[] = {
      {{Sized("100", true), Sized("200", true)}, {2, 300}},
      {{Sized("3000000000", true), Sized("3000000000", true)}, {2, 6000000000}},
      {{Sized("100", true), Sized("x", true), Sized("200", true)}, {3, -1}},  // -1 stays
      {{Sized("x", false), Sized("5", true)}, {1, 5}},
      {{Sized("", true)}, {1, -1}},
      {{Sized("9223372036854775807", true), Sized("1", true)}, {2, -1}},  // no room in 64 bits
      {{{.caption = "group", .children = {Sized("7", true), Sized("8", false)}}}, {1, 7}},
  };
  for (const Case& c : cases) {
    CheckedCount counted = CountChecked(c.rows, 1, true);
    EXPECT_EQ(counted.count, c.counted.count);
    EXPECT_EQ(counted.sum, c.counted.sum);
  }
  EXPECT_EQ(CountChecked(cases[2].rows, 1, false).sum, 0);
}

TEST(CountChecked, DuplicateCopiesAddTheirGroupSize) {
  ResultRows rows{
      {.caption = "a.txt", .columns = {"2", "100"}, .children = {Sized("", true), Sized("", false)}},
      {.caption = "b.txt", .columns = {"3", "50"}, .children = {Sized("", true), Sized("", true), Sized("", false)}}};
  CheckedCount counted = CountCheckedGroupSize(rows);
  EXPECT_EQ(counted.count, 3);
  EXPECT_EQ(counted.sum, 200);
}

TEST(Summary, KindsBySection) {
  const std::pair<SectionCode, int> kinds[] = {
      {SectionCode::SC, 1},  {SectionCode::IP, 0},  {SectionCode::TF, 2}, {SectionCode::RB, 3},  {SectionCode::DF, 10},
      {SectionCode::DS, 11}, {SectionCode::KW, 13}, {SectionCode::CA, 4}, {SectionCode::CO, 5},  {SectionCode::FA, 7},
      {SectionCode::HI, 0},  {SectionCode::UE, 8},  {SectionCode::AS, 9}, {SectionCode::RS, 12}, {SectionCode::AC, 0}};
  for (auto [code, kind] : kinds) EXPECT_EQ(SummaryKindFor(code), kind) << CodeText(code);
}

class SummaryLinesTest : public testing::Test {
protected:
  SummaryLinesTest() {
    r.sc = {{"a.lnk", "b.lnk"}, {"1234", "500"}, {"", ""}, {"", ""}, {"1", "0"}, "1734"};
    r.tf = {{"C:\\x.tmp"}, {"999000000"}, {""}, {"1"}, "999000000"};
    r.rb = {{"a", "b", "c"}, {"1", "2", "3"}, "1000000000"};
    r.ca = {{"c"}, {"12345"}, {""}, {""}, {"0"}, "12345", {"4", "2048"}, {"7", "1"}, {"0", "0"}};
    r.co = {{"k", "l"}, {"100", "x"}, {"", ""}, {"", ""}, {"", ""}, {"1", "1"}, "100"};
    r.fa = {{"f", "g"}, {"", ""}, {"", ""}, {"-1", "-1"}, {"1", "1"}};
    r.ue = {{"p"}, {""}, {""}, {"0"}};
    r.as = {{"n", "m"}, {"", ""}, {"", ""}, {"14", "14"}, {"0", "1"}};
    r.kw = {{"File name"}, {"C:\\a"}, {"1"}, "3", "2"};
    r.df.groups = {"0;a.txt", "1;b.txt"};
    r.df.sizes = {"100", "50"};
    r.df.files = {"0;C:\\", "0;D:\\", "0;E:\\", "1;C:\\", "1;D:\\"};
    r.df.duplicatesSize = "150";
    r.df.allFilesSize = "400";
    r.ds.file1 = "C:\\before.ndsf";
    r.hi.names = {"Internet explorer"};
  }

  Texts Lines(int kind, SectionCode code, CacheSwitches cache = {}) {
    rows = BuildRows(code, r);
    return SummaryLines(kind, {rows, r, cache, [](const std::string& path) { return "[stamp of " + path + "]"; }});
  }

  SectionResults r;
  ResultRows rows;
};

TEST_F(SummaryLinesTest, FlatSections) {
  struct Case {
    int kind;
    SectionCode code;
    Texts lines;
  };
  const Case cases[] = {
      {1, SectionCode::SC, {"2 invalid shortcuts were found. (1,73 Kb)", "1 selected.(1,23 Kb)"}},
      {2, SectionCode::TF, {"1 temporary files were found. (999 Mb)", "1 selected.(999 Mb)"}},
      {3, SectionCode::RB, {"3 files were found. (1,00 Gb)"}},
      {5, SectionCode::CO, {"2 cookies were found. (100 byte)", "2 selected.(-1 byte)"}},
      {7, SectionCode::FA, {"2 favorites were found. ", "2 selected."}},
      {8, SectionCode::UE, {"1 item(s) were found. ", "0 selected."}},
      {9, SectionCode::AS, {"2 item(s) were found. ", "1 selected."}},
      {13, SectionCode::KW, {"3 files and folders.", "2 registry entries.", "1 selected."}},
      {0, SectionCode::IP, {}},
      {6, SectionCode::HI, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(c.kind, c.code), c.lines) << c.kind;
}

TEST_F(SummaryLinesTest, CacheAddsTheSwitchedOnBrowsers) {
  EXPECT_EQ(
      Lines(4, SectionCode::CA, {.netscape6 = true, .netscape4 = false, .opera6 = true}),
      (Texts{"1 files were found. (12,34 Kb) (Internet Explorer)", "4 files were found. (2,04 Kb) (Netscape 6.x, 7.x)",
             "0 files were found. (0 byte) (Opera 6.x)", "0 selected.(0 byte)"}));
  EXPECT_EQ(Lines(4, SectionCode::CA).size(), 2u);
}

TEST_F(SummaryLinesTest, DuplicatesCountGroupsAndCopies) {
  rows = BuildRows(SectionCode::DF, r);
  rows[0].children[0].checked = true;
  rows[1].children[1].checked = true;
  EXPECT_EQ(SummaryLines(10, {rows, r}),
            (Texts{"2 files with duplicates were found (150 byte). Totally 5 files found (400 byte).",
                   "2 selected. (150 byte)"}));
}

TEST_F(SummaryLinesTest, SnapshotFilesWithTheirStamps) {
  EXPECT_EQ(Lines(11, SectionCode::DS),
            (Texts{"File 1: C:\\before.ndsf    [stamp of C:\\before.ndsf]", "File 2: No file loaded"}));
  EXPECT_EQ(Lines(12, SectionCode::RS), (Texts{"File 1: No file loaded", "File 2: No file loaded"}));
}

}  // namespace
}  // namespace nx
