#pragma once
// What each section found, kept as parallel text lists that outlive the
// rows: switching sections rebuilds the rows from here. Index i of every list
// of a section describes row i; check marks are "1" or "0"; counters and
// byte totals are decimal texts, "0" until a scan sets them.
#include <string>
#include <string_view>
#include <vector>

#include "app/logic/ResultRows.h"
#include "app/logic/SectionCode.h"

namespace nx {

using TextList = std::vector<std::string>;

struct ShortcutResults {  // "SC"
  TextList captions, sizes, dates, erroneousPaths, checks;
  std::string totalSize = "0";
};

struct InstalledProgramResults {  // "IP"
  TextList names, uninstallStrings;
};

struct TemporaryFileResults {  // "TF"
  TextList paths, sizes, dates, checks;
  std::string totalSize = "0";
};

struct RecycleBinResults {  // "RB"
  TextList files, sizes;
  std::string totalSize = "0";
};

struct OtherBrowserCache {
  std::string count = "0", size = "0";
};

struct CacheResults {  // "CA"; the rows are Internet Explorer's cache
  TextList captions, sizes, dates, urls, checks;
  std::string totalSize = "0";
  OtherBrowserCache netscape6{}, netscape4{}, opera6{};
};

struct CookieResults {  // "CO"
  TextList captions, sizes, dates, urls, expires, checks;
  std::string totalSize = "0";
};

struct FavoriteResults {  // "FA"
  TextList captions, urls, localFolders, icons, checks;
};

struct UnusedEntryResults {  // "UE"
  TextList paths, values, keys, checks;
};

struct AutostartResults {  // "AS"; icons 14 active, 16 deactivated
  TextList names, types, values, icons, checks;
};

struct KeywordResults {  // "KW"; a type is one of the texts KindFileName ... KindRegistryData
  TextList types, values, checks;
  std::string filesAndFolders = "0", registryEntries = "0";
};

// "DF": one entry per group in the first five lists, groups holding
// "number;name"; files holds "number;folder" for every copy of every group.
struct DuplicateResults {
  TextList groups, fileCounts, sizes, totalSizes, dates, files;
  std::string duplicatesSize = "0", allFilesSize = "0";
};

// "DS" and "RS": changes holds "category;text" lines, the categories in the
// order they were made.
struct SnapshotResults {
  TextList changes, categoryCounts;
  std::string file1 = "0", file2 = "0";  // loaded snapshot files, "0" for none
};

struct HistoryResults {  // "HI": the plugin table with the two built-in items
  TextList names, descriptions, keys, values, actions, types;
};

struct AutoCompleteResults {  // "AC"
  TextList names;
};

struct SectionResults {
  ShortcutResults sc;
  InstalledProgramResults ip;
  TemporaryFileResults tf;
  RecycleBinResults rb;
  DuplicateResults df;
  SnapshotResults ds;
  KeywordResults kw;
  CacheResults ca;
  CookieResults co;
  FavoriteResults fa;
  HistoryResults hi;
  UnusedEntryResults ue;
  AutostartResults as;
  SnapshotResults rs;
  AutoCompleteResults ac;
};

// The check-mark list of "SC", "TF", "CA", "CO", "FA", "UE", "AS" and "KW";
// null for the sections whose rows start unchecked after every rebuild.
TextList* CheckMarks(SectionCode code, SectionResults& results);

int KeywordIcon(std::string_view type);

ResultRows BuildRows(SectionCode code, const SectionResults& results);

// Into the check-mark list, one mark per row in row order; nothing for a
// section without one.
void WriteCheckMarks(SectionCode code, const ResultRows& rows, SectionResults& results);

// Every list again from the rows after they moved, so that index i describes
// row i again. "DF" renumbers its groups 0, 1, 2 ... in row order and takes
// the copy count from the children. "DS", "RS", "HI" and "AC" are left alone.
void RewriteLists(SectionCode code, const ResultRows& rows, SectionResults& results);

// Takes the given rows out of every list of a section whose rows are one list
// entry each, so that the rows rebuilt afterwards lack them. Nothing for the
// grouped sections ("DF", "DS", "RS").
void RemoveRows(SectionCode code, const std::vector<size_t>& rows, SectionResults& results);

}  // namespace nx
