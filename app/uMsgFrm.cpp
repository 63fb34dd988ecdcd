#include "app/uMsgFrm.h"

#include "core/Texts.h"
#include "wingui/Application.h"
#include "wingui/Gradient.h"

namespace nx {
namespace {

constexpr int kClientWidth = 417, kClientHeight = 139;
constexpr int kMargin = 8, kButtonWidth = 90, kButtonHeight = 21, kButtonGap = 10;
constexpr int kButtonTop = kClientHeight - kMargin - kButtonHeight;
constexpr int kRightButtonLeft = kClientWidth - kMargin - kButtonWidth;

void PaintBackground(HDC dc, const RECT& area) {
  gui::FillVerticalGradient(dc, area, RGB(255, 255, 255), RGB(206, 222, 246));
}

}  // namespace

TfrmMsg::TfrmMsg()
    : DialogForm("", gui::DialogFrame::FixedNoSystemMenu),
      background_(Handle(), kClientWidth, kClientHeight, PaintBackground) {
  SetClientSize(kClientWidth, kClientHeight);
  CenterOnScreen();
  // No prefix: an "&" in a file name must show as it is.
  lblMsg = std::make_unique<gui::Label>(Handle(), gui::Bounds{kMargin, kMargin, 401, 89}, "", SS_LEFT | SS_NOPREFIX);
  but1 = std::make_unique<gui::Button>(
      Handle(), gui::Bounds{kRightButtonLeft - kButtonGap - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight}, "");
  btn2 = std::make_unique<gui::Button>(Handle(), gui::Bounds{kRightButtonLeft, kButtonTop, kButtonWidth, kButtonHeight},
                                       "");
  but1->onClick = [this] {
    Tag = 1;
    SetModalResult(gui::kModalOk);
  };
  btn2->onClick = [this] {
    Tag = 2;
    SetModalResult(gui::kModalOk);
  };
}

void TfrmMsg::FormActivate() {
  // So that Enter answers "Yes" to a question and "OK" to a notice.
  SetFocus(but1->Visible() ? but1->Handle() : btn2->Handle());
}

std::optional<LRESULT> TfrmMsg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto result = background_.HandleMessage(message, wParam, lParam)) return result;
  return DialogForm::HandleMessage(message, wParam, lParam);
}

int ShowMsg(const std::string& caption, const std::string& text, const std::string& leftCaption,
            const std::string& rightCaption, bool showLeft, bool showRight) {
  TfrmMsg form;
  form.but1->SetVisible(showLeft);
  form.btn2->SetVisible(showRight);
  form.but1->SetText(leftCaption);
  form.btn2->SetText(rightCaption);
  form.SetCaption(caption);
  form.lblMsg->SetText(text);
  // Pending repaints first, so that no half-drawn window sits behind the box.
  gui::ProcessMessages();
  form.ShowModal();
  return form.Tag;
}

void ShowNotice(const std::string& text) {
  ShowMsg(Text(Str::MessageCaption), text, "", Text(Str::DialogOk), false, true);
}

int AskYesNo(const std::string& caption, const std::string& text) {
  return ShowMsg(caption, text, Text(Str::DialogYes), Text(Str::DialogNo), true, true);
}

}  // namespace nx
