#pragma once
// The rows of the main window's result list, as the window shows them; the
// section's text lists are the lasting copy (SectionResults).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nx {

struct ResultRow {
  std::string caption;
  std::vector<std::string> columns{};  // the columns after the caption: columns[0] is column 1
  bool checked = false;
  bool checkBoxShown = false;
  bool checkBoxEnabled = true;
  int icon = -1;                      // picture in the small image list; -1 for none
  std::vector<ResultRow> children{};  // one level: children have none
  bool expanded = false;

  bool operator==(const ResultRow&) const = default;
};

using ResultRows = std::vector<ResultRow>;

// A top-level row, or one of its children.
struct RowIndex {
  std::size_t row = 0;
  std::optional<std::size_t> child{};
};

ResultRow& RowAt(ResultRows& rows, RowIndex index);

// Column 0 is the caption; a column the row does not have reads as empty.
const std::string& ColumnText(const ResultRow& row, std::size_t column);

// Column texts and stored totals hold 64-bit decimal integers: digits with an
// optional leading minus, nothing else.
std::optional<std::int64_t> ParseInteger(std::string_view text);

}  // namespace nx
