#include "core/FormatSize.h"

#include <algorithm>
#include <iterator>

#include "core/Texts.h"

namespace nx {

std::string FormatSize(std::int64_t bytes) {
  static constexpr Str kUnits[] = {Str::UnitByte, Str::UnitKb, Str::UnitMb, Str::UnitGb, Str::UnitTb};
  constexpr size_t kLargest = std::size(kUnits) - 1;

  std::string digits = std::to_string(bytes);
  if (bytes < 0) return digits + " " + Text(Str::UnitByte);

  size_t unit = std::min((digits.size() - 1) / 3, kLargest);
  size_t leading = digits.size() - 3 * unit;
  std::string out = digits.substr(0, leading);
  if (unit > 0 && leading < 3) out += "," + digits.substr(leading, 2);
  return out + " " + Text(kUnits[unit]);
}

}  // namespace nx
