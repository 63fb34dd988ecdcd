#include <gtest/gtest.h>

#include "app/logic/HotKeys.h"
#include "app/logic/PopupRules.h"
#include "app/logic/Sections.h"

namespace nx {
namespace {

TEST(Sections, TableIsIndexedByCode) {
  for (SectionCode code : kAllSections) EXPECT_EQ(Traits(code).code, code) << CodeText(code);
  EXPECT_EQ(SectionsOf(SectionGroup::System),
            (std::vector<SectionCode>{SectionCode::SC, SectionCode::IP, SectionCode::TF, SectionCode::RB,
                                      SectionCode::DF, SectionCode::DS, SectionCode::KW}));
  EXPECT_EQ(SectionsOf(SectionGroup::History), std::vector<SectionCode>{SectionCode::HI});
}

TEST(Sections, HiddenButtons) {
  auto visible = [](SectionCode code) {
    std::string flags;
    for (auto& action : Traits(code).actions) flags += action ? '1' : '0';
    return flags;
  };
  EXPECT_EQ(visible(SectionCode::DF), "0111");  // no "Select all"
  EXPECT_EQ(visible(SectionCode::RB), "0011");  // only "Empty..." and "Scan"
  EXPECT_EQ(visible(SectionCode::IP), "1101");
  EXPECT_EQ(visible(SectionCode::HI), "1110");
  EXPECT_EQ(visible(SectionCode::TF), "1111");
}

TEST(Sections, WhichButtonsCheckEveryRow) {
  EXPECT_TRUE(ButtonChecksAllRows(SectionCode::TF, 1));
  EXPECT_TRUE(ButtonChecksAllRows(SectionCode::KW, 2));
  EXPECT_FALSE(ButtonChecksAllRows(SectionCode::DF, 1));
  EXPECT_TRUE(ButtonChecksAllRows(SectionCode::DF, 2));
  for (SectionCode code : {SectionCode::IP, SectionCode::DS, SectionCode::RS})
    EXPECT_FALSE(ButtonChecksAllRows(code, 1) || ButtonChecksAllRows(code, 2)) << CodeText(code);
  EXPECT_TRUE(SummaryFollowsCheckButtons(SectionCode::DS));
  EXPECT_FALSE(SummaryFollowsCheckButtons(SectionCode::KW));
}

TEST(Sections, ActionTextsSplitAtTheFirstSemicolon) {
  auto split = SplitActionText("Delete...;Delete the selected items");
  EXPECT_EQ(split.caption, "Delete...");
  EXPECT_EQ(split.hint, "Delete the selected items");
  split = SplitActionText("a;b;c");
  EXPECT_EQ(split.caption, "a");
  EXPECT_EQ(split.hint, "b;c");
  split = SplitActionText("no separator");
  EXPECT_EQ(split.caption, "");
  EXPECT_EQ(split.hint, "no separator");
}

TEST(Sections, ActionButtonPlaces) {
  auto places = PlaceActionButtons(200, {50, 60, 40, 30}, 640);
  EXPECT_EQ(places[0].left, 200);
  EXPECT_EQ(places[0].width, 62);
  EXPECT_EQ(places[1].left, 200 + 62 + 16);
  EXPECT_EQ(places[3].left + places[3].width, 640 - 9);
  EXPECT_EQ(places[2].left + places[2].width, places[3].left - 16);
  // A window narrower than the captions still keeps the last two at the right.
  places = PlaceActionButtons(200, {300, 300, 300, 300}, 550);
  EXPECT_EQ(places[3].left + places[3].width, 541);
  EXPECT_EQ(places[2].left + places[2].width, places[3].left - 16);
}

TEST(HotKeys, KeyCharacters) {
  EXPECT_EQ(HotKeyCode('D'), 'D');
  EXPECT_EQ(HotKeyCode('7'), '7');
  for (char other : {'?', 'd', ' ', '-'}) EXPECT_EQ(HotKeyCode(other), 0x20) << other;
}

TEST(HotKeys, Dispatch) {
  const std::string defaults = "1DEFGHI2JKL3M4NOPQRSTUVWX";
  KeyModifiers ctrl{true, false, false};
  EXPECT_EQ(MatchHotKey(defaults, 'D', ctrl), HotKeyFunction::Shortcuts);
  EXPECT_EQ(MatchHotKey(defaults, 'O', ctrl), HotKeyFunction::Autostart);
  EXPECT_EQ(MatchHotKey(defaults, 'X', ctrl), HotKeyFunction::Exit);
  EXPECT_EQ(MatchHotKey(defaults, 'D', {true, true, false}), std::nullopt);  // Ctrl+Shift+D
  EXPECT_EQ(MatchHotKey(defaults, 'D', {true, false, true}), std::nullopt);
  EXPECT_EQ(MatchHotKey(defaults, 'D', {}), std::nullopt);
  EXPECT_EQ(MatchHotKey(std::nullopt, 'D', ctrl), std::nullopt);
  EXPECT_EQ(MatchHotKey("1D", 'E', ctrl), std::nullopt);  // a short text has fewer keys
  EXPECT_EQ(MatchHotKey("1D", '1', ctrl), HotKeyFunction::ToggleSystem);
  EXPECT_EQ(MatchHotKey("DD", 'D', ctrl), HotKeyFunction::ToggleSystem);  // the first match wins
  EXPECT_EQ(MatchHotKey("1?", ' ', ctrl), HotKeyFunction::Shortcuts);     // "?" is the space bar
}

TEST(PopupRules, OpeningTheMenu) {
  auto as = AdjustPopup(SectionCode::AS, true, 14, "Run");
  EXPECT_EQ(as.activateVisible, false);
  EXPECT_EQ(as.deactivateVisible, true);
  as = AdjustPopup(SectionCode::AS, true, 16, "Run");
  EXPECT_EQ(as.activateVisible, true);
  EXPECT_EQ(as.deactivateVisible, false);
  EXPECT_FALSE(AdjustPopup(SectionCode::AS, true, 13, "Run").activateVisible);
  EXPECT_FALSE(AdjustPopup(SectionCode::AS, false, 14, "Run").deactivateVisible);

  auto kw = AdjustPopup(SectionCode::KW, true, 15, "Text in file");
  EXPECT_EQ(kw.openFolderEnabled, true);
  EXPECT_EQ(kw.openRegistryEnabled, false);
  kw = AdjustPopup(SectionCode::KW, true, 22, "Registry data");
  EXPECT_EQ(kw.openFolderEnabled, false);
  EXPECT_EQ(kw.openRegistryEnabled, true);
  EXPECT_FALSE(AdjustPopup(SectionCode::KW, true, 22, "Something else").openFolderEnabled);
}

TEST(PopupRules, FolderAndPage) {
  EXPECT_EQ(FolderOf("C:\\Temp\\a.txt"), "C:\\Temp\\");
  EXPECT_EQ(FolderOf("C:\\Temp\\"), "C:\\Temp\\");
  EXPECT_EQ(FolderOf("a.txt"), "");
  EXPECT_EQ(AdvancedSettingsPage(true, false, SectionCode::TF), AdvancedPage::TemporaryFiles);
  EXPECT_EQ(AdvancedSettingsPage(true, false, SectionCode::DF), AdvancedPage::DuplicateFiles);
  EXPECT_EQ(AdvancedSettingsPage(true, false, SectionCode::KW), AdvancedPage::Keyword);
  EXPECT_EQ(AdvancedSettingsPage(true, false, SectionCode::SC), AdvancedPage::Default);
  EXPECT_EQ(AdvancedSettingsPage(false, true, SectionCode::CA), AdvancedPage::Cache);
  EXPECT_EQ(AdvancedSettingsPage(false, true, SectionCode::CO), AdvancedPage::Cookies);
  EXPECT_EQ(AdvancedSettingsPage(false, false, SectionCode::CO), AdvancedPage::Default);
}

}  // namespace
}  // namespace nx
