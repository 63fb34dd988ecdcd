// The program's own dialogs in-process, under Wine's null display driver.
// Each test acts on a dialog from inside its modal loop, as a user would:
// clicks on its buttons and keys sent to the focused control.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/uConfirmDelete.h"
#include "app/uDeletefileDialog.h"
#include "app/uInfo.h"
#include "app/uInput.h"
#include "app/uMsgFrm.h"
#include "app/uMultiSelect.h"
#include "win32/WideText.h"
#include "wingui/Application.h"

namespace nx::test {
namespace {

std::function<bool()> pendingAction;
UINT_PTR actionTimer = 0;

void StopPendingAction() {
  KillTimer(nullptr, actionTimer);
  pendingAction = nullptr;
}

void CALLBACK RunPendingAction(HWND, UINT, UINT_PTR, DWORD) {
  if (pendingAction && pendingAction()) StopPendingAction();
}

// The shown modal form of that type, or nullptr while there is none.
template <typename FormType>
FormType* ShownForm() {
  FormType* found = nullptr;
  // Only this thread's windows: their user data is known to be ours.
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        wchar_t className[32];
        GetClassNameW(window, className, 32);
        if (lstrcmpW(className, L"NeatrixWindow") != 0 || !IsWindowVisible(window)) return TRUE;
        auto* form = dynamic_cast<FormType*>(gui::ControlFromHandle(window));
        if (!form || !form->IsModal()) return TRUE;
        *reinterpret_cast<FormType**>(result) = form;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Runs the action once a form of that type is shown modally.
template <typename FormType>
void WhenShown(std::function<void(FormType&)> action) {
  pendingAction = [action] {
    FormType* form = ShownForm<FormType>();
    if (form) action(*form);
    return form != nullptr;
  };
  actionTimer = SetTimer(nullptr, 0, 10, &RunPendingAction);
}

void Click(const gui::Control& button) {
  PostMessageW(button.Handle(), BM_CLICK, 0, 0);
}

// As the keyboard does: to the control that has the focus.
void PressKey(WPARAM key) {
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
  PostMessageW(GetFocus(), WM_KEYUP, key, 0);
}

void CloseBox(const gui::Form& form) {
  PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
}

class DialogTest : public testing::Test {
protected:
  void TearDown() override {
    EXPECT_FALSE(pendingAction) << "the dialog was never shown";
    StopPendingAction();
  }
};

// How a test ends a dialog.
enum class Ending { Left, Right, Escape, Enter, CloseBox };

// Ends a shown dialog the way a user would.
void End(Ending ending, const gui::Control& left, const gui::Control& right, const gui::Form& form) {
  switch (ending) {
    case Ending::Left:
      Click(left);
      break;
    case Ending::Right:
      Click(right);
      break;
    case Ending::Escape:
      PressKey(VK_ESCAPE);
      break;
    case Ending::Enter:
      PressKey(VK_RETURN);
      break;
    case Ending::CloseBox:
      CloseBox(form);
      break;
  }
}

using DialogMessageBox = DialogTest;

TEST_F(DialogMessageBox, AnswersWithTheButtonOrZero) {
  struct Case {
    bool showLeft;
    Ending ending;
    int answer;
  };
  for (const Case& c : std::vector<Case>{{true, Ending::Left, 1},
                                         {true, Ending::Right, 2},
                                         {true, Ending::Escape, 0},
                                         {true, Ending::CloseBox, 0},
                                         {true, Ending::Enter, 1},  // focus on the left button
                                         {false, Ending::Enter, 2}}) {
    WhenShown<TfrmMsg>([&c](TfrmMsg& form) {
      EXPECT_EQ(GetFocus(), c.showLeft ? form.but1->Handle() : form.btn2->Handle());
      End(c.ending, *form.but1, *form.btn2, form);
    });
    EXPECT_EQ(ShowMsg("Delete?", "Sure?", "Yes", "No", c.showLeft, true), c.answer)
        << c.showLeft << " " << static_cast<int>(c.ending);
  }
}

TEST_F(DialogMessageBox, NoticeHasOnlyOk) {
  WhenShown<TfrmMsg>([](TfrmMsg& form) {
    EXPECT_EQ(form.GetText(), "Message");
    EXPECT_EQ(form.lblMsg->GetText(), "Done & dusted");
    EXPECT_FALSE(form.but1->Visible());
    EXPECT_TRUE(form.btn2->Visible());
    EXPECT_EQ(form.btn2->GetText(), "OK");
    Click(*form.btn2);
  });
  ShowNotice("Done & dusted");
}

TEST_F(DialogMessageBox, FixedLayout) {
  TfrmMsg form;
  RECT client;
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 417);
  EXPECT_EQ(client.bottom, 139);
  auto style = GetWindowLongW(form.Handle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_THICKFRAME));
  gui::Bounds label = form.lblMsg->GetBounds(), left = form.but1->GetBounds(), right = form.btn2->GetBounds();
  EXPECT_EQ(label.width, 401);
  EXPECT_EQ(label.height, 89);
  EXPECT_LE(label.top + label.height, left.top);  // a long text never runs under the buttons
  for (const gui::Bounds& button : {left, right}) {
    EXPECT_EQ(button.width, 90);
    EXPECT_EQ(button.height, 21);
    EXPECT_EQ(button.top, 139 - 8 - 21);
  }
  EXPECT_EQ(left.left + 90 + 10, right.left);
  EXPECT_EQ(right.left + 90, 417 - 8);
}

using DialogInput = DialogTest;

TEST_F(DialogInput, EditedTextOnlyAfterOk) {
  struct Case {
    std::string initial;
    Ending ending;
    std::string result;
  };
  for (const Case& c : std::vector<Case>{{"C:\\old.exe", Ending::Left, "C:\\new.exe"},
                                         {"C:\\old.exe", Ending::Enter, "C:\\new.exe"},
                                         {"C:\\old.exe", Ending::Right, "C:\\old.exe"},
                                         {"C:\\old.exe", Ending::Escape, "C:\\old.exe"},
                                         {"", Ending::Right, ""},
                                         {"", Ending::CloseBox, ""}}) {
    WhenShown<TfrmInput>([&c](TfrmInput& form) {
      EXPECT_EQ(form.edInput->GetText(), c.initial);
      EXPECT_EQ(GetFocus(), form.edInput->Handle());
      form.edInput->SetText("C:\\new.exe");
      End(c.ending, *form.btnOk, *form.btnCancel, form);
    });
    EXPECT_EQ(InputValue(c.initial), c.result) << "'" << c.initial << "' " << static_cast<int>(c.ending);
  }
}

using DialogConfirmDelete = DialogTest;

TEST_F(DialogConfirmDelete, ListsEachItemOnce) {
  TfrmConfirmDelete form;
  form.Clear();
  form.SetFolder("C:\\Temp");
  for (const char* item : {"C:\\Temp\\a.txt", "C:\\Temp\\A.txt", "C:\\Temp\\a.txt", "C:\\Temp\\sub"})
    form.AddItem(item);
  ASSERT_EQ(form.lbConfirm->Count(), 3);
  EXPECT_EQ(form.lbConfirm->Item(0), "C:\\Temp\\a.txt");
  EXPECT_EQ(form.lbConfirm->Item(1), "C:\\Temp\\A.txt");
  EXPECT_EQ(form.lbConfirm->Item(2), "C:\\Temp\\sub");
  EXPECT_EQ(form.lblFoldername->GetText(), "C:\\Temp");
  // Clearing empties the list for the next use.
  form.Clear();
  form.AddItem("C:\\Temp\\a.txt");
  EXPECT_EQ(form.lbConfirm->Count(), 1);
}

TEST_F(DialogConfirmDelete, FolderTextsUntilKeyTextsReplaceThem) {
  TfrmConfirmDelete form;
  EXPECT_EQ(form.GetText(), "Verify");
  EXPECT_EQ(form.Label1->GetText(), "In order to delete folder:");
  EXPECT_EQ(form.Label2->GetText(), "the following files (and folders) must be deleted:");
  EXPECT_EQ(form.Label3->GetText(), "Click OK to delete the above or click Cancel to leave the files");
  form.UseKeyTexts();
  EXPECT_EQ(form.Label1->GetText(), "In order to delete key:");
  EXPECT_EQ(form.Label2->GetText(), "the following values (and subkeys) must be deleted:");
  EXPECT_EQ(form.Label3->GetText(), "Click OK to delete the above or click Cancel to leave the values.");
}

TEST_F(DialogConfirmDelete, OnlyOkGoesAheadAcrossReuses) {
  // One window for every use: an earlier OK must not leak into the next answer.
  TfrmConfirmDelete form;
  struct Case {
    Ending ending;
    bool goAhead;
  };
  for (const Case& c : std::vector<Case>{{Ending::Right, true},
                                         {Ending::CloseBox, false},
                                         {Ending::Right, true},
                                         {Ending::Left, false},
                                         {Ending::Right, true},
                                         {Ending::Escape, false},
                                         {Ending::Enter, true}}) {
    WhenShown<TfrmConfirmDelete>(
        [&c](TfrmConfirmDelete& shown) { End(c.ending, *shown.btnCancel, *shown.btnOK, shown); });
    form.Clear();
    form.AddItem("HKEY_CURRENT_USER\\Software\\Old\\Value");
    EXPECT_EQ(form.Confirm(), c.goAhead) << static_cast<int>(c.ending);
    EXPECT_EQ(form.Tag, c.goAhead ? 1 : 0);
  }
}

using DialogInformation = DialogTest;

TEST_F(DialogInformation, ShowsTheTextAndPlacesCloseEachTime) {
  TfrmInformation form;
  for (Ending ending : {Ending::Escape, Ending::Left}) {
    form.btnClose->SetBounds({0, 0, 10, 10});  // wherever a previous use left it
    WhenShown<TfrmInformation>([ending](TfrmInformation& shown) {
      EXPECT_EQ(shown.GetText(), "Information about multiselect");
      EXPECT_EQ(shown.memInfo->GetText(), "First line\r\nSecond line");
      gui::Bounds button = shown.btnClose->GetBounds();
      EXPECT_EQ(button.left, shown.GetBounds().width / 2 - 32);
      EXPECT_EQ(button.top, 8);
      EXPECT_EQ(button.width, 75);
      EXPECT_EQ(button.height, 23);
      if (ending == Ending::Escape)
        PressKey(VK_ESCAPE);
      else
        Click(*shown.btnClose);
    });
    form.ShowInformation("Information about multiselect", "First line\r\nSecond line");
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
  }
}

using DialogMultiSelect = DialogTest;

TEST_F(DialogMultiSelect, ApplyForwardsTheChoiceAndStaysOpen) {
  TfrmMultiSelect form;
  EXPECT_TRUE(form.rbCheck->Checked());
  EXPECT_FALSE(form.rbUncheck->Checked());
  struct Applied {
    bool check;
    std::string mask;
    bool controlsEnabled, busy;
  };
  std::vector<Applied> applied;
  form.onApply = [&](bool check, const std::string& mask) {
    applied.push_back({check, mask, form.edMask->Enabled() || form.btnApply->Enabled() || form.btnClose->Enabled(),
                       gui::BusyCursor()});
  };
  WhenShown<TfrmMultiSelect>([](TfrmMultiSelect& shown) {
    shown.edMask->SetText("*.tmp");
    Click(*shown.btnApply);
    Click(*shown.rbUncheck);
    Click(*shown.btnApply);
    Click(*shown.btnClose);
  });
  form.ShowModal();
  ASSERT_EQ(applied.size(), 2u);
  EXPECT_TRUE(applied[0].check);
  EXPECT_FALSE(applied[1].check);
  for (const Applied& a : applied) {
    EXPECT_EQ(a.mask, "*.tmp");
    EXPECT_FALSE(a.controlsEnabled);
    EXPECT_TRUE(a.busy);
  }
  EXPECT_TRUE(form.edMask->Enabled() && form.btnApply->Enabled() && form.rbCheck->Enabled());
  EXPECT_FALSE(gui::BusyCursor());
}

TEST_F(DialogMultiSelect, HelpByButtonAndF1EscapeCloses) {
  TfrmMultiSelect form;
  int helps = 0;
  form.onHelp = [&] { ++helps; };
  WhenShown<TfrmMultiSelect>([](TfrmMultiSelect& shown) {
    Click(*shown.btnHelp);
    SetFocus(shown.edMask->Handle());
    PressKey(VK_F1);
    PressKey(VK_ESCAPE);
  });
  form.ShowModal();
  EXPECT_EQ(helps, 2);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

using DialogDeleteFile = DialogTest;

std::string Caption(const gui::Form& form) {
  wchar_t text[256];
  GetWindowTextW(form.Handle(), text, 256);
  return Narrow(text);
}

TEST_F(DialogDeleteFile, EachButtonAnswersEnterMeansYesAndClosingMeansNo) {
  TfrmDeleteFileDialog dialog;
  dialog.Reset();
  EXPECT_EQ(Caption(dialog), "Delete?");
  EXPECT_EQ(dialog.Tag, ReadOnlyAnswer::None);
  std::vector<gui::Button*> buttons{dialog.btnYes.get(), dialog.btnNo.get(), dialog.btnYesToAll.get(),
                                    dialog.btnNoToAll.get()};
  std::vector<std::string> captions;
  for (size_t i = 0; i < buttons.size(); ++i) {
    captions.push_back(buttons[i]->GetText());
    if (i > 0) EXPECT_GT(buttons[i]->GetBounds().left, buttons[i - 1]->GetBounds().left);
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"Yes", "No", "Yes to all", "No to all"}));

