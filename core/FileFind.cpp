#include "core/FileFind.h"

namespace nx {

std::uint32_t PackDosDateTime(const CivilTime& local) {
  if (local.year < 1980 || local.year > 2107) return 0;
  std::uint32_t date = (static_cast<std::uint32_t>(local.year - 1980) << 9) | (local.month << 5) | local.day;
  std::uint32_t time = (local.hour << 11) | (local.minute << 5) | (local.second / 2);
  return (date << 16) | time;
}

std::optional<CivilTime> UnpackDosDateTime(std::uint32_t packed) {
  std::uint32_t date = packed >> 16, time = packed & 0xFFFF;
  CivilTime civil{static_cast<int>(date >> 9) + 1980,
                  static_cast<int>((date >> 5) & 0xF),
                  static_cast<int>(date & 0x1F),
                  static_cast<int>(time >> 11),
                  static_cast<int>((time >> 5) & 0x3F),
                  static_cast<int>(time & 0x1F) * 2,
                  0};
  if (!IsValidCivil(civil)) return std::nullopt;
  return civil;
}

std::uint64_t QueryFileSize(FileFinder& finder, std::string_view path) {
  FindEntry entry;
  return finder.FindFirst(path, kAttrAny)->Next(entry) ? entry.size : 0;
}

}  // namespace nx
