#pragma once
// The forms that live for the whole session besides the main window, created
// at start-up in a fixed order.
#include <memory>

#include "wingui/Form.h"

namespace nx {

class SessionForm : public gui::Form {
public:
  explicit SessionForm(const std::string& caption);
};

struct SessionForms {
  SessionForms();
  std::unique_ptr<SessionForm> frmConfirmDelete, frmInformation, frmDeleteFileDialog, frmMultiSelect, frmViewer,
      frmPluginEditor;
};

}  // namespace nx
