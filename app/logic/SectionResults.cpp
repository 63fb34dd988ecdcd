#include "app/logic/SectionResults.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <type_traits>
#include <unordered_map>
#include <utility>

#include "core/Texts.h"

namespace nx {
namespace {

// The sections whose rows are one list entry each, no children.
template <class List>
struct FlatLayout {
  std::vector<List*> texts;  // caption first, then the columns in order
  List* checks = nullptr;
  List* icons = nullptr;  // icon numbers per row, as decimal texts
  int icon = -1;          // else the same icon on every row
  bool checkBoxes = true;
};

// One description for both directions, rows from lists and lists from rows.
template <class Results>
auto FlatLayoutOf(SectionCode code, Results& r) {
  using List = std::conditional_t<std::is_const_v<Results>, const TextList, TextList>;
  using Layout = FlatLayout<List>;
  switch (code) {
    case SectionCode::SC:
      return std::optional<Layout>({.texts = {&r.sc.captions, &r.sc.sizes, &r.sc.dates, &r.sc.erroneousPaths},
                                    .checks = &r.sc.checks,
                                    .icon = 3});
    case SectionCode::IP:
      return std::optional<Layout>({.texts = {&r.ip.names, &r.ip.uninstallStrings}, .icon = 12, .checkBoxes = false});
    case SectionCode::TF:
      return std::optional<Layout>(
          {.texts = {&r.tf.paths, &r.tf.sizes, &r.tf.dates}, .checks = &r.tf.checks, .icon = 5});
    case SectionCode::RB:
      return std::optional<Layout>({.texts = {&r.rb.files, &r.rb.sizes}, .icon = 5, .checkBoxes = false});
    case SectionCode::CA:
      return std::optional<Layout>(
          {.texts = {&r.ca.captions, &r.ca.sizes, &r.ca.dates, &r.ca.urls}, .checks = &r.ca.checks, .icon = 5});
    case SectionCode::CO:
      return std::optional<Layout>({.texts = {&r.co.captions, &r.co.sizes, &r.co.dates, &r.co.urls, &r.co.expires},
                                    .checks = &r.co.checks,
                                    .icon = 4});
    case SectionCode::FA:
      return std::optional<Layout>(
          {.texts = {&r.fa.captions, &r.fa.urls, &r.fa.localFolders}, .checks = &r.fa.checks, .icons = &r.fa.icons});
    case SectionCode::UE:
      return std::optional<Layout>(
          {.texts = {&r.ue.paths, &r.ue.values, &r.ue.keys}, .checks = &r.ue.checks, .icon = 13});
    case SectionCode::AS:
      return std::optional<Layout>(
          {.texts = {&r.as.names, &r.as.types, &r.as.values}, .checks = &r.as.checks, .icons = &r.as.icons});
    case SectionCode::KW:  // icon by type, see BuildRows
      return std::optional<Layout>({.texts = {&r.kw.types, &r.kw.values}, .checks = &r.kw.checks});
    case SectionCode::HI:
      return std::optional<Layout>({.texts = {&r.hi.names}});
    case SectionCode::AC:
      return std::optional<Layout>({.texts = {&r.ac.names}});
    case SectionCode::DF:
    case SectionCode::DS:
    case SectionCode::RS:
      break;
  }
  return std::optional<Layout>();
}

// Lists filled by hand may fall short; a missing entry reads as empty.
const std::string& At(const TextList& list, size_t i) {
  static const std::string kEmpty;
  return i < list.size() ? list[i] : kEmpty;
}

// "number;name" and "category;text": the first ";" separates, later ones
// belong to the name (a file name may hold one).
std::pair<std::string_view, std::string_view> SplitFirst(std::string_view text) {
  size_t semicolon = text.find(';');
  if (semicolon == std::string_view::npos) return {text, {}};
  return {text.substr(0, semicolon), text.substr(semicolon + 1)};
}

ResultRows FlatRows(SectionCode code, const FlatLayout<const TextList>& layout) {
  ResultRows rows(layout.texts.front()->size());
  for (size_t i = 0; i < rows.size(); ++i) {
    ResultRow& row = rows[i];
    row.caption = At(*layout.texts[0], i);
    for (size_t c = 1; c < layout.texts.size(); ++c) row.columns.push_back(At(*layout.texts[c], i));
    row.checkBoxShown = layout.checkBoxes;
    row.checked = layout.checks && At(*layout.checks, i) == "1";
    if (layout.icons)
      row.icon = static_cast<int>(ParseInteger(At(*layout.icons, i)).value_or(-1));
    else
      row.icon = code == SectionCode::KW ? KeywordIcon(row.caption) : layout.icon;
  }
  return rows;
}

ResultRows DuplicateRows(const DuplicateResults& df) {
  ResultRows rows;
  std::unordered_map<std::string_view, size_t> rowOfGroup;
  for (size_t g = 0; g < df.groups.size(); ++g) {
    auto [number, name] = SplitFirst(df.groups[g]);
    rowOfGroup.emplace(number, rows.size());
    rows.push_back({.caption = std::string(name),
                    .columns = {At(df.fileCounts, g), At(df.sizes, g), At(df.totalSizes, g), At(df.dates, g)}});
  }
  for (const std::string& file : df.files) {
    auto [number, folder] = SplitFirst(file);
    auto group = rowOfGroup.find(number);
    if (group != rowOfGroup.end())
      rows[group->second].children.push_back({.caption = std::string(folder), .checkBoxShown = true});
  }
  return rows;
}

ResultRows SnapshotRows(const SnapshotResults& snapshot) {
  ResultRows rows;  // categories in the order of creation; reversed below
  for (const std::string& line : snapshot.changes) {
    auto [category, text] = SplitFirst(line);
    auto row = std::find_if(rows.begin(), rows.end(), [&](const ResultRow& r) { return r.caption == category; });
    if (row == rows.end()) row = rows.insert(rows.end(), ResultRow{.caption = std::string(category)});
    row->children.push_back({.caption = std::string(text)});
  }
  // The count is the category's own, which is what its counts entry holds.
  for (ResultRow& row : rows) row.columns = {std::to_string(row.children.size())};
  std::reverse(rows.begin(), rows.end());  // each category went in at the top
  return rows;
}

std::string CheckMark(const ResultRow& row) {
  return row.checked ? "1" : "0";
}

// Count x size of one copy, or the old text when that cannot be formed.
std::string SizeOfAllCopies(const ResultRow& group) {
  auto size = ParseInteger(ColumnText(group, 2));
  auto count = static_cast<std::int64_t>(group.children.size());
  if (!size || *size < 0 || (count > 0 && *size > std::numeric_limits<std::int64_t>::max() / count))
    return ColumnText(group, 3);
  return std::to_string(count * *size);
}

void RewriteDuplicates(const ResultRows& rows, DuplicateResults& df) {
  df.groups.clear();
  df.fileCounts.clear();
  df.sizes.clear();
  df.totalSizes.clear();
  df.dates.clear();
  df.files.clear();
  for (size_t g = 0; g < rows.size(); ++g) {
    const ResultRow& group = rows[g];
    std::string number = std::to_string(g);
    df.groups.push_back(number + ";" + group.caption);
    df.fileCounts.push_back(std::to_string(group.children.size()));
    df.sizes.push_back(ColumnText(group, 2));
    df.totalSizes.push_back(SizeOfAllCopies(group));
    df.dates.push_back(ColumnText(group, 4));
    for (const ResultRow& copy : group.children) df.files.push_back(number + ";" + copy.caption);
  }
}

}  // namespace

TextList* CheckMarks(SectionCode code, SectionResults& results) {
  auto layout = FlatLayoutOf(code, results);
  return layout ? layout->checks : nullptr;
}

int KeywordIcon(std::string_view type) {
  static constexpr std::pair<Str, int> kIcons[] = {{Str::KindFileName, 20},      {Str::KindFolderName, 17},
                                                   {Str::KindTextInFile, 15},    {Str::KindRegistryKey, 13},
                                                   {Str::KindRegistryValue, 21}, {Str::KindRegistryData, 22}};
  for (auto [kind, icon] : kIcons)
    if (Text(kind) == type) return icon;
  return -1;
}

ResultRows BuildRows(SectionCode code, const SectionResults& results) {
  switch (code) {
    case SectionCode::DF:
      return DuplicateRows(results.df);
    case SectionCode::DS:
      return SnapshotRows(results.ds);
    case SectionCode::RS:
      return SnapshotRows(results.rs);
    default:
      return FlatRows(code, *FlatLayoutOf(code, results));
  }
}

void WriteCheckMarks(SectionCode code, const ResultRows& rows, SectionResults& results) {
  TextList* checks = CheckMarks(code, results);
  if (!checks) return;
  checks->clear();
  for (const ResultRow& row : rows) checks->push_back(CheckMark(row));
}

void RewriteLists(SectionCode code, const ResultRows& rows, SectionResults& results) {
  if (code == SectionCode::DF) return RewriteDuplicates(rows, results.df);
  if (code == SectionCode::HI || code == SectionCode::AC) return;
  auto layout = FlatLayoutOf(code, results);
  if (!layout) return;  // "DS", "RS"
  for (size_t c = 0; c < layout->texts.size(); ++c) {
    TextList& list = *layout->texts[c];
    list.clear();
    for (const ResultRow& row : rows) list.push_back(ColumnText(row, c));
  }
  if (layout->icons) {
    layout->icons->clear();
    for (const ResultRow& row : rows) layout->icons->push_back(std::to_string(row.icon));
  }
  WriteCheckMarks(code, rows, results);
}

void RemoveRows(SectionCode code, const std::vector<size_t>& rows, SectionResults& results) {
  auto layout = FlatLayoutOf(code, results);
  if (!layout) return;
  std::vector<TextList*> lists = layout->texts;
  for (TextList* list : {layout->checks, layout->icons})
    if (list) lists.push_back(list);
  // One pass per list, so removing most of a long list stays linear.
  for (TextList* list : lists) {
    std::vector<bool> removed(list->size());
    for (size_t row : rows)
      if (row < removed.size()) removed[row] = true;
    size_t kept = 0;
    for (size_t i = 0; i < list->size(); ++i) {
      if (removed[i]) continue;
      if (kept != i) (*list)[kept] = std::move((*list)[i]);
      ++kept;
    }
    list->resize(kept);
  }
}

}  // namespace nx
