#pragma once
// Every section that removes files goes through here, so that one switch
// ("Backup") decides for all of them between the recycle bin and deletion for
// good, and one dialog asks about read-only files.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "cleaners/FileSectionTools.h"

namespace nx {

// The file a row stands for.
using RowPathSource = std::function<std::string(const ResultRow& row)>;
std::string RowCaptionPath(const ResultRow& row);

// Removes the files of the checked rows of the list in view, inside a busy
// state that Stop cannot end. Adds the bytes actually removed to deletedBytes
// and returns how many checked files stayed. In the Shortcuts, Temporary
// files and Favorites sections the removed rows leave the findings too.
int DeleteCheckedFiles(SectionHost& host, FileSectionTools& tools, std::uint64_t& deletedBytes,
                       const RowPathSource& pathOf);

// Empties folder (ending in "\") and its subfolders, leaving hidden and system
// entries and the folder itself; what a folder link points to is never
// touched. Failures are ignored.
void EmptyFolderTree(FileSectionTools& tools, std::string_view folder, bool backup);

}  // namespace nx
