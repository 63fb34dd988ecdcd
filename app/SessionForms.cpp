#include "app/SessionForms.h"

#include "core/Texts.h"

namespace nx {

SessionForm::SessionForm(const std::string& caption) : Form(caption, {CW_USEDEFAULT, CW_USEDEFAULT, 480, 360}) {}

SessionForms::SessionForms() {
  frmConfirmDelete = std::make_unique<TfrmConfirmDelete>();
  frmInformation = std::make_unique<TfrmInformation>();
  frmDeleteFileDialog = std::make_unique<TfrmDeleteFileDialog>();
  frmMultiSelect = std::make_unique<TfrmMultiSelect>();
  try {
    frmViewer = std::make_unique<SessionForm>(Text(Str::FormViewer));
  } catch (...) {
    // The program runs on without its viewer.
  }
  frmPluginEditor = std::make_unique<SessionForm>(Text(Str::FormPluginEditor));
}

}  // namespace nx
