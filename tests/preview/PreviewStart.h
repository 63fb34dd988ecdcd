#pragma once
// What every preview program does first: common controls, and the texts of
// the language named by its second argument. Returns the first argument.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "win32/CommandLine.h"
#include "win32/LanguageModule.h"
#include "win32/WideText.h"

namespace nx {

inline std::string StartPreview(ResourceTexts& texts) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  SetTextSource(&texts);
  std::vector<std::string> args = CommandLineArguments();
  args.resize(2);  // window, language
  std::string module = ProgramFolder() + (args[1] == "Swedish" ? "Neatrix.sve" : "Neatrix.enu");
  texts.UseModule(LoadLibraryExW(Widen(module).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  return args[0];
}

}  // namespace nx
