#pragma once
// The lines of the details box under the result list, by summary kind.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/logic/ResultRows.h"
#include "app/logic/SectionCode.h"
#include "app/logic/SectionResults.h"

namespace nx {

struct CheckedCount {
  int count = 0;
  std::int64_t sum = 0;  // -1 for good once a summed text is not an integer
};

// Checked rows, children included; with `summing`, their texts of `column`
// (0 = caption) added up as 64-bit integers.
CheckedCount CountChecked(const ResultRows& rows, std::size_t column, bool summing);
// "DF": the checked copies, each adding the "Size" of its group.
CheckedCount CountCheckedGroupSize(const ResultRows& rows);

// Which other browsers' caches the cache section looks at ("NS6xCache",
// "NS4xCache", "OP6xCache").
struct CacheSwitches {
  bool netscape6 = false, netscape4 = false, opera6 = false;
};

struct SummarySources {
  const ResultRows& rows;
  const SectionResults& results;
  CacheSwitches cache{};
  // The second line of a loaded snapshot file, its bracketed creation time;
  // asked only by kinds 11 and 12.
  std::function<std::string(const std::string& path)> snapshotStamp{};
};

// Kinds: 0 none, 1 "SC", 2 "TF", 3 "RB", 4 "CA", 5 "CO", 6 none ("HI"
// before its rows exist), 7 "FA", 8 "UE", 9 "AS", 10 "DF", 11 "DS", 12 "RS",
// 13 "KW".
int SummaryKindFor(SectionCode code);
std::vector<std::string> SummaryLines(int kind, const SummarySources& sources);

}  // namespace nx
