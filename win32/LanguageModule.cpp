#include "win32/LanguageModule.h"

#include "app/logic/StartupRules.h"
#include "win32/UserLocale.h"
#include "win32/WideText.h"

namespace nx {
namespace {

std::string ModuleText(HMODULE module, Str id) {
  const wchar_t* text = nullptr;
  int length = LoadStringW(module, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 ? Narrow(std::wstring_view(text, static_cast<size_t>(length))) : std::string();
}

}  // namespace

std::string ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

std::string ProgramFolder() {
  std::string path = ProgramPath();
  return path.substr(0, path.find_last_of('\\') + 1);
}

HMODULE LoadLanguageModule(int localeId, const std::string& programPath) {
  for (const std::string& candidate : LanguageModuleCandidates(programPath, AbbreviatedLanguageName(localeId))) {
    if (HMODULE module = LoadLibraryExW(Widen(candidate).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) return module;
  }
  return nullptr;
}

ResourceTexts::ResourceTexts() : image_(GetModuleHandleW(nullptr)), current_(image_) {}

ResourceTexts::~ResourceTexts() {
  UseModule(image_);
}

void ResourceTexts::UseModule(HMODULE module) {
  if (current_ != image_ && current_ != module) FreeLibrary(current_);
  current_ = module;
}

std::string ResourceTexts::Get(Str id) const {
  std::string text = ModuleText(current_, id);
  if (text.empty() && current_ != image_) text = ModuleText(image_, id);
  return text;
}

}  // namespace nx
