#pragma once
// TfrmMultiSelect: checks or unchecks the result rows whose caption matches a
// mask. The window only collects the choice; the owner of the rows applies it.
#include <functional>
#include <memory>

#include "wingui/DialogForm.h"
#include "wingui/Edit.h"
#include "wingui/RadioButton.h"

namespace nx {

class TfrmMultiSelect : public gui::DialogForm {
public:
  TfrmMultiSelect();

  std::unique_ptr<gui::RadioButton> rbCheck, rbUncheck;
  std::unique_ptr<gui::Label> lblMask;
  std::unique_ptr<gui::Edit> edMask;
  std::unique_ptr<gui::Button> btnHelp, btnApply, btnClose;

  // "Apply": runs with the window's controls disabled and the hourglass
  // showing; the window stays open.
  std::function<void(bool check, const std::string& mask)> onApply;
  // "Help..." and F1.
  std::function<void()> onHelp;

private:
  void Apply();
  void SetBusy(bool busy);
  bool FormKeyDown(int key, bool ctrl, bool shift, bool alt) override;
};

}  // namespace nx
