#include "win32/Win32FileSystem.h"

#include <windows.h>

#include "core/TextUtil.h"
#include "win32/WideText.h"

namespace nx {

bool Win32FileSystem::DirectoryExists(std::string_view path) {
  DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::FileExists(std::string_view path) {
  DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::MakeDirectory(std::string_view path) {
  return CreateDirectoryW(Widen(path).c_str(), nullptr) != 0;
}

bool Win32FileSystem::AppendToFile(std::string_view path, std::string_view bytes) {
  // Others may read and even write while we append; we never wait for them.
  HANDLE file = CreateFileW(Widen(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ok = CloseHandle(file) && ok;
  return ok && written == bytes.size();
}

std::string Win32AnsiCodec::ToAnsi(std::string_view utf8) const {
  std::wstring wide = Widen(utf8);
  std::string out;
  out.reserve(wide.size());
  char buffer[8];
  for (size_t i = 0; i < wide.size(); ++i) {
    size_t units = IS_HIGH_SURROGATE(wide[i]) && i + 1 < wide.size() && IS_LOW_SURROGATE(wide[i + 1]) ? 2 : 1;
    BOOL lossy = FALSE;
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data() + i, static_cast<int>(units), buffer,
                                     sizeof buffer, nullptr, &lossy);
    if (length > 0 && !lossy) {
      out.append(buffer, static_cast<size_t>(length));
    } else {
      char32_t cp = units == 2 ? 0x10000 + ((wide[i] - 0xD800) << 10) + (wide[i + 1] - 0xDC00) : wide[i];
      out += CodePointMarker(cp);
    }
    i += units - 1;
  }
  return out;
}

DateTime SystemClock::Now() const {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return ToDateTime({now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds});
}

}  // namespace nx
