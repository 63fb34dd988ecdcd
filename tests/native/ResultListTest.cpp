#include <gtest/gtest.h>

#include "app/logic/CheckRules.h"
#include "app/logic/MultiCheck.h"
#include "app/logic/SectionResults.h"

namespace nx {
namespace {

using Texts = std::vector<std::string>;

Texts Captions(const ResultRows& rows) {
  Texts captions;
  for (const ResultRow& row : rows) captions.push_back(row.caption);
  return captions;
}

Texts CheckMarkTexts(const ResultRows& rows) {
  Texts marks;
  for (const ResultRow& row : rows) marks.push_back(row.checked ? "1" : "0");
  return marks;
}

// Two groups; the file rows of group 1 come first, as a resorted scan could leave them.
DuplicateResults TwoGroups() {
  DuplicateResults df;
  df.groups = {"0;a.txt", "1;b.txt"};
  df.fileCounts = {"3", "2"};
  df.sizes = {"100", "50"};
  df.totalSizes = {"300", "100"};
  df.dates = {"01.02.2003", "04.05.2006"};
  df.files = {"1;D:\\", "0;C:\\", "0;C:\\x;y\\", "1;E:\\", "0;F:\\"};
  return df;
}

TEST(SectionRows, FlatSectionsFromTheirLists) {
  SectionResults r;
  r.sc = {{"a.lnk"}, {"10"}, {"d"}, {"C:\\gone.exe"}, {"1"}};
  r.ip = {{"Tool"}, {"unins.exe"}};
  r.tf = {{"C:\\t.tmp"}, {"20"}, {"d"}, {"0"}};
  r.rb = {{"C:\\r"}, {"30"}};
  r.ca = {{"c"}, {"40"}, {"d"}, {"http://c"}, {"1"}};
  r.co = {{"k"}, {"50"}, {"d"}, {"http://k"}, {"e"}, {"1"}};
  r.fa = {{"f"}, {"http://f"}, {"C:\\Fav\\"}, {"9"}, {"1"}};
  r.ue = {{"p"}, {"v"}, {"HKEY_CURRENT_USER\\k"}, {"1"}};
  r.as = {{"n"}, {"Run"}, {"x.exe"}, {"16"}, {"1"}};
  r.kw.types = {"Registry key"};
  r.kw.values = {"HKEY_CURRENT_USER\\Software"};
  r.kw.checks = {"1"};
  r.hi.names = {"Internet explorer"};
  r.ac.names = {"name"};
  struct Case {
    SectionCode code;
    ResultRow row;
  };
  const Case cases[] = {
      {SectionCode::SC, {"a.lnk", {"10", "d", "C:\\gone.exe"}, true, true, true, 3}},
      {SectionCode::IP, {"Tool", {"unins.exe"}, false, false, true, 12}},
      {SectionCode::TF, {"C:\\t.tmp", {"20", "d"}, false, true, true, 5}},
      {SectionCode::RB, {"C:\\r", {"30"}, false, false, true, 5}},
      {SectionCode::CA, {"c", {"40", "d", "http://c"}, true, true, true, 5}},
      {SectionCode::CO, {"k", {"50", "d", "http://k", "e"}, true, true, true, 4}},
      {SectionCode::FA, {"f", {"http://f", "C:\\Fav\\"}, true, true, true, 9}},
      {SectionCode::UE, {"p", {"v", "HKEY_CURRENT_USER\\k"}, true, true, true, 13}},
      {SectionCode::AS, {"n", {"Run", "x.exe"}, true, true, true, 16}},
      {SectionCode::KW, {"Registry key", {"HKEY_CURRENT_USER\\Software"}, true, true, true, 13}},
      {SectionCode::HI, {"Internet explorer", {}, false, true, true, -1}},
      {SectionCode::AC, {"name", {}, false, true, true, -1}},
  };
  for (const Case& c : cases) EXPECT_EQ(BuildRows(c.code, r), ResultRows{c.row}) << CodeText(c.code);
}

TEST(SectionRows, KeywordIconsByType) {
  EXPECT_EQ(KeywordIcon("File name"), 20);
  EXPECT_EQ(KeywordIcon("Folder name"), 17);
  EXPECT_EQ(KeywordIcon("Text in file"), 15);
  EXPECT_EQ(KeywordIcon("Registry key"), 13);
  EXPECT_EQ(KeywordIcon("Registry value"), 21);
  EXPECT_EQ(KeywordIcon("Registry data"), 22);
  EXPECT_EQ(KeywordIcon("file name"), -1);
}

TEST(SectionRows, ShortListsReadAsEmpty) {
  SectionResults r;
  r.tf.paths = {"C:\\a.tmp", "C:\\b.tmp"};
  r.tf.checks = {"1"};
  ResultRows rows = BuildRows(SectionCode::TF, r);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].columns, (Texts{"", ""}));
  EXPECT_FALSE(rows[1].checked);
}

