#include "core/FileFind.h"

namespace nx {

std::uint32_t PackDosDateTime(const CivilTime& local) {
  if (local.year < 1980 || local.year > 2107) return 0;
  std::uint32_t date = (static_cast<std::uint32_t>(local.year - 1980) << 9) | (local.month << 5) | local.day;
  std::uint32_t time = (local.hour << 11) | (local.minute << 5) | (local.second / 2);
  return (date << 16) | time;
}

std::uint64_t QueryFileSize(FileFinder& finder, std::string_view path) {
  FindEntry entry;
  return finder.FindFirst(path, kAttrAny)->Next(entry) ? entry.size : 0;
}

}  // namespace nx
