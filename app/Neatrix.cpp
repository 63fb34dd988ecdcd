// Entry of Neatrix.exe: language, forms, message loop.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "app/NxMain.h"
#include "app/SessionForms.h"
#include "app/logic/StartupRules.h"
#include "cleaners/files/TempFileSection.h"
#include "core/Texts.h"
#include "win32/CommandLine.h"
#include "win32/LanguageModule.h"
#include "win32/SystemFolders.h"
#include "win32/UserLocale.h"
#include "win32/WideText.h"
#include "win32/Win32FileFind.h"
#include "win32/Win32FileRemoval.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"
#include "wingui/Application.h"

namespace {

// nullopt when the settings key does not open.
std::optional<std::string> StoredLanguage(nx::Registry& registry) {
  auto key = registry.OpenKey(nx::RootKey::CurrentUser, nx::kSettingsKey, false);
  if (!key) return std::nullopt;
  return key->ReadString("Language").value_or("");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace nx;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  ResourceTexts texts;
  SetTextSource(&texts);
  Win32Registry registry;
  std::optional<std::string> language = StoredLanguage(registry);
  if (HMODULE module = LoadLanguageModule(LanguageModuleLocale(language), ProgramPath())) texts.UseModule(module);
  gui::SetApplicationTitle(Text(Str::AppTitle));

  Win32FileSystem files;
  Win32AnsiCodec codec;
  SystemClock clock;
  MainContext context{registry, files, codec, clock, ReadUserLocaleFormats(), ProgramFolder(), CommandLineArguments()};
  Win32FileFinder finder;
  Win32FileRemoval removal;
  FileSectionTools fileTools{finder, removal, TempDir(), context.formats};

  std::unique_ptr<TfrmMain> main;
  try {
    main = std::make_unique<TfrmMain>(context);
    main->SetCaption(Text(Str::CaptionPrefix) + VersionText(kProgramVersion));
  } catch (...) {
    MessageBoxW(nullptr, Widen(Text(Str::ErrorCreatingMainWindow)).c_str(), Widen(Text(Str::AppTitle)).c_str(), MB_OK);
    gui::Terminate();
  }
  SessionForms forms;
  if (main) {
    main->UseSessionForms(forms);
    // The advanced settings window comes with its own work; an empty form
    // holds its place.
    main->openAdvancedSettings = [](AdvancedPage) { SessionForm(Text(Str::FormAdvancedSettings)).ShowModal(); };
    main->SetOperations(SectionCode::TF, TempFileOperations(fileTools));
    main->CurrentLanguage = CurrentLanguageFrom(language);
    if (!gui::Terminated()) main->Show();
  }
  return gui::RunMessageLoop();
}