TEST(SectionRows, RemovedRowsLeaveEveryListOfTheirSection) {
  SectionResults r;
  r.tf = {.paths = {"a", "b", "c", "d"},
          .sizes = {"1", "2", "3", "4"},
          .dates = {"x", "y", "z", "w"},
          .checks = {"1", "0", "1", "1"}};
  RemoveRows(SectionCode::TF, {3, 0, 3, 9}, r);  // any order, repeats and rows past the end
  EXPECT_EQ(r.tf.paths, (Texts{"b", "c"}));
  EXPECT_EQ(r.tf.sizes, (Texts{"2", "3"}));
  EXPECT_EQ(r.tf.dates, (Texts{"y", "z"}));
  EXPECT_EQ(r.tf.checks, (Texts{"0", "1"}));

  r.fa = {.captions = {"a", "b"},
          .urls = {"u", "v"},
          .localFolders = {"f", "g"},
          .icons = {"6", "7"},
          .checks = {"0", "1"}};
  RemoveRows(SectionCode::FA, {1}, r);
  EXPECT_EQ(r.fa.icons, Texts{"6"});
  EXPECT_EQ(r.fa.checks, Texts{"0"});
}

TEST(SectionRows, DuplicateCopiesGoUnderTheirGroupUnchecked) {
  SectionResults r;
  r.df = TwoGroups();
  ResultRows rows = BuildRows(SectionCode::DF, r);
  ASSERT_EQ(Captions(rows), (Texts{"a.txt", "b.txt"}));
  EXPECT_EQ(rows[0].columns, (Texts{"3", "100", "300", "01.02.2003"}));
  EXPECT_FALSE(rows[0].checkBoxShown);
  EXPECT_EQ(rows[0].icon, -1);
  EXPECT_EQ(Captions(rows[0].children), (Texts{"C:\\", "C:\\x;y\\", "F:\\"}));
  EXPECT_EQ(Captions(rows[1].children), (Texts{"D:\\", "E:\\"}));
  EXPECT_EQ(rows[1].children[0], (ResultRow{.caption = "D:\\", .checkBoxShown = true}));
}

TEST(SectionRows, SnapshotCategoriesStackUpwards) {
  SectionResults r;
  r.rs.changes = {"New values;HKEY_CURRENT_USER\\a=1", "New values;HKEY_CURRENT_USER\\b=2",
                  "Deleted values;HKEY_CURRENT_USER\\c=3"};
  r.rs.categoryCounts = {"2", "0", "1"};
  ResultRows rows = BuildRows(SectionCode::RS, r);
  ASSERT_EQ(Captions(rows), (Texts{"Deleted values", "New values"}));
  EXPECT_EQ(rows[0].columns, Texts{"1"});
  EXPECT_EQ(rows[1].columns, Texts{"2"});
  EXPECT_EQ(Captions(rows[1].children), (Texts{"HKEY_CURRENT_USER\\a=1", "HKEY_CURRENT_USER\\b=2"}));
  EXPECT_FALSE(rows[1].checkBoxShown);
  EXPECT_FALSE(rows[1].children[0].checkBoxShown);
  EXPECT_TRUE(BuildRows(SectionCode::DS, r).empty());
}

TEST(CheckRules, MarksSurviveSwitchingSections) {
  SectionResults r;
  r.tf = {{"C:\\a.tmp", "C:\\b.tmp"}, {"1", "2"}, {"d", "d"}, {"0", "0"}};
  r.co = {{"k"}, {"5"}, {"d"}, {"u"}, {"e"}, {"0"}};
  ResultRows rows = BuildRows(SectionCode::TF, r);
  const ResultRows shown = rows;
  rows[1].checked = true;
  EXPECT_EQ(ApplyCheckRules(SectionCode::TF, true, {1}, rows, r), CheckReaction::ShowSummary);
  rows = BuildRows(SectionCode::CO, r);
  rows = BuildRows(SectionCode::TF, r);
  EXPECT_EQ(Captions(rows), Captions(shown));
  EXPECT_EQ(CheckMarkTexts(rows), (Texts{"0", "1"}));
}

