#pragma once
// TfrmDeleteFileDialog: the question the deletion engine asks before it
// removes a read-only file.
#include <array>
#include <memory>

#include "app/logic/SectionHost.h"
#include "wingui/DialogForm.h"

namespace nx {

class TfrmDeleteFileDialog : public gui::DialogForm {
public:
  TfrmDeleteFileDialog();

  // The last answer; None after Reset.
  ReadOnlyAnswer Tag = ReadOnlyAnswer::None;

  // Forgets the answer, captions the window "Delete?" and makes "Yes" the
  // default button: the start of every Delete action.
  void Reset();
  // Shows message and waits. Closing the window without a button counts as
  // "No", so nothing is removed that the user did not agree to.
  ReadOnlyAnswer Ask(const std::string& message);

  std::unique_ptr<gui::Label> lblDeleteMsg;
  std::unique_ptr<gui::Button> btnYes, btnNo, btnYesToAll, btnNoToAll;

private:
  void FitMessage(const std::string& message);
};

}  // namespace nx
