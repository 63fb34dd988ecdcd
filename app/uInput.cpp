#include "app/uInput.h"

#include "core/Texts.h"

namespace nx {
namespace {

constexpr int kClientWidth = 344, kClientHeight = 101;
constexpr int kMargin = 8, kButtonWidth = 75, kButtonHeight = 23, kButtonGap = 6;
constexpr int kButtonTop = kClientHeight - kMargin - kButtonHeight;

}  // namespace

TfrmInput::TfrmInput() : DialogForm(Text(Str::InputCaption), gui::DialogFrame::Tool) {
  HWND self = Handle();
  constexpr int width = kClientWidth - 2 * kMargin;
  Label1 = std::make_unique<gui::Label>(self, gui::Bounds{kMargin, 6, width, 16}, Text(Str::InputPrompt));
  Label2 = std::make_unique<gui::Label>(self, gui::Bounds{kMargin, 22, width, 16}, Text(Str::InputAbort));
  edInput = std::make_unique<gui::Edit>(self, gui::Bounds{kMargin, 42, width, 21});
  int right = kClientWidth - kMargin;
  btnOk = std::make_unique<gui::Button>(
      self, gui::Bounds{right - 2 * kButtonWidth - kButtonGap, kButtonTop, kButtonWidth, kButtonHeight},
      Text(Str::DialogOk));
  btnCancel = std::make_unique<gui::Button>(
      self, gui::Bounds{right - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight}, Text(Str::DialogCancel));
  btnOk->onClick = [this] { SetModalResult(gui::kModalOk); };
  btnCancel->onClick = [this] { SetModalResult(gui::kModalCancel); };
  SetDefaultButton(*btnOk);
  SetClientSize(kClientWidth, kClientHeight);
  CenterOnScreen();
}

void TfrmInput::FormActivate() {
  SetFocus(edInput->Handle());
  edInput->SelectAll();
}

std::string InputValue(const std::string& initial) {
  TfrmInput form;
  form.edInput->SetText(initial);
  return form.ShowModal() == gui::kModalOk ? form.edInput->GetText() : initial;
}

}  // namespace nx
