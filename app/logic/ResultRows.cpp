#include "app/logic/ResultRows.h"

#include <utility>

#include <charconv>

namespace nx {

const ResultRow& RowAt(const ResultRows& rows, RowIndex index) {
  const ResultRow& row = rows.at(index.row);
  return index.child ? row.children.at(*index.child) : row;
}

ResultRow& RowAt(ResultRows& rows, RowIndex index) {
  return const_cast<ResultRow&>(RowAt(std::as_const(rows), index));
}

const std::string& ColumnText(const ResultRow& row, std::size_t column) {
  static const std::string kEmpty;
  if (column == 0) return row.caption;
  return column <= row.columns.size() ? row.columns[column - 1] : kEmpty;
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace nx
