#pragma once
// Find-first/find-next over one folder, as the folder walks need it. Paths are
// Windows paths in UTF-8.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/DateTime.h"

namespace nx {

// The platform's attribute bits, so the walks' filters read as they do on
// Windows and a fake can carry any mix of them.
inline constexpr std::uint32_t kAttrReadOnly = 0x1;
inline constexpr std::uint32_t kAttrHidden = 0x2;
inline constexpr std::uint32_t kAttrSystem = 0x4;
inline constexpr std::uint32_t kAttrVolumeLabel = 0x8;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrArchive = 0x20;
inline constexpr std::uint32_t kAttrReparsePoint = 0x400;
inline constexpr std::uint32_t kAttrAny = 0x3F;

// The filter of the platform's find-first: ordinary, read-only and archive
// entries always pass; hidden, system, volume-label and directory entries pass
// only when the filter names each of those bits they carry.
constexpr bool PassesFilter(std::uint32_t attributes, std::uint32_t filter) {
  constexpr std::uint32_t kFiltered = kAttrHidden | kAttrSystem | kAttrVolumeLabel | kAttrDirectory;
  return (attributes & kFiltered & ~filter) == 0;
}

// Local time packed as file systems of old kept it: the date in the high 16
// bits (years since 1980, month, day), the time in the low 16 bits (hour,
// minute, seconds halved). 0 for a year outside 1980-2107, which cannot be
// packed.
std::uint32_t PackDosDateTime(const CivilTime& local);
// nullopt for a packed value that names no valid day or time, 0 included.
std::optional<CivilTime> UnpackDosDateTime(std::uint32_t packed);

struct FindEntry {
  std::string name;  // without its folder
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
  std::uint32_t lastWrite = 0;  // PackDosDateTime
};

// One open listing; closed when destroyed.
class FindSearch {
public:
  virtual ~FindSearch() = default;
  // The next entry in the order the file system returns them; false at the end.
  virtual bool Next(FindEntry& entry) = 0;
};

class FileFinder {
public:
  virtual ~FileFinder() = default;
  // Lists the entries that match the wildcard part after the last "\" and pass
  // the attribute filter. A folder that cannot be listed yields nothing.
  virtual std::unique_ptr<FindSearch> FindFirst(std::string_view pattern, std::uint32_t filter) = 0;
};

// The size of the file at path, 0 when nothing is found there.
std::uint64_t QueryFileSize(FileFinder& finder, std::string_view path);

}  // namespace nx
