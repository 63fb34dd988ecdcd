#include <gtest/gtest.h>

#include "app/logic/StartupRules.h"
#include "tests/wine/WineSupport.h"
#include "win32/LanguageModule.h"
#include "win32/UserLocale.h"
#include "win32/WideText.h"

namespace nx::test {
namespace {

// A folder with a program name and language modules under the given names.
std::string FolderWithModules(std::initializer_list<std::pair<const char*, const char*>> modules) {
  std::string folder = FreshScratchFolder();
  for (auto [built, name] : modules)
    EXPECT_TRUE(CopyFileW(Widen(ProgramsFolder() + built).c_str(), Widen(folder + name).c_str(), FALSE)) << built;
  return folder;
}

std::string ExitTextOf(HMODULE module) {
  ResourceTexts texts;
  texts.UseModule(module);
  return texts.Get(Str::ToolbarExit);
}

TEST(LanguageModule, ThreeLetterEndingFirst) {
  // The three-letter file wins even when the two-letter one exists.
  std::string folder = FolderWithModules({{"Neatrix.sve", "Neatrix.SVE"}, {"Neatrix.enu", "Neatrix.SV"}});
  HMODULE module = LoadLanguageModule(kLocaleSwedish, folder + "Neatrix.exe");
  ASSERT_TRUE(module);
  EXPECT_EQ(ExitTextOf(module), "Avsluta");
}

TEST(LanguageModule, TwoLetterEndingWhenTheThreeLetterFileIsAbsent) {
  std::string folder = FolderWithModules({{"Neatrix.sve", "Neatrix.SV"}});
  HMODULE module = LoadLanguageModule(kLocaleSwedish, folder + "Neatrix.exe");
  ASSERT_TRUE(module);
  EXPECT_EQ(ExitTextOf(module), "Avsluta");
}

TEST(LanguageModule, NoModuleWithoutADotOrAFile) {
  std::string folder = FolderWithModules({{"Neatrix.sve", "Neatrix.SVE"}, {"Neatrix.sve", "NeatrixSVE"}});
  EXPECT_FALSE(LoadLanguageModule(kLocaleSwedish, folder + "Neatrix"));
  EXPECT_FALSE(LoadLanguageModule(kLocaleEnglish, folder + "Neatrix.exe"));
}

TEST(LanguageModule, BothModulesHoldEveryText) {
  for (const char* name : {"Neatrix.enu", "Neatrix.sve"}) {
    HMODULE module = LoadLibraryExW(Widen(ProgramsFolder() + name).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(module) << name;
    for (unsigned id = kFirstStringId; id < kFirstStringId + kStringCount; ++id) {
      wchar_t* text = nullptr;
      EXPECT_GT(LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0), 0) << name << " " << id;
    }
    FreeLibrary(module);
  }
}

TEST(LanguageModule, AbbreviatedNames) {
  EXPECT_EQ(AbbreviatedLanguageName(kLocaleEnglish), "ENU");
  EXPECT_EQ(AbbreviatedLanguageName(kLocaleSwedish), "SVE");
}

}  // namespace
}  // namespace nx::test
