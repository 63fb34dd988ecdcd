// The main window in-process, under Wine's null display driver.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "app/NxMain.h"
#include "app/SessionForms.h"
#include "app/logic/StartupRules.h"
#include "cleaners/files/TempFileSection.h"
#include "tests/support/SetupDefaults.h"
#include "tests/support/TestWorld.h"
#include "tests/wine/WineSupport.h"
#include "win32/Win32FileFind.h"
#include "win32/Win32FileRemoval.h"
#include "wingui/Application.h"

namespace nx::test {
namespace {

class MainWindowTest : public testing::Test {
protected:
  void Open(bool logg, std::vector<std::string> args = {}) {
    WriteBool(*WriteSetupDefaults(world->registry()), "Logg", logg);
    context = std::make_unique<MainContext>(MainContext{world->registry(), world->files(), world->codec(), clock,
                                                        Formats("yyyy-MM-dd", "HH:mm:ss"), world->folder(), args});
    context->runAutomaticFullScan = [this] { ++fullScans; };
    form = std::make_unique<TfrmMain>(*context);
    form->Show();
  }

  std::optional<std::string> LogText() { return world->ReadFile(world->folder() + "Loggs\\Logg2004-05-12.txt"); }

  std::string Buttons() {  // captions of the visible action buttons, "-" for hidden ones
    std::string text;
    for (auto& button : form->btnAction) text += (button->Visible() ? button->GetText() : "-") + "|";
    return text;
  }