  struct Case {
    int button;  // -1 Enter, -2 Escape
    ReadOnlyAnswer answer;
  };
  for (const Case& c : std::vector<Case>{{0, ReadOnlyAnswer::Yes},
                                         {1, ReadOnlyAnswer::No},
                                         {2, ReadOnlyAnswer::YesToAll},
                                         {3, ReadOnlyAnswer::NoToAll},
                                         {-1, ReadOnlyAnswer::Yes},
                                         {-2, ReadOnlyAnswer::No}}) {
    WhenShown<TfrmDeleteFileDialog>([&](TfrmDeleteFileDialog& shown) {
      EXPECT_EQ(shown.lblDeleteMsg->GetText(), "The file & is read-only.");
      if (c.button >= 0)
        Click(*buttons[static_cast<size_t>(c.button)]);
      else
        PressKey(c.button == -1 ? VK_RETURN : VK_ESCAPE);
    });
    EXPECT_EQ(dialog.Ask("The file & is read-only."), c.answer) << c.button;
    EXPECT_EQ(dialog.Tag, c.answer);
  }
}

TEST_F(DialogDeleteFile, WidensToAMessageWiderThanItsUsualWidth) {
  TfrmDeleteFileDialog dialog;
  auto clientWidth = [&] {
    RECT client;
    GetClientRect(dialog.Handle(), &client);
    return static_cast<int>(client.right);
  };
  std::string longLine = "The file C:\\" + std::string(70, 'w') + ".tmp is a read only file.";
  int widest = dialog.lblDeleteMsg->TextWidth(longLine);
  ASSERT_GT(widest, 360);
  for (const std::string& message :
       {std::string("Short.\r\nDo you want to delete the file?"), longLine + "\r\nDo you want to delete the file?"}) {
    WhenShown<TfrmDeleteFileDialog>([&](TfrmDeleteFileDialog& shown) {
      EXPECT_EQ(clientWidth(), message.starts_with("Short") ? 360 + 8 + 10 : widest + 8 + 10);
      EXPECT_GE(shown.lblDeleteMsg->GetBounds().width, message.starts_with("Short") ? 360 : widest);
      Click(*shown.btnNo);
    });
    dialog.Ask(message);
  }
}

TEST(DialogGeometry, SizesAndCentredOnTheDesktop) {
  TfrmMsg message;
  TfrmInput input;
  TfrmInformation information;
  TfrmConfirmDelete confirm;
  struct Case {
    const gui::Form& form;
    bool clientSize;
    int width, height;
  };
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  for (const Case& c : std::vector<Case>{{message, true, 417, 139},
                                         {input, true, 344, 101},
                                         {information, true, 297, 373},
                                         {confirm, false, 550, 288}}) {
    RECT client;
    GetClientRect(c.form.Handle(), &client);
    gui::Bounds window = c.form.GetBounds();
    EXPECT_EQ(c.clientSize ? client.right : window.width, c.width) << c.form.GetText();
    EXPECT_EQ(c.clientSize ? client.bottom : window.height, c.height) << c.form.GetText();
    EXPECT_LE(std::abs(2 * window.left + window.width - work.left - work.right), 1) << c.form.GetText();
    EXPECT_LE(std::abs(2 * window.top + window.height - work.top - work.bottom), 1) << c.form.GetText();
  }
}

}  // namespace
}  // namespace nx::test
