// Shows one of the program's dialogs with sample texts, so that a screenshot
// can show how its texts fit:
//   nx_dialog_preview.exe notice|question|longmessage|confirm|confirmkey|input|info|multiselect [English|Swedish]
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "app/uConfirmDelete.h"
#include "app/uInfo.h"
#include "app/uInput.h"
#include "app/uMsgFrm.h"
#include "app/uMultiSelect.h"
#include "core/Texts.h"
#include "tests/preview/PreviewStart.h"
#include "win32/LanguageModule.h"
#include "win32/WideText.h"

namespace {

using namespace nx;

void ShowDialog(const std::string& name) {
  if (name == "notice") {
    ShowNotice("The temporary files were deleted successfully!");
  } else if (name == "question") {
    AskYesNo("Delete?", "Are you sure you want to delete the selected temporary files?");
  } else if (name == "longmessage") {
    std::string text;
    for (int i = 1; i <= 12; ++i) text += "Line " + std::to_string(i) + " of a message far too long for the box. ";
    ShowMsg("Continue?", text, Text(Str::DialogYes), Text(Str::DialogNo), true, true);
  } else if (name == "confirm" || name == "confirmkey") {
    TfrmConfirmDelete form;
    form.Clear();
    bool key = name == "confirmkey";
    form.SetFolder(key ? "HKEY_CURRENT_USER\\Software\\Old Program" : "C:\\Program Files\\Old Program");
    for (int i = 1; i <= 14; ++i)
      form.AddItem(key ? "HKEY_CURRENT_USER\\Software\\Old Program\\Value" + std::to_string(i)
                       : "C:\\Program Files\\Old Program\\data\\file" + std::to_string(i) + ".dat");
    if (key) form.UseKeyTexts();
    form.Confirm();
  } else if (name == "input") {
    InputValue("C:\\Program Files\\Old Program\\program.exe");
  } else if (name == "info") {
    TfrmInformation form;
    std::string text = "\r\nMultiselect checks or unchecks every row whose caption matches the text.";
    for (int i = 1; i <= 6; ++i) text += "\r\n\r\nParagraph " + std::to_string(i) + " of a help text that scrolls.";
    form.ShowInformation("Information about multiselect", text);
  } else if (name == "multiselect") {
    TfrmMultiSelect form;
    form.edMask->SetText("*.tmp");
    form.ShowModal();
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ResourceTexts texts;
  std::string window = StartPreview(texts);
  ShowDialog(window);
  return 0;
}
