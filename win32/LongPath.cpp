#include "win32/LongPath.h"

#include <windows.h>

#include "win32/WideText.h"

namespace nx {

std::wstring LongPathForm(std::string_view path) {
  std::wstring wide = Widen(path);
  if (wide.size() < MAX_PATH || wide.starts_with(L"\\\\?\\")) return wide;
  if (wide.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + wide.substr(2);
  if (wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\') return L"\\\\?\\" + wide;
  return wide;
}

}  // namespace nx
