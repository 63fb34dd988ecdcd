#pragma once
// TfrmInput and InputValue: asks for one line of text.
#include <memory>

#include "wingui/DialogForm.h"
#include "wingui/Edit.h"

namespace nx {

class TfrmInput : public gui::DialogForm {
public:
  TfrmInput();

  std::unique_ptr<gui::Label> Label1, Label2;
  std::unique_ptr<gui::Edit> edInput;
  std::unique_ptr<gui::Button> btnOk, btnCancel;

private:
  void FormActivate() override;
};

// The edited text after "OK"; the initial text unchanged after "Cancel" or
// closing.
std::string InputValue(const std::string& initial);

}  // namespace nx
