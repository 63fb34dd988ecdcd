#include "win32/Win32FileFind.h"

#include <windows.h>

#include "win32/LongPath.h"
#include "win32/WideText.h"

namespace nx {
namespace {

// FileTimeToLocalFileTime applies the zone's bias of the present moment to
// every time, whatever its date; asked once per listing, it costs nothing per
// file.
LONGLONG CurrentLocalBias() {
  FILETIME utc{0, 0x01D00000}, local;
  if (!FileTimeToLocalFileTime(&utc, &local)) return 0;
  auto ticks = [](const FILETIME& time) {
    return static_cast<LONGLONG>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
  };
  return ticks(local) - ticks(utc);
}

std::uint32_t LastWrite(const FILETIME& utc, LONGLONG bias) {
  ULONGLONG ticks = ((static_cast<ULONGLONG>(utc.dwHighDateTime) << 32) | utc.dwLowDateTime) + bias;
  return PackDosDateTime(CivilFromFileTicks(ticks));
}

class Win32FindSearch : public FindSearch {
public:
  Win32FindSearch(std::string_view pattern, std::uint32_t filter) : filter_(filter), bias_(CurrentLocalBias()) {
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
      entry.lastWrite = LastWrite(data_.ftLastWriteTime, bias_);
      return true;
    }
    return false;
  }

private:
  HANDLE handle_;
  WIN32_FIND_DATAW data_;
  std::uint32_t filter_;
  LONGLONG bias_;
  bool pending_;
};

}  // namespace

std::unique_ptr<FindSearch> Win32FileFinder::FindFirst(std::string_view pattern, std::uint32_t filter) {
  return std::make_unique<Win32FindSearch>(pattern, filter);
}

}  // namespace nx
