#pragma once
// A small dialog window: its frame, its size, and the dialog keys. Escape
// closes it; Enter presses the focused button, else the default one.
#include "wingui/Form.h"

namespace nx::gui {

enum class DialogFrame {
  Fixed,              // caption with close box, not resizable
  FixedNoSystemMenu,  // caption only: it closes through its buttons
  Tool,               // small caption with close box, not resizable
  ToolNoSystemMenu,   // small caption only
  SizeableTool,
};

class DialogForm : public Form {
protected:
  DialogForm(const std::string& caption, DialogFrame frame);
  void SetClientSize(int width, int height);
  // The button Enter presses when no button has the focus.
  void SetDefaultButton(Button& button);

  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  Button* defaultButton_ = nullptr;
};

}  // namespace nx::gui
