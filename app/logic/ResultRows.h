#pragma once
// The rows of the main window's result list, as the window shows them; the
// section's text lists are the lasting copy (SectionResults).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/TreeRow.h"

namespace nx {

using ResultRow = TreeRow;
using ResultRows = TreeRows;
using RowIndex = RowPath;

ResultRow& RowAt(ResultRows& rows, RowIndex index);
const ResultRow& RowAt(const ResultRows& rows, RowIndex index);

// Column 0 is the caption; a column the row does not have reads as empty.
const std::string& ColumnText(const ResultRow& row, std::size_t column);

// Column texts and stored totals hold 64-bit decimal integers: digits with an
// optional leading minus, nothing else.
std::optional<std::int64_t> ParseInteger(std::string_view text);

}  // namespace nx
