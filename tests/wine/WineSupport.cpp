#include "tests/wine/WineSupport.h"

#include <windows.h>

#include <filesystem>

#include "win32/WideText.h"

namespace nx::test {

std::string ProgramsFolder() {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  return Narrow((std::filesystem::path(exe).parent_path().parent_path() / L"bin").wstring()) + "\\";
}

}  // namespace nx::test
