#pragma once
// The size text of every summary, message and log line.
#include <cstdint>
#include <string>

namespace nx {

// Units of 1000 counted by decimal digits, cut off and never rounded:
// 512 byte, 1,23 Kb, 12,34 Kb, 123 Kb, 1,23 Mb ... up to Tb, where every
// digit before the last twelve stays. The comma does not follow the locale.
// A negative count (-1: a sum that could not be formed) reads "-1 byte".
std::string FormatSize(std::int64_t bytes);

}  // namespace nx
