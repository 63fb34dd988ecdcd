#include "app/logic/RowSorting.h"

#include <algorithm>
#include <compare>
#include <string_view>

namespace nx {
namespace {

// The list has always told numbers from texts by this stand-in, so a text
// holding exactly -666 sorts as text.
constexpr std::int64_t kNotANumber = -666;

int Sign(std::strong_ordering order) {
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

// ASCII letters fold, every other byte compares as itself.
std::strong_ordering CompareIgnoringCase(std::string_view a, std::string_view b) {
  auto fold = [](char c) { return static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); };
  return std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end(),
                                                [&](char x, char y) { return fold(x) <=> fold(y); });
}

}  // namespace

int CompareRows(const ResultRow& a, const ResultRow& b, std::size_t column) {
  const std::string& textA = ColumnText(a, column);
  const std::string& textB = ColumnText(b, column);
  std::int64_t numberA = ParseInteger(textA).value_or(kNotANumber);
  std::int64_t numberB = ParseInteger(textB).value_or(kNotANumber);
  if (numberA != kNotANumber && numberB != kNotANumber) return Sign(numberA <=> numberB);
  return Sign(CompareIgnoringCase(textA, textB));
}

void SortRows(ResultRows& rows, std::size_t column) {
  auto before = [column](const ResultRow& a, const ResultRow& b) { return CompareRows(a, b, column) < 0; };
  std::stable_sort(rows.begin(), rows.end(), before);
  for (ResultRow& row : rows) std::stable_sort(row.children.begin(), row.children.end(), before);
}

bool SortSection(SectionCode code, std::size_t column, ResultRows& rows, SectionResults& results) {
  if (code == SectionCode::HI) return false;
  SortRows(rows, column);
  RewriteLists(code, rows, results);
  return true;
}

}  // namespace nx
