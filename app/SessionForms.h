#pragma once
// The forms that live for the whole session besides the main window, created
// at start-up in a fixed order.
#include <memory>

#include "app/uConfirmDelete.h"
#include "app/uDeletefileDialog.h"
#include "app/uInfo.h"
#include "app/uMultiSelect.h"
#include "wingui/Form.h"

namespace nx {

class SessionForm : public gui::Form {
public:
  explicit SessionForm(const std::string& caption);
};

struct SessionForms {
  SessionForms();
  std::unique_ptr<TfrmConfirmDelete> frmConfirmDelete;
  std::unique_ptr<TfrmInformation> frmInformation;
  std::unique_ptr<TfrmDeleteFileDialog> frmDeleteFileDialog;
  std::unique_ptr<TfrmMultiSelect> frmMultiSelect;
  std::unique_ptr<SessionForm> frmViewer, frmPluginEditor;
};

}  // namespace nx
