#include "services/FolderSearch.h"

#include <memory>

namespace nx {
namespace {

struct Filters {
  std::uint32_t files;
  std::uint32_t folders;
};

constexpr Filters kSearchFilters{kAttrReadOnly | kAttrHidden | kAttrArchive, kAttrDirectory};
constexpr Filters kCollectFilters{kAttrReadOnly | kAttrSystem | kAttrArchive, kAttrDirectory | kAttrHidden};

std::string FolderOf(std::string_view path) {
  size_t cut = path.find_last_of("\\:");
  std::string folder(path.substr(0, cut == std::string_view::npos ? 0 : cut + 1));
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

bool Enters(const FindEntry& entry) {
  // A link may lead back up the tree or off to another volume: never follow it.
  return (entry.attributes & kAttrDirectory) && !(entry.attributes & kAttrReparsePoint) && !entry.name.empty() &&
         entry.name[0] != '.';
}

std::string ShownFolder(const std::string& folder) {
  bool root = folder.size() >= 2 && folder[folder.size() - 2] == ':';
  return root ? folder : folder.substr(0, folder.size() - 1);
}

// One walk. Open folders are kept on a heap stack rather than the call stack,
// since a tree of long paths can be thousands of levels deep.
class Walk {
public:
  Walk(FileFinder& finder, std::string_view filePattern, Filters filters, const WalkControl& control,
       std::function<void(const std::string&, const FindEntry&)> onFile,
       std::function<void(const std::string&)> onFolderEntry, bool showFolders)
      : finder_(finder),
        filePattern_(filePattern),
        filters_(filters),
        control_(control),
        onFile_(std::move(onFile)),
        onFolderEntry_(std::move(onFolderEntry)),
        showFolders_(showFolders) {}

  void Run(std::string folder) {
    if (folder.empty()) return;  // no folder named: never guess one
    Enter(std::move(folder));
    while (!open_.empty()) {
      Open& top = open_.back();
      if (top.next == top.folderPass.size()) {
        open_.pop_back();
        continue;
      }
      const FindEntry& entry = top.folderPass[top.next++];
      if (onFolderEntry_) onFolderEntry_(top.folder);
      if (Enters(entry)) Enter(top.folder + entry.name + "\\");
    }
  }

private:
  // A folder whose files are done; its folder pass is kept, in file-system
  // order, until each subfolder is finished.
  struct Open {
    std::string folder;
    std::vector<FindEntry> folderPass;
    size_t next = 0;
  };

  void Enter(std::string folder) {
    if (showFolders_ && control_.showFolder) control_.showFolder(ShownFolder(folder));
    if (control_.processMessages) control_.processMessages();
    if (control_.stopRequested && control_.stopRequested()) return;
    Open open{std::move(folder), {}};
    // Both passes list "*.*" for most kinds: one listing serves both, as each
    // entry meets both filters the same way; the file actions still all run
    // before any folder is entered.
    bool oneListing = filePattern_ == "*.*";
    FindEntry entry;
    if (!oneListing) {
      for (auto files = finder_.FindFirst(open.folder + filePattern_, filters_.files); files->Next(entry);)
        if (onFile_) onFile_(open.folder, entry);
    }
    auto listing =
        finder_.FindFirst(open.folder + "*.*", oneListing ? filters_.files | filters_.folders : filters_.folders);
    while (listing->Next(entry)) {
      if (oneListing && PassesFilter(entry.attributes, filters_.files) && onFile_) onFile_(open.folder, entry);
      // Only what the folder pass acts on is kept.
      if (PassesFilter(entry.attributes, filters_.folders) && (onFolderEntry_ || Enters(entry)))
        open.folderPass.push_back(entry);
    }
    open_.push_back(std::move(open));
  }

  FileFinder& finder_;
  std::string filePattern_;
  Filters filters_;
  const WalkControl& control_;
  std::function<void(const std::string&, const FindEntry&)> onFile_;
  std::function<void(const std::string&)> onFolderEntry_;
  bool showFolders_;
  std::vector<Open> open_;
};

}  // namespace

std::string_view FilePattern(TSearchKind kind) {
  switch (kind) {
    case skShortcuts:
    case skStartMenuShortcuts:
      return "*.lnk";
    case skInternetShortcuts:
      return "*.url";
    default:
      return "*.*";
  }
}

bool HasFolderAction(TSearchKind kind) {
  return kind == skKeyword || kind == skFolderContents;
}

void SearchFolderTree(FileFinder& finder, std::string_view path, TSearchKind kind, const SearchActions& actions,
                      const WalkControl& control) {
  auto onFile = [&](const std::string& folder, const FindEntry& entry) {
    if (actions.onFile) actions.onFile({folder + entry.name, entry.size, entry.lastWrite, entry.attributes});
  };
  Walk(finder, FilePattern(kind), kSearchFilters, control, onFile,
       HasFolderAction(kind) ? actions.onFolderEntry : nullptr, true)
      .Run(FolderOf(path));
}

void CollectFiles(FileFinder& finder, std::string_view path, std::string_view pattern, std::vector<std::string>& list,
                  const WalkControl& control) {
  auto onFile = [&](const std::string& folder, const FindEntry& entry) { list.push_back(folder + entry.name); };
  Walk(finder, pattern, kCollectFilters, control, onFile, nullptr, false).Run(FolderOf(path));
}

}  // namespace nx
