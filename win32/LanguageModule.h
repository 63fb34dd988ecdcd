#pragma once
// Language modules: resource-only files beside the program whose string
// tables replace the program's own.
#include <windows.h>

#include <string>

#include "core/Texts.h"

namespace nx {

std::string ProgramPath();
// The program's folder with its trailing "\".
std::string ProgramFolder();

// Loads the module for the locale (see LanguageModuleCandidates) as a data
// file; nullptr when there is none. programPath names the program the module
// lies beside.
HMODULE LoadLanguageModule(int localeId, const std::string& programPath);

// The texts of the program's current resource module: its own image until a
// language module takes over. A text the module lacks comes from the image.
class ResourceTexts : public TextSource {
public:
  ResourceTexts();
  ~ResourceTexts() override;
  ResourceTexts(const ResourceTexts&) = delete;
  ResourceTexts& operator=(const ResourceTexts&) = delete;

  // Takes ownership of the module; frees the previous one unless it is the image.
  void UseModule(HMODULE module);
  std::string Get(Str id) const override;

private:
  HMODULE image_;
  HMODULE current_;
};

}  // namespace nx
