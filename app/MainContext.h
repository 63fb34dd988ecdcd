#pragma once
// What the main window works with: the outside world behind its interfaces,
// so that a test can hand it fakes or scratch places.
#include <functional>
#include <string>
#include <vector>

#include "core/DateTimeFormat.h"
#include "core/FileSystem.h"
#include "core/Registry.h"

namespace nx {

struct MainContext {
  Registry& registry;
  FileSystem& files;
  const AnsiCodec& codec;
  const Clock& clock;
  LocaleFormats formats;
  std::string programFolder;      // ends in "\"
  std::vector<std::string> args;  // without the program name
  // The unattended full scan of "-Scan".
  std::function<void()> runAutomaticFullScan = [] {};
};

}  // namespace nx
