#include <gtest/gtest.h>

#include "core/TextUtil.h"
#include "core/Texts.h"

namespace nx {
namespace {

TEST(FormatText, FillsPlaceholdersInOrder) {
  EXPECT_EQ(FormatText("Scan for %s started.", {"cookies"}), "Scan for cookies started.");
  EXPECT_EQ(FormatText("%d of %s, 100%%", {"3", "5"}), "3 of 5, 100%");
  EXPECT_EQ(FormatText("%s and %s", {"one"}), "one and %s");  // a missing argument stays visible
  EXPECT_EQ(FormatText("trailing %", {}), "trailing %");
  EXPECT_EQ(FormatText("%s", {"100%s"}), "100%s");  // arguments are not scanned again
}

TEST(Texts, EnglishTableIsInstalled) {
  EXPECT_EQ(Text(Str::ToolbarExit), "Exit");
}

TEST(TextUtil, CaseFoldingIsAsciiOnly) {
  EXPECT_TRUE(EqualsIgnoreCaseAscii("Swedish", "SWEDISH"));
  EXPECT_FALSE(EqualsIgnoreCaseAscii("Swedish", "Swedis"));
  EXPECT_EQ(UpperAscii("backupdir\xc3\xa5"), "BACKUPDIR\xc3\xa5");
  EXPECT_TRUE(ContainsIgnoreCaseAscii("C:\\WINDOWS\\Temp\\a", "windows\\temp"));
  EXPECT_FALSE(ContainsIgnoreCaseAscii("C:\\Win", "windows"));
  EXPECT_TRUE(ContainsIgnoreCaseAscii("", ""));
  EXPECT_EQ(CodePointMarker(0x4E2D), "<U+4E2D>");
  EXPECT_EQ(CodePointMarker(0x1F600), "<U+1F600>");
}

}  // namespace
}  // namespace nx
