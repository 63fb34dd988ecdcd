#include <gtest/gtest.h>

#include "app/logic/RowSorting.h"

namespace nx {
namespace {

using Texts = std::vector<std::string>;

ResultRow Row(std::string caption, Texts columns = {}) {
  return {.caption = std::move(caption), .columns = std::move(columns)};
}

TEST(CompareRows, NumbersAsNumbersElseTextIgnoringCase) {
  struct Case {
    const char* a;
    const char* b;
    int result;
  };
  for (const Case& c : {Case{"900", "10000", -1},
                        {"3000000000", "2147483648", 1},  // beyond 32 bits
                        {"-5", "3", -1},
                        {"7", "7", 0},
                        {"abc", "ABD", -1},
                        {"Temp", "TEMP", 0},
                        {"10", "9a", -1},  // one is no number: text
                        {"", "0", -1},
                        {"-666", "-6660", -1},               // the not-a-number stand-in compares as text
                        {"10000000000000000000", "9", -1}})  // too big for 64 bits: text
    EXPECT_EQ(CompareRows(Row("x", {c.a}), Row("x", {c.b}), 1), c.result) << c.a << " / " << c.b;
  EXPECT_EQ(CompareRows(Row("b", {"1"}), Row("A", {"2"}), 0), 1);  // column 0 is the caption
}

TEST(RowSorting, TemporaryFilesBySizeAndByDate) {
  SectionResults r;
  r.tf = {{"C:\\a", "C:\\b", "C:\\c", "C:\\d"},
          {"10000", "900", "3000000000", "900"},
          {"9.01.2003", "10.01.2003", "1.01.2004", "2.02.2002"},
          {"1", "0", "0", "1"}};
  ResultRows rows = BuildRows(SectionCode::TF, r);

  EXPECT_TRUE(SortSection(SectionCode::TF, 1, rows, r));
  EXPECT_EQ(r.tf.paths, (Texts{"C:\\b", "C:\\d", "C:\\a", "C:\\c"}));  // equal sizes keep their order
  EXPECT_EQ(r.tf.sizes, (Texts{"900", "900", "10000", "3000000000"}));
  EXPECT_EQ(r.tf.dates, (Texts{"10.01.2003", "2.02.2002", "9.01.2003", "1.01.2004"}));
  EXPECT_EQ(r.tf.checks, (Texts{"0", "1", "1", "0"}));

  SortSection(SectionCode::TF, 2, rows, r);
  EXPECT_EQ(r.tf.dates, (Texts{"1.01.2004", "10.01.2003", "2.02.2002", "9.01.2003"}));
  EXPECT_EQ(BuildRows(SectionCode::TF, r), rows);
}

TEST(RowSorting, RowIconsGoBackIntoTheLists) {
  SectionResults r;
  r.as = {{"b", "a"}, {"Run", "Run"}, {"b.exe", "a.exe"}, {"14", "16"}, {"0", "1"}};
  ResultRows rows = BuildRows(SectionCode::AS, r);
  SortSection(SectionCode::AS, 0, rows, r);
  EXPECT_EQ(r.as.names, (Texts{"a", "b"}));
  EXPECT_EQ(r.as.icons, (Texts{"16", "14"}));
  EXPECT_EQ(r.as.checks, (Texts{"1", "0"}));
}

TEST(RowSorting, DuplicateGroupsAreRenumbered) {
  SectionResults r;
  r.df.groups = {"0;b.txt", "1;a.txt"};
  r.df.fileCounts = {"2", "3"};
  r.df.sizes = {"50", "100"};
  r.df.totalSizes = {"100", "300"};
  r.df.dates = {"d0", "d1"};
  r.df.files = {"0;C:\\", "0;D:\\", "1;E:\\", "1;F:\\"};
  ResultRows rows = BuildRows(SectionCode::DF, r);
  rows[0].children[1].checked = true;

  SortSection(SectionCode::DF, 0, rows, r);
  EXPECT_EQ(r.df.groups, (Texts{"0;a.txt", "1;b.txt"}));
  EXPECT_EQ(r.df.fileCounts, (Texts{"2", "2"}));  // from the copies there are
  EXPECT_EQ(r.df.sizes, (Texts{"100", "50"}));
  EXPECT_EQ(r.df.totalSizes, (Texts{"200", "100"}));
  EXPECT_EQ(r.df.dates, (Texts{"d1", "d0"}));
  EXPECT_EQ(r.df.files, (Texts{"0;E:\\", "0;F:\\", "1;C:\\", "1;D:\\"}));
  EXPECT_TRUE(rows[1].children[1].checked);  // marks live in the rows only
}

TEST(RowSorting, SectionsThatKeepTheirLists) {
  SectionResults r;
  r.hi.names = {"b", "a"};
  ResultRows rows = BuildRows(SectionCode::HI, r);
  EXPECT_FALSE(SortSection(SectionCode::HI, 0, rows, r));
  EXPECT_EQ(rows[0].caption, "b");

  r.ac.names = {"b", "a"};
  rows = BuildRows(SectionCode::AC, r);
  EXPECT_TRUE(SortSection(SectionCode::AC, 0, rows, r));
  EXPECT_EQ(rows[0].caption, "a");
  EXPECT_EQ(r.ac.names, (Texts{"b", "a"}));
}

}  // namespace
}  // namespace nx