TEST(CheckRules, ApplyOnlyWhenIdleAndToRowsWithCheckBoxes) {
  SectionResults r;
  r.tf = {{"C:\\a.tmp"}, {"1"}, {"d"}, {"0"}};
  r.df = TwoGroups();
  ResultRows tf = BuildRows(SectionCode::TF, r);
  tf[0].checked = true;
  EXPECT_EQ(ApplyCheckRules(SectionCode::TF, false, {0}, tf, r), CheckReaction::None);
  EXPECT_EQ(r.tf.checks, Texts{"0"});
  ResultRows none;
  EXPECT_EQ(ApplyCheckRules(SectionCode::TF, true, {0}, none, r), CheckReaction::None);
  ResultRows df = BuildRows(SectionCode::DF, r);
  EXPECT_EQ(ApplyCheckRules(SectionCode::DF, true, {0}, df, r), CheckReaction::None);  // a group row
  ResultRows ip{{.caption = "Tool"}};
  EXPECT_EQ(ApplyCheckRules(SectionCode::IP, true, {0}, ip, r), CheckReaction::None);
}

TEST(CheckRules, OneCopyOfEachDuplicateStaysUnchecked) {
  SectionResults r;
  r.df = TwoGroups();
  ResultRows rows = BuildRows(SectionCode::DF, r);
  auto check = [&](size_t group, size_t copy) {
    rows[group].children[copy].checked = true;
    return ApplyCheckRules(SectionCode::DF, true, {group, copy}, rows, r);
  };
  EXPECT_EQ(check(0, 0), CheckReaction::ShowSummary);
  EXPECT_EQ(check(1, 0), CheckReaction::ShowSummary);  // groups count apart
  EXPECT_EQ(check(0, 2), CheckReaction::ShowSummary);
  EXPECT_EQ(check(0, 1), CheckReaction::KeptOneCopy);
  EXPECT_EQ(CheckMarkTexts(rows[0].children), (Texts{"1", "0", "1"}));
  EXPECT_EQ(check(1, 1), CheckReaction::KeptOneCopy);
  EXPECT_EQ(CheckMarkTexts(rows[1].children), (Texts{"1", "0"}));
}

TEST(CheckRules, KeywordRowsFollowAPlainPrefix) {
  SectionResults r;
  r.kw.types = {"Folder name", "File name", "File name", "File name", "File name"};
  r.kw.values = {"C:\\Temp", "C:\\Temp\\a.txt", "C:\\Temp2\\b.txt", "C:\\Other\\c.txt", "c:\\temp\\d.txt"};
  r.kw.checks = {"0", "0", "0", "0", "0"};
  ResultRows rows = BuildRows(SectionCode::KW, r);

  rows[0].checked = true;
  EXPECT_EQ(ApplyCheckRules(SectionCode::KW, true, {0}, rows, r), CheckReaction::ShowSummary);
  EXPECT_EQ(CheckMarkTexts(rows), (Texts{"1", "1", "1", "0", "0"}));
  EXPECT_EQ(r.kw.checks, (Texts{"1", "1", "1", "0", "0"}));
  EXPECT_TRUE(rows[0].checkBoxEnabled);
  EXPECT_FALSE(rows[1].checkBoxEnabled);
  EXPECT_FALSE(rows[2].checkBoxEnabled);
  EXPECT_TRUE(rows[4].checkBoxEnabled);

  rows[0].checked = false;
  ApplyCheckRules(SectionCode::KW, true, {0}, rows, r);
  EXPECT_EQ(r.kw.checks, (Texts{"0", "0", "0", "0", "0"}));
  for (const ResultRow& row : rows) EXPECT_TRUE(row.checkBoxEnabled) << ColumnText(row, 1);
}

TEST(CheckRules, OtherSectionsKeepTheMarkOnly) {
  SectionResults r;
  r.hi.names = {"Internet explorer"};
  ResultRows rows = BuildRows(SectionCode::HI, r);
  rows[0].checked = true;
  EXPECT_EQ(ApplyCheckRules(SectionCode::HI, true, {0}, rows, r), CheckReaction::None);
  EXPECT_TRUE(rows[0].checked);
}

