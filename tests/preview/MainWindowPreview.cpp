// Shows the main window with sample findings in one section, so that a
// screenshot can show how it looks:
//   nx_main_preview.exe about|TF|DF|CO|AS|KW [English|Swedish]
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "app/NxMain.h"
#include "app/SessionForms.h"
#include "core/Texts.h"
#include "tests/preview/PreviewStart.h"
#include "win32/LanguageModule.h"
#include "win32/UserLocale.h"
#include "win32/WideText.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"
#include "wingui/Application.h"

namespace {

using namespace nx;

void Fill(SectionResults& results) {
  results.tf.paths = {"C:\\Windows\\Temp\\setup.log", "C:\\Users\\anna\\report.doc.bak", "D:\\Work\\draft.tmp",
                      "D:\\Work\\old\\notes.old"};
  results.tf.sizes = {"12345", "987654", "512", "1234567"};
  results.tf.dates = {"2004-05-12", "2004-04-01", "2004-05-10", "2003-12-24"};
  results.tf.checks = {"1", "0", "1", "0"};
  results.tf.totalSize = "2235078";
  results.df.groups = {"0;report.doc", "1;photo.jpg"};
  results.df.fileCounts = {"2", "3"};
  results.df.sizes = {"24576", "1048576"};
  results.df.totalSizes = {"49152", "3145728"};
  results.df.dates = {"2004-05-12", "2004-01-02"};
  results.df.files = {"0;C:\\Docs\\", "0;D:\\Copy\\", "1;C:\\Pictures\\", "1;D:\\Backup\\", "1;E:\\Old\\"};
  results.df.duplicatesSize = "2121728";
  results.df.allFilesSize = "3194880";
  results.co.captions = {"anna@example.org", "anna@news.example.com", "anna@shop.example.net"};
  results.co.sizes = {"120", "4096", "380"};
  results.co.dates = {"2004-05-01", "2004-05-11", "2004-03-30"};
  results.co.urls = {"Cookie:anna@example.org/", "Cookie:anna@news.example.com/", "Cookie:anna@shop.example.net/"};
  results.co.expires = {"2005-05-01", "2004-06-11", "2004-04-30"};
  results.co.checks = {"0", "1", "0"};
  results.co.totalSize = "4596";
  results.as.names = {"Updater", "Messenger", "Old helper"};
  results.as.types = {"HKLM Run", "HKCU Run", "Startup folder"};
  results.as.values = {"C:\\Program Files\\Updater\\update.exe /q", "C:\\Messenger\\msg.exe -tray",
                       "C:\\Old\\helper.exe"};
  results.as.icons = {"14", "14", "16"};
  results.as.checks = {"0", "0", "1"};
  results.kw.types = {Text(Str::KindFolderName), Text(Str::KindFileName), Text(Str::KindFileName),
                      Text(Str::KindRegistryKey), Text(Str::KindRegistryData)};
  results.kw.values = {"C:\\Temp", "C:\\Temp\\a.txt", "C:\\Temp2\\b.txt", "HKEY_CURRENT_USER\\Software\\Temp",
                       "HKEY_CURRENT_USER\\Software\\Tools ---> Path ---> C:\\Temp"};
  results.kw.checks = {"1", "1", "1", "0", "0"};
  results.kw.filesAndFolders = "3";
  results.kw.registryEntries = "2";
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ResourceTexts texts;
  std::string window = StartPreview(texts);

  Win32Registry registry;
  Win32FileSystem files;
  Win32AnsiCodec codec;
  SystemClock clock;
  MainContext context{registry, files, codec, clock, ReadUserLocaleFormats(), ProgramFolder(), {}};
  TfrmMain main(context);
  main.SetCaption(Text(Str::CaptionPrefix) + "2.5.1.2");
  SessionForms forms;
  main.UseSessionForms(forms);
  main.Show();
  Fill(main.Results());
  const std::string& section = window;
  for (SectionCode code : kAllSections) {
    if (CodeText(code) != section) continue;
    main.ToggleGroup(Traits(code).group);
    main.ChooseSection(code);
    if (code == SectionCode::DF) main.ExpandRows(ExpandCommand::ExpandAll);
  }
  return gui::RunMessageLoop();
}
