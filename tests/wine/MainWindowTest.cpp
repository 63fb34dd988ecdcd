// The main window in-process, under Wine's null display driver.
#include <gtest/gtest.h>

#include "app/NxMain.h"
#include "app/logic/StartupRules.h"
#include "tests/support/SetupDefaults.h"
#include "tests/support/TestWorld.h"
#include "win32/Win32FileSystem.h"

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
  EXPECT_FALSE(form->tbtnAboutNX->Enabled());
  EXPECT_FALSE(form->tbtnStop->Enabled());
  EXPECT_TRUE(form->tbtnMainExit->Enabled());
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

}  // namespace
}  // namespace nx::test
