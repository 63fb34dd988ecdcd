#include "win32/Win32FileRemoval.h"

#include <shellapi.h>

#include "core/Texts.h"
#include "win32/LongPath.h"
#include "win32/WideText.h"

namespace nx {

std::optional<std::uint32_t> Win32FileRemoval::Attributes(std::string_view path) {
  DWORD attributes = GetFileAttributesW(LongPathForm(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

bool Win32FileRemoval::SetAttributes(std::string_view path, std::uint32_t attributes) {
  return SetFileAttributesW(LongPathForm(path).c_str(), attributes) != 0;
}

bool Win32FileRemoval::RemoveFile(std::string_view path) {
  return DeleteFileW(LongPathForm(path).c_str()) != 0;
}

bool Win32FileRemoval::RemoveFolder(std::string_view path) {
  return RemoveDirectoryW(LongPathForm(path).c_str()) != 0;
}

bool Win32FileRemoval::MoveToRecycleBin(std::string_view path) {
  return nx::MoveToRecycleBin(path);
}

bool MoveToRecycleBin(std::string_view path) {
  // A list of one path, ended by an empty entry.
  std::wstring from = Widen(path);
  from.push_back(L'\0');
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT;
  return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

void EmptyRecycleBin(HWND owner) {
  HMODULE shell = LoadLibraryW(L"Shell32.dll");
  if (!shell) {
    MessageBoxW(owner, Widen(Text(Str::Shell32NotLoaded)).c_str(), Widen(Text(Str::AppTitle)).c_str(),
                MB_OK | MB_ICONERROR);
    return;
  }
  using EmptyBin = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);
  if (auto empty = reinterpret_cast<EmptyBin>(reinterpret_cast<void*>(GetProcAddress(shell, "SHEmptyRecycleBinA"))))
    empty(owner, nullptr, SHERB_NOCONFIRMATION | SHERB_NOSOUND);
  FreeLibrary(shell);
}

}  // namespace nx
