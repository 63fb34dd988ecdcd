#pragma once
// Which files the temporary-files section lists.
#include <string>
#include <string_view>

#include "services/FolderSearch.h"
#include "services/Masks.h"

namespace nx {

struct TempFileRules {
  std::string backupDir;    // never listed; compared with case
  std::string tempDir;      // the system's temporary folder, with its "\"
  bool winTmp = true;       // everything below tempDir is listed
  bool zeroLength = false;  // every empty file is listed
  const TMaskList* masks = nullptr;
};

// The rules in their order; the first that decides wins: inside the backup
// folder never, empty (with zeroLength), inside the temporary folder (with
// winTmp), a mask matching the file name.
bool IsTemporaryFile(const FileRecord& file, const TempFileRules& rules);

}  // namespace nx
