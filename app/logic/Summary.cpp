#include "app/logic/Summary.h"

#include <limits>

#include "core/FormatSize.h"
#include "core/Texts.h"

namespace nx {
namespace {

constexpr std::int64_t kNoSum = -1;

// An overflowing sum could not be formed either.
void AddTo(std::int64_t& sum, const std::string& text) {
  if (sum == kNoSum) return;
  auto value = ParseInteger(text);
  bool fits = value && (*value >= 0 ? sum <= std::numeric_limits<std::int64_t>::max() - *value
                                    : sum >= std::numeric_limits<std::int64_t>::min() - *value);
  sum = fits ? sum + *value : kNoSum;
}

void CountRow(const ResultRow& row, std::size_t column, bool summing, CheckedCount& counted) {
  if (!row.checked) return;
  ++counted.count;
  if (summing) AddTo(counted.sum, ColumnText(row, column));
}

std::int64_t Stored(const std::string& total) {
  return ParseInteger(total).value_or(kNoSum);
}

std::string InBrackets(std::int64_t bytes) {
  return "(" + FormatSize(bytes) + ")";
}

std::string Found(const std::string& count, const std::string& what) {
  return count + " " + what + " " + Text(Str::WereFound);
}

std::string Found(std::size_t count, const std::string& what) {
  return Found(std::to_string(count), what);
}

std::string SelectedCount(int count) {
  return std::to_string(count) + Text(Str::Selected);
}

// Found with their total, then the checked ones with the sum of their sizes.
std::vector<std::string> SizedLines(const SummarySources& s, const std::string& what, const std::string& total) {
  CheckedCount checked = CountChecked(s.rows, 1, true);
  return {Found(s.rows.size(), what) + InBrackets(Stored(total)),
          SelectedCount(checked.count) + InBrackets(checked.sum)};
}

std::vector<std::string> CountedLines(const SummarySources& s, const std::string& what) {
  return {Found(s.rows.size(), what), SelectedCount(CountChecked(s.rows, 1, false).count)};
}

std::string Browser(Str name) {
  return " (" + Text(name) + ")";
}

std::vector<std::string> CacheLines(const SummarySources& s) {
  const CacheResults& ca = s.results.ca;
  std::vector<std::string> lines{Found(s.rows.size(), Text(Str::NounFiles)) + InBrackets(Stored(ca.totalSize)) +
                                 Browser(Str::BrowserInternetExplorer)};
  auto other = [&](bool on, const OtherBrowserCache& cache, Str name) {
    if (on) lines.push_back(Found(cache.count, Text(Str::NounFiles)) + InBrackets(Stored(cache.size)) + Browser(name));
  };
  other(s.cache.netscape6, ca.netscape6, Str::BrowserNetscape6);
  other(s.cache.netscape4, ca.netscape4, Str::BrowserNetscape4);
  other(s.cache.opera6, ca.opera6, Str::BrowserOpera6);
  CheckedCount checked = CountChecked(s.rows, 1, true);
  lines.push_back(SelectedCount(checked.count) + InBrackets(checked.sum));
  return lines;
}

std::vector<std::string> DuplicateLines(const SummarySources& s) {
  const DuplicateResults& df = s.results.df;
  std::size_t copies = 0;
  for (const ResultRow& group : s.rows) copies += group.children.size();
  CheckedCount checked = CountCheckedGroupSize(s.rows);
  return {FormatText(Text(Str::DuplicatesFound), {std::to_string(s.rows.size()), FormatSize(Stored(df.duplicatesSize)),
                                                  std::to_string(copies), FormatSize(Stored(df.allFilesSize))}),
          SelectedCount(checked.count) + " " + InBrackets(checked.sum)};
}

std::vector<std::string> SnapshotLines(const SummarySources& s, const SnapshotResults& snapshot) {
  auto line = [&](const char* number, const std::string& path) {
    if (path == "0") return FormatText(Text(Str::SnapshotFileLine), {number, Text(Str::NoFileLoaded)});
    return FormatText(Text(Str::SnapshotFileLine), {number, path}) + "    " + s.snapshotStamp(path);
  };
  return {line("1", snapshot.file1), line("2", snapshot.file2)};
}

std::vector<std::string> KeywordLines(const SummarySources& s) {
  const KeywordResults& kw = s.results.kw;
  return {FormatText(Text(Str::KeywordFilesFound), {kw.filesAndFolders}),
          FormatText(Text(Str::KeywordRegistryFound), {kw.registryEntries}),
          SelectedCount(CountChecked(s.rows, 1, false).count)};
}

}  // namespace

CheckedCount CountChecked(const ResultRows& rows, std::size_t column, bool summing) {
  CheckedCount counted;
  for (const ResultRow& row : rows) {
    CountRow(row, column, summing, counted);
    for (const ResultRow& child : row.children) CountRow(child, column, summing, counted);
  }
  return counted;
}

CheckedCount CountCheckedGroupSize(const ResultRows& rows) {
  CheckedCount counted;
  for (const ResultRow& group : rows)
    for (const ResultRow& copy : group.children)
      if (copy.checked) {
        ++counted.count;
        AddTo(counted.sum, ColumnText(group, 2));
      }
  return counted;
}

int SummaryKindFor(SectionCode code) {
  switch (code) {
    case SectionCode::SC:
      return 1;
    case SectionCode::TF:
      return 2;
    case SectionCode::RB:
      return 3;
    case SectionCode::CA:
      return 4;
    case SectionCode::CO:
      return 5;
    case SectionCode::FA:
      return 7;
    case SectionCode::UE:
      return 8;
    case SectionCode::AS:
      return 9;
    case SectionCode::DF:
      return 10;
    case SectionCode::DS:
      return 11;
    case SectionCode::RS:
      return 12;
    case SectionCode::KW:
      return 13;
    case SectionCode::IP:
    case SectionCode::HI:
    case SectionCode::AC:
      break;
  }
  return 0;
}

std::vector<std::string> SummaryLines(int kind, const SummarySources& s) {
  const SectionResults& r = s.results;
  switch (kind) {
    case 1:
      return SizedLines(s, Text(Str::NounInvalid) + " " + Text(Str::NounShortcuts), r.sc.totalSize);
    case 2:
      return SizedLines(s, Text(Str::NounTemporaryFiles), r.tf.totalSize);
    case 3:
      return {Found(s.rows.size(), Text(Str::NounFiles)) + InBrackets(Stored(r.rb.totalSize))};
    case 4:
      return CacheLines(s);
    case 5:
      return SizedLines(s, Text(Str::NounCookies), r.co.totalSize);
    case 7:
      return CountedLines(s, Text(Str::NounFavorites));
    case 8:
    case 9:
      return CountedLines(s, Text(Str::NounItems));
    case 10:
      return DuplicateLines(s);
    case 11:
      return SnapshotLines(s, r.ds);
    case 12:
      return SnapshotLines(s, r.rs);
    case 13:
      return KeywordLines(s);
    default:
      return {};
  }
}

}  // namespace nx
