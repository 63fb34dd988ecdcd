#include "app/logic/MultiCheck.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/TextUtil.h"

namespace nx {
namespace {

// "?" stands for one character, which in UTF-8 may be several bytes.
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> characters;
  size_t start = 0;
  for (size_t i = 1; i <= text.size(); ++i)
    if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      characters.push_back(text.substr(start, i - start));
      start = i;
    }
  return characters;
}

void MarkMatching(ResultRow& row, const std::string& mask, bool check) {
  if (WildcardMatch(UpperAscii(row.caption), mask)) row.checked = check;
}

}  // namespace

bool WildcardMatch(std::string_view text, std::string_view mask) {
  const std::vector<std::string_view> t = Characters(text), m = Characters(mask);
  // Greedy with one backtrack point, the last "*": linear in practice.
  size_t ti = 0, mi = 0, starAt = std::string_view::npos, resumeAt = 0;
  while (ti < t.size()) {
    if (mi < m.size() && m[mi] == "*") {
      starAt = mi++;
      resumeAt = ti;
    } else if (mi < m.size() && (m[mi] == "?" || m[mi] == t[ti])) {
      ++mi;
      ++ti;
    } else if (starAt != std::string_view::npos) {
      mi = starAt + 1;
      ti = ++resumeAt;
    } else {
      return false;
    }
  }
  return std::all_of(m.begin() + mi, m.end(), [](std::string_view c) { return c == "*"; });
}

void ApplyMultiCheck(SectionCode code, std::string_view mask, bool check, ResultRows& rows, SectionResults& results) {
  const std::string upperMask = UpperAscii(mask);
  for (ResultRow& row : rows) {
    MarkMatching(row, upperMask, check);
    for (ResultRow& child : row.children) MarkMatching(child, upperMask, check);
  }
  if (code == SectionCode::SC || code == SectionCode::TF) WriteCheckMarks(code, rows, results);
}

void ApplyExpandCommand(ExpandCommand command, std::optional<SectionCode> checkedSystemSection, ResultRows& rows) {
  if (checkedSystemSection != SectionCode::DF) return;
  for (ResultRow& row : rows) {
    if (row.children.empty()) continue;
    switch (command) {
      case ExpandCommand::CollapseAll:
        row.expanded = false;
        break;
      case ExpandCommand::ExpandAll:
        row.expanded = true;
        break;
      case ExpandCommand::ExpandChecked:
        row.expanded =
            std::any_of(row.children.begin(), row.children.end(), [](const ResultRow& c) { return c.checked; });
        break;
    }
  }
}

std::optional<SectionCode> MultiCheckSection(GroupHeights heights, const std::function<bool(SectionCode)>& checked) {
  auto first = [&](std::initializer_list<SectionCode> codes) -> std::optional<SectionCode> {
    for (SectionCode code : codes)
      if (checked(code)) return code;
    return std::nullopt;
  };
  if (heights.system > 40) return first({SectionCode::SC, SectionCode::TF, SectionCode::DF});
  if (heights.internet > 40) return first({SectionCode::CA, SectionCode::CO});
  if (heights.registry > 40) return first({SectionCode::UE, SectionCode::AS});
  return std::nullopt;
}

}  // namespace nx
