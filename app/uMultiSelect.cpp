#include "app/uMultiSelect.h"

#include "core/Texts.h"
#include "wingui/Application.h"

namespace nx {
namespace {

constexpr int kClientWidth = 330, kClientHeight = 128;
constexpr int kMargin = 12, kButtonWidth = 75, kButtonHeight = 23, kButtonGap = 6;
constexpr int kButtonTop = kClientHeight - 8 - kButtonHeight;

}  // namespace

TfrmMultiSelect::TfrmMultiSelect() : DialogForm(Text(Str::MultiSelectCaption), gui::DialogFrame::Fixed) {
  HWND self = Handle();
  constexpr int width = kClientWidth - 2 * kMargin;
  rbCheck = std::make_unique<gui::RadioButton>(self, gui::Bounds{kMargin, 8, 140, 20}, Text(Str::MultiSelectCheck));
  rbUncheck =
      std::make_unique<gui::RadioButton>(self, gui::Bounds{kMargin + 150, 8, 140, 20}, Text(Str::MultiSelectUncheck));
  rbCheck->SetChecked(true);
  lblMask = std::make_unique<gui::Label>(self, gui::Bounds{kMargin, 36, width, 30}, Text(Str::MultiSelectPrompt));
  edMask = std::make_unique<gui::Edit>(self, gui::Bounds{kMargin, 68, width, 21});
  btnHelp = std::make_unique<gui::Button>(self, gui::Bounds{kMargin, kButtonTop, kButtonWidth, kButtonHeight},
                                          Text(Str::MultiSelectHelp));
  int right = kClientWidth - kMargin;
  btnApply = std::make_unique<gui::Button>(
      self, gui::Bounds{right - 2 * kButtonWidth - kButtonGap, kButtonTop, kButtonWidth, kButtonHeight},
      Text(Str::MultiSelectApply));
  btnClose = std::make_unique<gui::Button>(
      self, gui::Bounds{right - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight}, Text(Str::DialogClose));
  btnHelp->onClick = [this] {
    if (onHelp) onHelp();
  };
  btnApply->onClick = [this] { Apply(); };
  btnClose->onClick = [this] { Close(); };
  SetDefaultButton(*btnApply);
  SetClientSize(kClientWidth, kClientHeight);
  CenterOnScreen();
}

void TfrmMultiSelect::Apply() {
  // Restores the window even when the handler throws.
  struct Restore {
    TfrmMultiSelect& form;
    HWND focus;
    ~Restore() {
      form.SetBusy(false);
      SetFocus(focus);
    }
  } restore{*this, GetFocus()};
  SetBusy(true);
  if (onApply) onApply(rbCheck->Checked(), edMask->GetText());
}

void TfrmMultiSelect::SetBusy(bool busy) {
  for (gui::Control* control : std::initializer_list<gui::Control*>{
           rbCheck.get(), rbUncheck.get(), lblMask.get(), edMask.get(), btnHelp.get(), btnApply.get(), btnClose.get()})
    control->SetEnabled(!busy);
  gui::SetBusyCursor(busy);
}

bool TfrmMultiSelect::FormKeyDown(int key, bool ctrl, bool shift, bool alt) {
  if (key != VK_F1 || ctrl || shift || alt) return false;
  btnHelp->onClick();
  return true;
}

}  // namespace nx
