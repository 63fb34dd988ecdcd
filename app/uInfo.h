#pragma once
// TfrmInformation: shows a help text. It lives for the whole session and is
// filled anew for each use.
#include <memory>

#include "wingui/DialogForm.h"
#include "wingui/Memo.h"
#include "wingui/PaintBox.h"

namespace nx {

class TfrmInformation : public gui::DialogForm {
public:
  TfrmInformation();

  std::unique_ptr<gui::Memo> memInfo;
  std::unique_ptr<gui::PaintBox> pnlBottom;
  std::unique_ptr<gui::Button> btnClose;

  // Sets the caption and the text, then shows the window modally.
  void ShowInformation(const std::string& caption, const std::string& text);

private:
  void FormActivate() override;
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace nx