  std::unique_ptr<TestWorld> world = MakeTestWorld();
  FixedClock clock{At(2004, 5, 12, 14, 3, 11)};
  std::unique_ptr<MainContext> context;
  std::unique_ptr<TfrmMain> form;
  int fullScans = 0;
};

TEST_F(MainWindowTest, StartsInTheAboutState) {
  Open(false);
  EXPECT_EQ(form->GetBounds().width, 640);
  EXPECT_EQ(form->GetBounds().height, 480);
  EXPECT_EQ(form->lblMainNX->GetText(), "Neatrix! v 2.5.1.2");
  EXPECT_TRUE(form->Image1->Visible() && form->pnlAMain->Visible() && form->lblMainURL->Visible());
  EXPECT_FALSE(form->tbtnAboutNX().Enabled());
  EXPECT_FALSE(form->tbtnStop().Enabled());
  EXPECT_TRUE(form->tbtnMainExit().Enabled());
  EXPECT_EQ(Buttons(), "-|-|-|-|");
  EXPECT_FALSE(form->CurrentSection());
  for (auto& group : form->groups) EXPECT_EQ(group.notebook->GetBounds().height, ScaledHeight(31, form->ScaleFactor()));
  gui::Bounds logo = form->Image1->GetBounds(), url = form->lblMainURL->GetBounds();
  EXPECT_EQ(url.left + url.width, logo.left + logo.width);
  EXPECT_EQ(url.top, 279);
  EXPECT_EQ(logo.top, 61);
  EXPECT_EQ(form->pnlALeftMain->GetBounds().width, 187);
  gui::Bounds last = form->groups.back().notebook->GetBounds();
  EXPECT_EQ(form->pnlALeftMain->GetBounds().height, last.top + last.height + 12);
}

TEST_F(MainWindowTest, ResizeKeepsTheLowerLimits) {
  Open(false);
  struct Case {
    int width, height, expectedWidth, expectedHeight;
  };
  for (const Case& c : std::vector<Case>{{200, 200, 550, 300}, {700, 250, 700, 300}, {551, 301, 551, 301}}) {
    form->SetSize(c.width, c.height);
    EXPECT_EQ(form->GetBounds().width, c.expectedWidth) << c.width << "x" << c.height;
    EXPECT_EQ(form->GetBounds().height, c.expectedHeight) << c.width << "x" << c.height;
  }
}

TEST_F(MainWindowTest, SessionLinesWhenTheLogIsOn) {
  Open(true);
  EXPECT_NE(LogText().value_or("").find("2004-05-12 14:03:11     ************ Session started ************\r\n"),
            std::string::npos);
  form->Close();
  EXPECT_TRUE(LogText().value_or("").ends_with(
      "2004-05-12 14:03:11     ************ Session terminated ************\r\n \r\n \r\n"))
      << LogText().value_or("");
}

TEST_F(MainWindowTest, NoLogFolderWhenTheLogIsOff) {
  Open(false);
  form->Close();
  EXPECT_FALSE(world->files().DirectoryExists(world->folder() + "Loggs"));
}

TEST_F(MainWindowTest, OnlyAnExactScanSwitchStartsTheAutomaticScan) {
  Open(false, {"-scan"});
  SendMessageW(form->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(fullScans, 0);
  EXPECT_FALSE(IsIconic(form->Handle()));
}

TEST_F(MainWindowTest, EachSectionSetsItsButtons) {
  Open(false);
  struct Case {
    SectionCode code;
    const char* buttons;
  };
  for (const Case& c : std::vector<Case>{
           {SectionCode::TF, "Select all|Select none|Delete...|Scan|"},
           {SectionCode::DF, "-|Select none|Delete...|Scan|"},
           {SectionCode::RB, "-|-|Empty...|Scan|"},
           {SectionCode::IP, "Uninstall...|Remove reference...|-|Scan|"},
           {SectionCode::DS, "Load file 1...|Load file 2...|Compare|New|"},
           {SectionCode::HI, "Select all|Select none|Clear...|-|"},
       }) {
    form->ChooseSection(c.code);
    EXPECT_EQ(Buttons(), c.buttons) << CodeText(c.code);
    EXPECT_EQ(form->CurrentSection(), c.code);
    EXPECT_TRUE(form->tbtnAboutNX().Enabled());
    EXPECT_FALSE(form->Image1->Visible());
  }
  form->ChooseSection(SectionCode::IP);
  EXPECT_EQ(form->btnAction[1]->hint, "Remove the uninstall reference from the registry");
}

TEST_F(MainWindowTest, ActionButtonsSizeToTheirCaptions) {
  Open(false);
  form->ChooseSection(SectionCode::IP);
  RECT client;
  GetClientRect(form->Handle(), &client);
  for (auto& button : form->btnAction) {
    if (!button->Visible()) continue;
    EXPECT_EQ(button->GetBounds().width, form->btnAction[0]->TextWidth(button->GetText()) + 12) << button->GetText();
    EXPECT_EQ(button->GetBounds().top, client.bottom - 51);
  }
  gui::Bounds b1 = form->btnAction[0]->GetBounds(), b2 = form->btnAction[1]->GetBounds();
  gui::Bounds b3 = form->btnAction[2]->GetBounds(), b4 = form->btnAction[3]->GetBounds();
  EXPECT_EQ(b2.left, b1.left + b1.width + 16);
  EXPECT_EQ(b4.left + b4.width, client.right - 9);
  EXPECT_EQ(b3.left + b3.width, b4.left - 16);
}

TEST_F(MainWindowTest, GroupsToggleAndRerunTheCheckedSection) {
  Open(false);
  double scale = form->ScaleFactor();
  form->ToggleGroup(SectionGroup::Registry);
  EXPECT_EQ(form->groups[3].notebook->GetBounds().height, ScaledHeight(128, scale));
  // Nothing checked in the group yet: the action buttons stay disabled.
  EXPECT_FALSE(form->CurrentSection());
  for (auto& button : form->btnAction) EXPECT_FALSE(button->Enabled());

  form->ToggleGroup(SectionGroup::System);
  EXPECT_EQ(form->groups[0].notebook->GetBounds().height, ScaledHeight(201, scale));
  EXPECT_EQ(form->groups[3].notebook->GetBounds().height, ScaledHeight(31, scale));  // one open at a time
  form->ChooseSection(SectionCode::KW);
  form->ToggleGroup(SectionGroup::System);  // collapse: no section current, captions stay
  EXPECT_FALSE(form->CurrentSection());
  EXPECT_EQ(Buttons(), "Select all|Select none|Delete...|Scan|");
  form->ToggleGroup(SectionGroup::System);  // expand again: Keyword runs again
  EXPECT_EQ(form->CurrentSection(), SectionCode::KW);
  for (auto& button : form->btnAction) EXPECT_TRUE(button->Enabled());
  gui::Bounds last = form->groups.back().notebook->GetBounds();
  EXPECT_EQ(form->pnlALeftMain->GetBounds().height, last.top + last.height + 12);
}

TEST_F(MainWindowTest, CurrentSectionIsBoldAndBlue) {
  Open(false);
  form->ToggleGroup(SectionGroup::History);
  form->ChooseSection(SectionCode::HI);
  EXPECT_EQ(form->SectionButton(SectionCode::HI).TextColor(), RGB(0, 0, 255));
  EXPECT_EQ(form->lblplugin->TextColor(), RGB(0, 0, 255));
  EXPECT_TRUE(form->SectionButton(SectionCode::HI).Checked());
  form->ChooseSection(SectionCode::TF);
  EXPECT_EQ(form->SectionButton(SectionCode::HI).TextColor(), std::nullopt);
  EXPECT_EQ(form->lblplugin->TextColor(), std::nullopt);
}

TEST_F(MainWindowTest, BusyStateDisablesWhatCouldStartAnotherOperation) {
  Open(false);
  form->ChooseSection(SectionCode::TF);
  form->SetStatus(0, "Searching");
  form->SetIdle(false);
  EXPECT_TRUE(form->tbtnStop().Enabled());
  for (gui::Control* control :
       {static_cast<gui::Control*>(&form->tbtnMainExit()), static_cast<gui::Control*>(&form->tbtnFullScan()),
        static_cast<gui::Control*>(&form->tbtnSettings()), static_cast<gui::Control*>(&form->tbtnInformation()),
        static_cast<gui::Control*>(&form->SectionButton(SectionCode::SC)),
        static_cast<gui::Control*>(form->lblplugin.get()), static_cast<gui::Control*>(form->btnAction[3].get())})
    EXPECT_FALSE(control->Enabled()) << control->GetText();
  EXPECT_EQ(form->sbMain->PanelText(0), "");
  form->SetIdle(true);
  EXPECT_FALSE(form->tbtnStop().Enabled());
  EXPECT_TRUE(form->btnAction[3]->Enabled() && form->tbtnMainExit().Enabled());
}

TEST_F(MainWindowTest, OperationsRunInTheirFrames) {
  Open(false);
  std::vector<std::string> seen;
  SectionOperations operations;
  operations.actions[2] = [&](SectionHost& host) {
    seen.push_back(std::string("delete, idle ") + (form->Idle() ? "yes" : "no"));
    host.SetStatus(1, "C:\\a.tmp");
  };
  operations.actions[3] = [&](SectionHost&) { throw std::runtime_error("scan failed"); };
  form->SetOperations(SectionCode::TF, operations);
  form->ChooseSection(SectionCode::TF);
  SendMessageW(form->btnAction[2]->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(seen, std::vector<std::string>{"delete, idle no"});
  EXPECT_TRUE(form->Idle());
  EXPECT_EQ(form->sbMain->PanelText(1), "");

  // An error that escapes is shown, and the window is idle again.
  DismissNextDialog("Message", 2);
  SendMessageW(form->btnAction[3]->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(form->Idle());
  EXPECT_EQ(LastDismissedText(), "scan failed");
}

TEST_F(MainWindowTest, StopAsksAndSetsTheFlags) {
  Open(false);
  struct Case {
    int answer;
    bool stop;
  };
  for (const Case& c : std::vector<Case>{{1, true}, {2, false}, {0, true}}) {
    form->SetIdle(false);
    form->SetFullScanRunning(true);
    DismissNextDialog("Stop?", c.answer);
    form->StopClick();
    EXPECT_EQ(LastDismissedText(), "Are you sure you want to stop the current operation?");
    EXPECT_EQ(form->StopFlag(), c.stop) << c.answer;
    EXPECT_EQ(form->FullScanRunning(), !c.stop) << c.answer;
    form->SetIdle(true);
  }
}

TEST_F(MainWindowTest, HotKeys) {
  Open(false);
  auto press = [&](int key, bool ctrl = true, bool shift = false) {
    return form->FormKeyDown(key, ctrl, shift, false);
  };
  EXPECT_FALSE(press('D', true, true));  // Ctrl+Shift+D
  EXPECT_FALSE(form->CurrentSection());
  EXPECT_TRUE(press('O'));  // Autostart: the Registry group opens first
  EXPECT_TRUE(form->GroupExpanded(SectionGroup::Registry));
  EXPECT_EQ(form->CurrentSection(), SectionCode::AS);
  EXPECT_TRUE(press('F'));
  EXPECT_EQ(form->CurrentSection(), SectionCode::TF);
  EXPECT_TRUE(form->GroupExpanded(SectionGroup::System));
  EXPECT_TRUE(press('1'));  // toggles the System group
  EXPECT_FALSE(form->GroupExpanded(SectionGroup::System));
  EXPECT_TRUE(press('V'));  // About
  EXPECT_TRUE(form->Image1->Visible());

  // Busy: only Stop acts.
  form->SetIdle(false);
  EXPECT_TRUE(press('F'));
  EXPECT_FALSE(form->CurrentSection());
  DismissNextDialog("Stop?", 1);
  EXPECT_TRUE(press('R'));
  EXPECT_TRUE(form->StopFlag());
  form->SetIdle(true);

  // Two positions with one key: the first (Shortcuts, not Installed programs) wins.
  world->registry().OpenKey(RootKey::CurrentUser, kSettingsKey, false)->WriteString("HotKeys", "1FF");
  EXPECT_TRUE(press('F'));
  EXPECT_EQ(form->CurrentSection(), SectionCode::SC);
}

TEST_F(MainWindowTest, PopupItemsPerSection) {
  Open(false);
  auto visible = [&] {
    std::vector<int> ids = form->pmnuCache.VisibleItems();
    std::vector<PopupItem> items;
    for (int id : ids)
      for (int i = 0; i < kPopupItemCount; ++i)
        if (form->MenuId(static_cast<PopupItem>(i)) == id) items.push_back(static_cast<PopupItem>(i));
    return items;
  };
  using enum PopupItem;
  form->ChooseSection(SectionCode::DF);
  EXPECT_EQ(visible(), (std::vector<PopupItem>{AdvancedSettings, CollapseAll, ExpandAll, ExpandChecked, Multicheck}));
  form->ChooseSection(SectionCode::RB);
  EXPECT_EQ(visible(), std::vector<PopupItem>{});
  form->ChooseSection(SectionCode::AS);
  form->PopupMenuOpening();  // no row: Activate and Deactivate stay hidden
  EXPECT_EQ(visible(), (std::vector<PopupItem>{Change, Multicheck}));
  form->ChooseSection(SectionCode::KW);
  EXPECT_EQ(visible(), (std::vector<PopupItem>{AdvancedSettings, OpenFolder, OpenRegistry}));
  EXPECT_FALSE(form->pmnuCache.Enabled(form->MenuId(OpenFolder)));
  form->ShowAboutState();
  EXPECT_EQ(visible(), std::vector<PopupItem>{});
}

TEST_F(MainWindowTest, AdvancedSettingsOpenOnTheSectionsPage) {
  Open(false);
  std::vector<AdvancedPage> pages;
  form->openAdvancedSettings = [&](AdvancedPage page) { pages.push_back(page); };
  world->registry().OpenKey(RootKey::CurrentUser, kSettingsKey, false)->WriteString("HotKeys", "");
  form->ToggleGroup(SectionGroup::System);
  form->ChooseSection(SectionCode::DF);
  form->pmnuCache.onCommand(form->MenuId(PopupItem::AdvancedSettings));
  EXPECT_EQ(pages, std::vector<AdvancedPage>{AdvancedPage::DuplicateFiles});
}

}  // namespace
}  // namespace nx::test

namespace nx::test {
namespace {

class ResultListWindowTest : public MainWindowTest {
protected:
  void SetUp() override {
    Open(false);
    auto& tf = form->Results().tf;
    tf.paths = {"C:\\a.tmp", "C:\\b.TMP", "C:\\c.log"};
    tf.sizes = {"10000", "900", "3000000000"};
    tf.dates = {"2004-05-12", "2004-01-01", "2003-12-31"};
    tf.checks = {"0", "1", "0"};
    tf.totalSize = "3000010900";
  }

  std::string Captions() {
    std::string text;
    for (const ResultRow& row : form->clbMain->Rows()) text += row.caption + (row.checked ? "+" : "") + "|";
    return text;
  }

  // A click on a row's check box, as the user makes it.
  void UserToggles(int item) {
    HWND list = form->clbMain->Handle();
    ListView_SetItemState(list, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetFocus(list);
    SendMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(list, WM_KEYUP, VK_SPACE, 0);
    gui::ProcessMessages();
  }

  std::string Memo() { return form->memDetails->GetText(); }
};

TEST_F(ResultListWindowTest, RowsAndMarksSurviveSectionSwitches) {
  form->ChooseSection(SectionCode::TF);
  EXPECT_TRUE(form->clbMain->Visible());
  EXPECT_FALSE(form->Image1->Visible());
  EXPECT_EQ(Captions(), "C:\\a.tmp|C:\\b.TMP+|C:\\c.log|");
  EXPECT_EQ(Memo(), "3 temporary files were found. (3,00 Gb)\r\n1 selected.(900 byte)");
  UserToggles(0);
  EXPECT_EQ(form->Results().tf.checks[0], "1");
  form->ChooseSection(SectionCode::CO);
  EXPECT_EQ(Captions(), "");
  form->ChooseSection(SectionCode::TF);
  EXPECT_EQ(Captions(), "C:\\a.tmp+|C:\\b.TMP+|C:\\c.log|");
  EXPECT_EQ(Memo(), "3 temporary files were found. (3,00 Gb)\r\n2 selected.(10,90 Kb)");
}

TEST_F(ResultListWindowTest, HeaderClickSortsAndRewritesTheLists) {
  form->ChooseSection(SectionCode::TF);
  NMHEADERW click{};
  HWND header = ListView_GetHeader(form->clbMain->Handle());
  click.hdr = {header, 0, static_cast<UINT>(HDN_ITEMCLICKW)};
  click.iItem = 1;  // "Size"
  SendMessageW(form->clbMain->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
  EXPECT_EQ(Captions(), "C:\\b.TMP+|C:\\a.tmp|C:\\c.log|");  // 900 < 10000 < 3000000000
  EXPECT_EQ(form->Results().tf.paths[0], "C:\\b.TMP");
  EXPECT_EQ(form->Results().tf.checks, (std::vector<std::string>{"1", "0", "0"}));
}

TEST_F(ResultListWindowTest, SelectAllAndNoneWriteTheMarks) {
  form->ChooseSection(SectionCode::TF);
  SendMessageW(form->btnAction[0]->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->Results().tf.checks, (std::vector<std::string>{"1", "1", "1"}));
  EXPECT_TRUE(Memo().ends_with("3 selected.(3,00 Gb)")) << Memo();
  SendMessageW(form->btnAction[1]->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(Captions(), "C:\\a.tmp|C:\\b.TMP|C:\\c.log|");
}

TEST_F(ResultListWindowTest, DuplicateGroupsKeepOneCopy) {
  auto& df = form->Results().df;
  df.groups = {"0;report.doc"};
  df.fileCounts = {"2"};
  df.sizes = {"100"};
  df.totalSizes = {"200"};
  df.dates = {"2004-05-12"};
  df.files = {"0;C:\\Docs\\", "0;D:\\Copy\\"};
  form->ToggleGroup(SectionGroup::System);
  form->ChooseSection(SectionCode::DF);
  form->ExpandRows(ExpandCommand::ExpandAll);
  UserToggles(1);
  EXPECT_TRUE(form->clbMain->Rows()[0].children[0].checked);
  DismissNextDialog("Message", 2);
  UserToggles(2);
  EXPECT_EQ(LastDismissedText(), "It is not possible to delete all files in one section.");
  EXPECT_FALSE(form->clbMain->Rows()[0].children[1].checked);
}

TEST_F(ResultListWindowTest, MultiCheckDialogChecksMatchingRows) {
  SessionForms forms;
  form->UseSessionForms(forms);
  form->ToggleGroup(SectionGroup::System);
  form->ChooseSection(SectionCode::TF);
  forms.frmMultiSelect->edMask->SetText("*.tmp");
  // Apply, then close the dialog from inside its modal loop.
  SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND dialog = GetActiveWindow();
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t text[32];
      GetWindowTextW(child, text, 32);
      if (std::wstring(text) == L"Apply") SendMessageW(child, BM_CLICK, 0, 0);
    }
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  });
  form->MultiCheck();
  EXPECT_EQ(Captions(), "C:\\a.tmp+|C:\\b.TMP+|C:\\c.log|");
  EXPECT_EQ(form->Results().tf.checks, (std::vector<std::string>{"1", "1", "0"}));
}

}  // namespace
}  // namespace nx::test

namespace nx::test {
namespace {

// The Temporary files section as a user drives it, on fixture drive V:, which
// holds nothing else that counts as temporary.
TEST_F(MainWindowTest, TemporaryFilesScanAndDeleteThroughTheWindow) {
  Open(false);
  SessionForms forms;
  form->UseSessionForms(forms);
  std::string f = FreshFixture('V');
  MakeFile(f + "a.tmp", "12");
  MakeFile(f + "read-only.tmp", "1", FILE_ATTRIBUTE_READONLY);
  MakeFile(f + "kept.txt", "1");
  form->Settings().ScanDriveLetters = {"V"};
  form->Settings().TempMasks = {"*.TMP"};
  Win32FileFinder finder;
  Win32FileRemoval removal;
  FileSectionTools tools{finder, removal, "", context->formats};
  form->SetOperations(SectionCode::TF, TempFileOperations(tools));
  form->ChooseSection(SectionCode::TF);

  SendMessageW(form->btnAction[3]->Handle(), BM_CLICK, 0, 0);  // Scan
  ASSERT_EQ(form->clbMain->Rows().size(), 2u);
  EXPECT_TRUE(form->Idle());
  EXPECT_NE(form->memDetails->GetText().find("2 temporary files were found. (3 byte)"), std::string::npos)
      << form->memDetails->GetText();

  SendMessageW(form->btnAction[0]->Handle(), BM_CLICK, 0, 0);  // Select all
  DismissNextDialog("Delete?", 1);                             // the question
  DismissNextDialog("Delete?", 1);                             // the read-only file: Yes
  DismissNextDialog("Message", 1);
  SendMessageW(form->btnAction[2]->Handle(), BM_CLICK, 0, 0);  // Delete...
  EXPECT_EQ(LastDismissedText(), "The temporary files were deleted successfully!");
  EXPECT_FALSE(Exists(f + "a.tmp"));
  EXPECT_FALSE(Exists(f + "read-only.tmp"));
  EXPECT_TRUE(Exists(f + "kept.txt"));
  EXPECT_TRUE(form->clbMain->Rows().empty());
  EXPECT_EQ(form->Results().tf.totalSize, "0");
  EXPECT_TRUE(form->Idle());
  EXPECT_FALSE(form->tbtnStop().Enabled());
}

}  // namespace
}  // namespace nx::test
