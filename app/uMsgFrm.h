#pragma once
// TfrmMsg and ShowMsg: the program's own message box, through which every
// notice and yes/no question goes.
#include <memory>

#include "wingui/DialogForm.h"
#include "wingui/PictureBackground.h"

namespace nx {

class TfrmMsg : public gui::DialogForm {
  // Declared first so that it outlives the controls drawn on it.
  gui::PictureBackground background_;

public:
  TfrmMsg();

  // The answer: 0 until a button is pressed, 1 for but1, 2 for btn2.
  int Tag = 0;

  std::unique_ptr<gui::Label> lblMsg;
  std::unique_ptr<gui::Button> but1, btn2;

private:
  void FormActivate() override;
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// 1 after the left button, 2 after the right one, 0 when the box was closed
// another way (Escape).
int ShowMsg(const std::string& caption, const std::string& text, const std::string& leftCaption,
            const std::string& rightCaption, bool showLeft, bool showRight);

// A notice: caption "Message" and a single "OK".
void ShowNotice(const std::string& text);
// A question with "Yes" (1) and "No" (2); 0 when closed without either.
int AskYesNo(const std::string& caption, const std::string& text);

}  // namespace nx
