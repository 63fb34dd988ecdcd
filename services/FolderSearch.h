#pragma once
// The folder walks every file section shares. They run on the user-interface
// thread, so they let the window process messages and honour Stop once per
// folder, never per file.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileFind.h"

namespace nx {

// Each kind fixes the pattern of the file pass; the sections supply the
// actions.
enum TSearchKind {
  skShortcuts,
  skTempFiles,
  skKeyword,
  skFolderSize,
  skInternetShortcuts,
  skStartMenuShortcuts,
  skCacheFiles,
  skCountFiles,
  skFolderContents,
};

std::string_view FilePattern(TSearchKind kind);
// Only these kinds run their folder action.
bool HasFolderAction(TSearchKind kind);

struct FileRecord {
  std::string path;  // folder with its trailing "\" and the name
  std::uint64_t size = 0;
  std::uint32_t lastWrite = 0;  // PackDosDateTime
  std::uint32_t attributes = 0;
};

// What the window lends a walk; any of them may be left empty.
struct WalkControl {
  std::function<void(const std::string& folder)> showFolder = nullptr;  // status panel 1
  std::function<void()> processMessages = nullptr;
  std::function<bool()> stopRequested = nullptr;
};

struct SearchActions {
  std::function<void(const FileRecord& file)> onFile = nullptr;
  // Runs on the folder being listed once for every entry of its folder pass,
  // for the kinds that have a folder action.
  std::function<void(const std::string& folder)> onFolderEntry = nullptr;
};

// The folder is the part of path up to its last "\" ("C:\" and "C:\*.*" are
// both the root of C). Sees hidden files but not system ones; never enters a
// hidden or system folder, one whose name begins with ".", or a reparse point.
void SearchFolderTree(FileFinder& finder, std::string_view path, TSearchKind kind, const SearchActions& actions,
                      const WalkControl& control);

// Appends the full path of every file below the folder of path whose name
// matches the wildcard pattern. Unlike SearchFolderTree it sees system files
// and enters hidden folders, but skips hidden files.
void CollectFiles(FileFinder& finder, std::string_view path, std::string_view pattern, std::vector<std::string>& list,
                  const WalkControl& control);

}  // namespace nx
