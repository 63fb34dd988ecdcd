#pragma once
// The Temporary files section: its scan of the chosen drives and the
// deletion of the checked files.
#include "cleaners/FileSectionTools.h"

namespace nx {

void TempFileScan(SectionHost& host, FileSectionTools& tools);
void TempFileDelete(SectionHost& host, FileSectionTools& tools);

// Delete (button 3) and Scan (button 4); the tools must outlive the section.
SectionOperations TempFileOperations(FileSectionTools& tools);

}  // namespace nx
