#pragma once
// Sorting the result list by a clicked column header. There is only the
// ascending order: a second click on the same header sorts the same way.
#include <cstddef>

#include "app/logic/ResultRows.h"
#include "app/logic/SectionCode.h"
#include "app/logic/SectionResults.h"

namespace nx {

// Negative, zero or positive as a sorts before, with or after b by column
// (0 = caption). Two 64-bit integers compare as numbers, anything else as
// text without regard to case.
int CompareRows(const ResultRow& a, const ResultRow& b, std::size_t column);

// Stable, on both levels.
void SortRows(ResultRows& rows, std::size_t column);

// The header click: sorts and rewrites the section's lists in the new row
// order. False for "HI", whose rows stand for its plugin table by position.
bool SortSection(SectionCode code, std::size_t column, ResultRows& rows, SectionResults& results);

}  // namespace nx
