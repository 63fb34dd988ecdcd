#include "win32/Win32FileFind.h"

#include <windows.h>

#include "win32/LongPath.h"
#include "win32/WideText.h"

namespace nx {
namespace {

std::uint32_t LastWrite(const FILETIME& utc) {
  FILETIME local;
  SYSTEMTIME civil;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &civil)) return 0;
  return PackDosDateTime({civil.wYear, civil.wMonth, civil.wDay, civil.wHour, civil.wMinute, civil.wSecond, 0});
}

class Win32FindSearch : public FindSearch {
public:
  Win32FindSearch(std::string_view pattern, std::uint32_t filter) : filter_(filter) {
    // Basic info skips the short names, which nothing here uses.
    handle_ = FindFirstFileExW(LongPathForm(pattern).c_str(), FindExInfoBasic, &data_, FindExSearchNameMatch, nullptr,
                               FIND_FIRST_EX_LARGE_FETCH);
    pending_ = handle_ != INVALID_HANDLE_VALUE;
  }
  ~Win32FindSearch() override {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  Win32FindSearch(const Win32FindSearch&) = delete;
  Win32FindSearch& operator=(const Win32FindSearch&) = delete;

  bool Next(FindEntry& entry) override {
    while (pending_ || (handle_ != INVALID_HANDLE_VALUE && FindNextFileW(handle_, &data_))) {
      pending_ = false;
      if (!PassesFilter(data_.dwFileAttributes, filter_)) continue;
      entry.name = Narrow(data_.cFileName);
      entry.attributes = data_.dwFileAttributes;
      entry.size = (static_cast<std::uint64_t>(data_.nFileSizeHigh) << 32) | data_.nFileSizeLow;
      entry.lastWrite = LastWrite(data_.ftLastWriteTime);
      return true;
    }
    return false;
  }

private:
  HANDLE handle_;
  WIN32_FIND_DATAW data_;
  std::uint32_t filter_;
  bool pending_;
};

}  // namespace

std::unique_ptr<FindSearch> Win32FileFinder::FindFirst(std::string_view pattern, std::uint32_t filter) {
  return std::make_unique<Win32FindSearch>(pattern, filter);
}

}  // namespace nx
