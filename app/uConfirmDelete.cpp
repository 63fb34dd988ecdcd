#include "app/uConfirmDelete.h"

#include "core/Texts.h"

namespace nx {
namespace {

constexpr int kMargin = 8, kLineHeight = 16, kButtonWidth = 75, kButtonHeight = 23, kButtonGap = 6;

}  // namespace

TfrmConfirmDelete::TfrmConfirmDelete() : DialogForm(Text(Str::ConfirmDeleteCaption), gui::DialogFrame::SizeableTool) {
  HWND self = Handle();
  boldFont_ = gui::OwnedFont(Font(), 0, true, PixelsPerInch());
  Label1 = std::make_unique<gui::Label>(self, gui::Bounds{}, Text(Str::ConfirmFolderIntro), SS_LEFT | SS_NOPREFIX);
  // Long paths keep their start and their end.
  lblFoldername = std::make_unique<gui::Label>(self, gui::Bounds{}, "", SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS);
  lblFoldername->SetFont(boldFont_.Get());
  Label2 = std::make_unique<gui::Label>(self, gui::Bounds{}, Text(Str::ConfirmFolderContents), SS_LEFT | SS_NOPREFIX);
  lbConfirm = std::make_unique<gui::ListBox>(self, gui::Bounds{});
  Label3 = std::make_unique<gui::Label>(self, gui::Bounds{}, Text(Str::ConfirmFolderChoice), SS_LEFT | SS_NOPREFIX);
  btnCancel = std::make_unique<gui::Button>(self, gui::Bounds{}, Text(Str::DialogCancel));
  btnOK = std::make_unique<gui::Button>(self, gui::Bounds{}, Text(Str::DialogOk));
  btnOK->onClick = [this] {
    Tag = 1;
    SetModalResult(gui::kModalOk);
  };
  btnCancel->onClick = [this] {
    Tag = 0;
    SetModalResult(gui::kModalCancel);
  };
  SetDefaultButton(*btnOK);
  SetSize(550, 288);
  CenterOnScreen();
}

void TfrmConfirmDelete::Clear() {
  lbConfirm->Clear();
}

void TfrmConfirmDelete::SetFolder(const std::string& name) {
  lblFoldername->SetText(name);
}

void TfrmConfirmDelete::AddItem(const std::string& item) {
  if (lbConfirm->IndexOf(item) < 0) lbConfirm->Add(item);
}

void TfrmConfirmDelete::SetLabelTexts(const std::string& intro, const std::string& contents,
                                      const std::string& choice) {
  Label1->SetText(intro);
  Label2->SetText(contents);
  Label3->SetText(choice);
}

void TfrmConfirmDelete::UseKeyTexts() {
  SetLabelTexts(Text(Str::ConfirmKeyIntro), Text(Str::ConfirmKeyContents), Text(Str::ConfirmKeyChoice));
}

bool TfrmConfirmDelete::Confirm() {
  Tag = 0;
  ShowModal();
  return Tag == 1;
}

void TfrmConfirmDelete::Relayout() {
  RECT client;
  GetClientRect(Handle(), &client);
  int width = client.right - 2 * kMargin, height = client.bottom;
  int buttonTop = height - kMargin - kButtonHeight;
  int choiceTop = buttonTop - kButtonGap - kLineHeight;
  int listTop = kMargin + 3 * (kLineHeight + 2);
  Label1->SetBounds({kMargin, kMargin, width, kLineHeight});
  lblFoldername->SetBounds({kMargin, kMargin + kLineHeight + 2, width, kLineHeight});
  Label2->SetBounds({kMargin, kMargin + 2 * (kLineHeight + 2), width, kLineHeight});
  lbConfirm->SetBounds({kMargin, listTop, width, choiceTop - kButtonGap - listTop});
  Label3->SetBounds({kMargin, choiceTop, width, kLineHeight});
  int right = client.right - kMargin;
  btnOK->SetBounds({right - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight});
  btnCancel->SetBounds({right - 2 * kButtonWidth - kButtonGap, buttonTop, kButtonWidth, kButtonHeight});
}

void TfrmConfirmDelete::FormActivate() {
  // Arrows scroll the list; Enter still means OK and Escape Cancel.
  SetFocus(lbConfirm->Handle());
}

std::optional<LRESULT> TfrmConfirmDelete::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE && btnOK) Relayout();
  return DialogForm::HandleMessage(message, wParam, lParam);
}

}  // namespace nx
