#pragma once
// What the file sections work with besides their host.
#include <string>

#include "app/logic/SectionHost.h"
#include "core/DateTimeFormat.h"
#include "core/FileFind.h"
#include "core/FileRemoval.h"
#include "services/FolderSearch.h"

namespace nx {

struct FileSectionTools {
  FileFinder& finder;
  FileRemoval& removal;
  std::string tempDir;  // the system's temporary folder, with its "\"
  LocaleFormats formats;
};

// A walk shows each folder in status panel 1, lets the window process
// messages and stops when the host's stop flag is set.
WalkControl HostWalkControl(SectionHost& host);

// The date column of a file row: the day of the last write in the user's
// short date format; empty when the time could not be packed.
std::string FileDateText(std::uint32_t lastWrite, const LocaleFormats& formats);

}  // namespace nx
