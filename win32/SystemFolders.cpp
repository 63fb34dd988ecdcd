#include "win32/SystemFolders.h"

#include <windows.h>

#include "win32/WideText.h"

namespace nx {
namespace {

// A length of 0 is a failure, one beyond the buffer a folder that did not fit.
template <typename Query>
std::string AskFolder(Query query) {
  wchar_t buffer[MAX_PATH];
  UINT length = static_cast<UINT>(query(buffer, MAX_PATH));
  if (length == 0 || length >= MAX_PATH) return {};
  return Narrow(std::wstring_view(buffer, length));
}

}  // namespace

std::string TempDir() {
  return AskFolder([](wchar_t* buffer, UINT size) { return GetTempPathW(size, buffer); });
}

std::string WindowsDir() {
  return AskFolder([](wchar_t* buffer, UINT size) { return GetWindowsDirectoryW(buffer, size); });
}

std::string SystemDir() {
  return AskFolder([](wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); });
}

}  // namespace nx
