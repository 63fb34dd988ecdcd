#pragma once
// TfrmConfirmDelete: lists what else must go before a folder or a registry
// key can be deleted. It lives for the whole session and keeps its last
// contents; callers follow ConfirmDeletion: Clear, SetFolder, AddItem for
// each item, optionally other label texts, then Confirm.
#include <memory>

#include "wingui/DialogForm.h"
#include "wingui/Font.h"
#include "wingui/ListBox.h"

namespace nx {

class TfrmConfirmDelete : public gui::DialogForm {
  gui::OwnedFont boldFont_;  // declared first so that it outlives lblFoldername

public:
  TfrmConfirmDelete();

  // The answer: 1 = OK, 0 = Cancel or closed.
  int Tag = 0;

  std::unique_ptr<gui::Label> Label1, lblFoldername, Label2, Label3;
  std::unique_ptr<gui::ListBox> lbConfirm;
  std::unique_ptr<gui::Button> btnCancel, btnOK;

  void Clear();
  void SetFolder(const std::string& name);
  // An item equal to one already listed (letter case included) is not listed again.
  void AddItem(const std::string& item);
  void SetLabelTexts(const std::string& intro, const std::string& contents, const std::string& choice);
  // The label texts for a registry key instead of a folder.
  void UseKeyTexts();
  // Shows the window modally; true when OK was pressed.
  bool Confirm();

private:
  void Relayout();
  void FormActivate() override;
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace nx
