#include <gtest/gtest.h>

#include "app/logic/StartupRules.h"

namespace nx {
namespace {

TEST(StartupRules, VersionTextJoinsTheDigits) {
  EXPECT_EQ(VersionText(kProgramVersion), "2.5.1.2");
  EXPECT_EQ(VersionText(3000), "3.0.0.0");
}

TEST(StartupRules, LanguageChoice) {
  struct Case {
    std::optional<std::string> stored;
    int locale;
    const char* current;
  };
  for (const Case& c : std::vector<Case>{{"English", kLocaleEnglish, "English"},
                                         {"Swedish", kLocaleSwedish, "Swedish"},
                                         {"SWEDISH", kLocaleSwedish, "English"},
                                         {"swedish", kLocaleSwedish, "English"},
                                         {"ENGLISH", kLocaleEnglish, "English"},
                                         {"Svenska", kLocaleEnglish, "English"},
                                         {"", kLocaleEnglish, "English"},
                                         {std::nullopt, kLocaleEnglish, "English"}}) {
    EXPECT_EQ(LanguageModuleLocale(c.stored), c.locale) << c.stored.value_or("(no key)");
    EXPECT_EQ(CurrentLanguageFrom(c.stored), c.current) << c.stored.value_or("(no key)");
  }
}

TEST(StartupRules, LanguageModuleCandidates) {
  using List = std::vector<std::string>;
  EXPECT_EQ(LanguageModuleCandidates("C:\\Program Files\\Neatrix\\Neatrix.exe", "SVE"),
            (List{"C:\\Program Files\\Neatrix\\Neatrix.SVE", "C:\\Program Files\\Neatrix\\Neatrix.SV"}));
  // The last dot counts, even one in a folder name.
  EXPECT_EQ(LanguageModuleCandidates("C:\\Tools.2\\Neatrix", "ENU"), (List{"C:\\Tools.ENU", "C:\\Tools.EN"}));
  EXPECT_EQ(LanguageModuleCandidates("C:\\Neatrix.a.exe", "EN"), (List{"C:\\Neatrix.a.EN"}));
  EXPECT_EQ(LanguageModuleCandidates("C:\\Tools\\Neatrix", "SVE"), List{});
  EXPECT_EQ(LanguageModuleCandidates("C:\\Neatrix.exe", ""), List{});
}

TEST(StartupRules, OnlyAnExactFirstArgumentCounts) {
  using Args = std::vector<std::string>;
  EXPECT_TRUE(IsAutoScan(Args{"-Scan"}));
  EXPECT_TRUE(IsAutoScan(Args{"-Scan", "-debug"}));
  EXPECT_FALSE(IsAutoScan(Args{"-scan"}));
  EXPECT_FALSE(IsAutoScan(Args{"-debug", "-Scan"}));
  EXPECT_FALSE(IsAutoScan(Args{}));
  EXPECT_TRUE(IsDebugMode(Args{"-debug"}));
  EXPECT_FALSE(IsDebugMode(Args{"-Debug"}));
  EXPECT_FALSE(IsDebugMode(Args{"-Scan", "-debug"}));
}

TEST(StartupRules, MainWindowLimits) {
  EXPECT_EQ(ClampMainWindowSize({200, 200}), (WindowSize{550, 300}));
  EXPECT_EQ(ClampMainWindowSize({550, 300}), (WindowSize{550, 300}));
  EXPECT_EQ(ClampMainWindowSize({551, 301}), (WindowSize{551, 301}));
  EXPECT_EQ(ClampMainWindowSize({1024, 100}), (WindowSize{1024, 300}));
}

TEST(StartupRules, ScaledHeights) {
  EXPECT_DOUBLE_EQ(ScaleFactorFor(96), 1.0);
  EXPECT_DOUBLE_EQ(ScaleFactorFor(120), 1.2);
  EXPECT_EQ(ScaledHeight(31, ScaleFactorFor(96)), 31);
  EXPECT_EQ(ScaledHeight(31, ScaleFactorFor(120)), 37);    // 37.2
  EXPECT_EQ(ScaledHeight(201, ScaleFactorFor(120)), 241);  // 241.2
  EXPECT_EQ(ScaledHeight(5, 1.5), 8);                      // 7.5: halves go to even
  EXPECT_EQ(ScaledHeight(3, 1.5), 4);                      // 4.5
}

}  // namespace
}  // namespace nx
