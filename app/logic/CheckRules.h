#pragma once
// What follows when the user changes a check mark in the result list. Marks
// changed from code ("Select all", multi-check, the sections) skip these.
#include "app/logic/ResultRows.h"
#include "app/logic/SectionCode.h"
#include "app/logic/SectionResults.h"

namespace nx {

enum class CheckReaction {
  None,         // the rules did not apply
  ShowSummary,  // the section's summary is out of date
  KeptOneCopy,  // the check was undone: show Text(Str::KeepOneCopy), then the summary
};

// `changed` already carries its new mark. The rules run only while the
// window is idle (a running operation changes rows itself), when there are
// rows, and for a row that shows a check box.
CheckReaction ApplyCheckRules(SectionCode code, bool idle, RowIndex changed, ResultRows& rows, SectionResults& results);

}  // namespace nx
