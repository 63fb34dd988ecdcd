// The busy state, Stop and what section operations get from the window.
#include "app/NxMain.h"
#include "app/SessionForms.h"
#include "app/uInput.h"
#include "app/uMsgFrm.h"
#include "core/Texts.h"
#include "wingui/Application.h"

namespace nx {

void TfrmMain::SetIdle(bool idle) {
  idle_ = idle;
  gui::SetBusyCursor(!idle);
  tbtnStop().SetEnabled(!idle);
  for (gui::GradientButton* button : {&tbtnMainExit(), &tbtnFullScan(), &tbtnSettings(), &tbtnInformation()})
    button->SetEnabled(idle);
  for (auto& button : sectionButtons_) button->SetEnabled(idle);
  lblplugin->SetEnabled(idle);
  for (auto& button : btnAction) button->SetEnabled(idle);
  SetStatus(0, "");
  SetStatus(1, "");
}

void TfrmMain::SetStopEnabled(bool enabled) {
  tbtnStop().SetEnabled(enabled);
}

void TfrmMain::StopClick() {
  if (idle_) return;
  int answer =
      ShowMsg(Text(Str::StopCaption), Text(Str::StopQuestion), Text(Str::DialogYes), Text(Str::DialogNo), true, true);
  // Only "No" lets the operation go on; closing the question stops it too.
  stopFlag_ = answer != 2;
  if (stopFlag_) fullScanRunning_ = false;
}

void TfrmMain::SetStatus(int panel, const std::string& text) {
  sbMain->SetPanelText(panel, text);
}

void TfrmMain::ProcessMessages() {
  gui::ProcessMessages();
}

void TfrmMain::RunOperation(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const std::exception& error) {
    // The window goes back to idle; the user learns what went wrong.
    SetIdle(true);
    gui::SetBusyCursor(false);
    ShowMsg(Text(Str::MessageCaption), error.what(), "", Text(Str::DialogOk), false, true);
  }
}

}  // namespace nx

namespace nx {

int TfrmMain::ShowMsg(const std::string& caption, const std::string& text, const std::string& leftCaption,
                      const std::string& rightCaption, bool showLeft, bool showRight) {
  return nx::ShowMsg(caption, text, leftCaption, rightCaption, showLeft, showRight);
}

std::string TfrmMain::InputValue(const std::string& initial) {
  return nx::InputValue(initial);
}

void TfrmMain::ResetReadOnlyAnswer() {
  if (sessionForms_) sessionForms_->frmDeleteFileDialog->Reset();
}

ReadOnlyAnswer TfrmMain::LastReadOnlyAnswer() const {
  return sessionForms_ ? sessionForms_->frmDeleteFileDialog->Tag : ReadOnlyAnswer::None;
}

// Without the dialog nobody can agree, so the file stays.
ReadOnlyAnswer TfrmMain::AskReadOnly(const std::string& message) {
  return sessionForms_ ? sessionForms_->frmDeleteFileDialog->Ask(message) : ReadOnlyAnswer::No;
}

bool TfrmMain::ConfirmDeletion(const std::string& folderOrKey, const std::vector<std::string>& items,
                               bool registryTexts) {
  if (!sessionForms_) return false;
  TfrmConfirmDelete& confirm = *sessionForms_->frmConfirmDelete;
  confirm.Clear();
  confirm.SetFolder(folderOrKey);
  for (const std::string& item : items) confirm.AddItem(item);
  if (registryTexts) confirm.UseKeyTexts();
  return confirm.Confirm();
}

}  // namespace nx
