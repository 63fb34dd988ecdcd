#include "app/logic/CheckRules.h"

#include <algorithm>
#include <string_view>

namespace nx {
namespace {

void WriteMark(TextList& checks, size_t row, bool checked) {
  if (row < checks.size()) checks[row] = checked ? "1" : "0";
}

// At least one copy of every duplicate group stays unchecked, so a deletion
// can never remove a file entirely.
CheckReaction KeepOneCopy(RowIndex changed, ResultRows& rows) {
  const auto& copies = rows[changed.row].children;
  if (std::all_of(copies.begin(), copies.end(), [](const ResultRow& copy) { return copy.checked; })) {
    RowAt(rows, changed).checked = false;
    return CheckReaction::KeptOneCopy;
  }
  return CheckReaction::ShowSummary;
}

// A checked folder or registry key covers everything below it, so the rows
// below follow it and cannot be changed on their own. "Below" is a plain
// prefix of the value text: C:\Temp covers C:\Temp2\ as well.
void PropagateKeyword(size_t changed, ResultRows& rows, KeywordResults& kw) {
  const bool checked = rows[changed].checked;
  const std::string prefix = ColumnText(rows[changed], 1);
  for (size_t i = rows.size(); i-- > 0;) {
    ResultRow& row = rows[i];
    if (i != changed) {
      if (!std::string_view(ColumnText(row, 1)).starts_with(prefix)) continue;
      row.checked = checked;
      row.checkBoxEnabled = !checked;
    }
    WriteMark(kw.checks, i, checked);
  }
}

}  // namespace

CheckReaction ApplyCheckRules(SectionCode code, bool idle, RowIndex changed, ResultRows& rows,
                              SectionResults& results) {
  if (!idle || rows.empty() || !RowAt(rows, changed).checkBoxShown) return CheckReaction::None;
  switch (code) {
    case SectionCode::SC:
    case SectionCode::TF:
    case SectionCode::CA:
    case SectionCode::CO:
    case SectionCode::FA:
    case SectionCode::UE:
    case SectionCode::AS:
      WriteMark(*CheckMarks(code, results), changed.row, RowAt(rows, changed).checked);
      return CheckReaction::ShowSummary;
    case SectionCode::DF:
      return KeepOneCopy(changed, rows);
    case SectionCode::KW:
      PropagateKeyword(changed.row, rows, results.kw);
      return CheckReaction::ShowSummary;
    default:
      return CheckReaction::None;
  }
}

}  // namespace nx
