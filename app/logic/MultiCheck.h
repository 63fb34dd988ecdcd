#pragma once
// The popup commands that change many rows at once: the multi-check dialog's
// "Apply" and the expand and collapse commands.
#include <functional>
#include <optional>
#include <string_view>

#include "app/logic/ResultRows.h"
#include "app/logic/SectionCode.h"
#include "app/logic/SectionResults.h"

namespace nx {

// The whole text against the mask: "*" any run of characters, "?" exactly
// one, every other character itself. Case counts; callers fold it.
bool WildcardMatch(std::string_view text, std::string_view mask);

// Checks or unchecks every row, children included, whose upper-cased caption
// matches the upper-cased mask. The check rules do not apply, so a whole
// duplicate group can be checked this way. "SC" and "TF" keep the new marks
// in their lists; the other sections keep them only in the rows.
void ApplyMultiCheck(SectionCode code, std::string_view mask, bool check, ResultRows& rows, SectionResults& results);

// The section the multi-check dialog works on: the checked one among those it
// serves in the first expanded (taller than 40 pixels) of System, Internet and
// Registry.
struct GroupHeights {
  int system, internet, registry;
};
std::optional<SectionCode> MultiCheckSection(GroupHeights heights, const std::function<bool(SectionCode)>& checked);

enum class ExpandCommand { CollapseAll, ExpandAll, ExpandChecked };

// Acts only while "DF" is the checked button of the System group; with none
// checked there pass nullopt.
void ApplyExpandCommand(ExpandCommand command, std::optional<SectionCode> checkedSystemSection, ResultRows& rows);

}  // namespace nx