TEST(MultiCheck, WildcardMasks) {
  struct Case {
    const char* text;
    const char* mask;
    bool matches;
  };
  for (const Case& c : {Case{"REPORT.TMP", "*.TMP", true},
                        {"REPORT.TMP.TXT", "*.TMP", false},
                        {".TMP", "*.TMP", true},
                        {"A.TMP", "?.TMP", true},
                        {"AB.TMP", "?.TMP", false},
                        {"\xc3\x85.TMP", "?.TMP", true},  // one character, two bytes
                        {"C:\\TEMP\\X", "C:\\*\\X", true},
                        {"AXBXC", "*X*C", true},
                        {"AXBXD", "*X*C", false},
                        {"", "*", true},
                        {"", "", true},
                        {"A", "", false},
                        {"", "?", false},
                        {"[A]", "[A]", true},
                        {"A", "[A]", false}})
    EXPECT_EQ(WildcardMatch(c.text, c.mask), c.matches) << c.text << " / " << c.mask;
}

TEST(MultiCheck, ChecksMatchingCaptionsInAnyCase) {
  SectionResults r;
  r.tf = {{"C:\\a.TMP", "C:\\b.tmp", "C:\\c.txt"}, {"1", "1", "1"}, {"d", "d", "d"}, {"0", "0", "1"}};
  ResultRows rows = BuildRows(SectionCode::TF, r);
  ApplyMultiCheck(SectionCode::TF, "*.tmp", true, rows, r);
  EXPECT_EQ(r.tf.checks, (Texts{"1", "1", "1"}));
  ApplyMultiCheck(SectionCode::TF, "*A.tmp", false, rows, r);
  EXPECT_EQ(r.tf.checks, (Texts{"0", "1", "1"}));
}

TEST(MultiCheck, IgnoresTheCheckRules) {
  SectionResults r;
  r.df = TwoGroups();
  ResultRows rows = BuildRows(SectionCode::DF, r);
  ApplyMultiCheck(SectionCode::DF, "*", true, rows, r);
  EXPECT_EQ(CheckMarkTexts(rows[0].children), (Texts{"1", "1", "1"}));
}

TEST(MultiCheck, OnlyShortcutsAndTemporaryFilesKeepTheirMarks) {
  SectionResults r;
  r.ca = {{"a.gif"}, {"1"}, {"d"}, {"u"}, {"0"}};
  ResultRows rows = BuildRows(SectionCode::CA, r);
  ApplyMultiCheck(SectionCode::CA, "*", true, rows, r);
  EXPECT_TRUE(rows[0].checked);
  EXPECT_EQ(r.ca.checks, Texts{"0"});
}

TEST(ExpandCommands, ActOnGroupsWhileDuplicateFilesIsChecked) {
  SectionResults r;
  r.df = TwoGroups();
  ResultRows rows = BuildRows(SectionCode::DF, r);
  rows[1].children[1].checked = true;
  auto expanded = [&] { return std::vector<bool>{rows[0].expanded, rows[1].expanded}; };

  ApplyExpandCommand(ExpandCommand::ExpandAll, SectionCode::DF, rows);
  EXPECT_EQ(expanded(), (std::vector<bool>{true, true}));
  ApplyExpandCommand(ExpandCommand::ExpandChecked, SectionCode::DF, rows);
  EXPECT_EQ(expanded(), (std::vector<bool>{false, true}));
  ApplyExpandCommand(ExpandCommand::CollapseAll, SectionCode::DF, rows);
  EXPECT_EQ(expanded(), (std::vector<bool>{false, false}));

  for (auto other : {std::optional<SectionCode>(SectionCode::TF), std::optional<SectionCode>()}) {
    ApplyExpandCommand(ExpandCommand::ExpandAll, other, rows);
    EXPECT_EQ(expanded(), (std::vector<bool>{false, false}));
  }
}

}  // namespace
}  // namespace nx

namespace nx {
namespace {

TEST(MultiCheckSection, FollowsTheExpandedGroupAndItsCheckedButton) {
  auto only = [](SectionCode wanted) { return [wanted](SectionCode code) { return code == wanted; }; };
  EXPECT_EQ(MultiCheckSection({201, 31, 31}, only(SectionCode::TF)), SectionCode::TF);
  EXPECT_EQ(MultiCheckSection({201, 31, 31}, only(SectionCode::KW)), std::nullopt);  // not one it serves
  EXPECT_EQ(MultiCheckSection({31, 108, 31}, only(SectionCode::CO)), SectionCode::CO);
  EXPECT_EQ(MultiCheckSection({31, 31, 128}, only(SectionCode::AS)), SectionCode::AS);
  EXPECT_EQ(MultiCheckSection({40, 31, 31}, only(SectionCode::TF)), std::nullopt);  // 40 is not taller than 40
  EXPECT_EQ(MultiCheckSection({31, 31, 31}, only(SectionCode::UE)), std::nullopt);
}

}  // namespace
}  // namespace nx
