#include "cleaners/FileDeletion.h"

#include <cmath>
#include <memory>
#include <vector>

#include "core/FormatSize.h"
#include "core/Texts.h"

namespace nx {
namespace {

bool RemovesFindings(std::optional<SectionCode> code) {
  return code == SectionCode::SC || code == SectionCode::TF || code == SectionCode::FA;
}

// The percentage rounds halves to even, as the default rounding mode does.
std::string PercentText(size_t removed, size_t checked) {
  double percent = std::nearbyint(100.0 / static_cast<double>(checked) * static_cast<double>(removed));
  return FormatText(Text(Str::PercentDone), {std::to_string(static_cast<long long>(percent))});
}

class Deletion {
public:
  Deletion(SectionHost& host, FileSectionTools& tools, std::uint64_t& deletedBytes)
      : host_(host), tools_(tools), deletedBytes_(deletedBytes), settings_(host.Settings()) {}

  // True when the file is gone.
  bool Remove(const std::string& path) {
    std::optional<std::uint32_t> attributes = tools_.removal.Attributes(path);
    // A folder where a file was would go with everything in it.
    if (attributes && (*attributes & kAttrDirectory)) return Failed(path);
    if (attributes && (*attributes & kAttrReadOnly)) {
      if (!MayRemoveReadOnly(path)) return Failed(path);
      tools_.removal.SetAttributes(path, *attributes & ~kAttrReadOnly);
    }
    std::uint64_t size = QueryFileSize(tools_.finder, path);
    bool removed = settings_.Backup ? tools_.removal.MoveToRecycleBin(path) : tools_.removal.RemoveFile(path);
    if (!removed) return Failed(path);
    deletedBytes_ += size;
    Log(settings_.Backup ? Str::LogRecycled : Str::LogDeleted, path);
    return true;
  }

private:
  bool MayRemoveReadOnly(const std::string& path) {
    ReadOnlyAnswer answer = host_.LastReadOnlyAnswer();
    if (answer != ReadOnlyAnswer::YesToAll && answer != ReadOnlyAnswer::NoToAll)
      answer = host_.AskReadOnly(FormatText(Text(Str::ReadOnlyQuestion), {path}));
    return answer == ReadOnlyAnswer::Yes || answer == ReadOnlyAnswer::YesToAll;
  }

  bool Failed(const std::string& path) {
    Log(settings_.Backup ? Str::LogRecycleFailed : Str::LogDeleteFailed, path);
    return false;
  }

  void Log(Str pattern, const std::string& path) {
    if (settings_.LoggDeleted) host_.WriteLog(FormatText(Text(pattern), {path}));
  }

  SectionHost& host_;
  FileSectionTools& tools_;
  std::uint64_t& deletedBytes_;
  const AppSettings& settings_;
};

}  // namespace

std::string RowCaptionPath(const ResultRow& row) {
  return row.caption;
}

int DeleteCheckedFiles(SectionHost& host, FileSectionTools& tools, std::uint64_t& deletedBytes,
                       const RowPathSource& pathOf) {
  host.SetIdle(false);
  host.SetStopEnabled(false);
  const AppSettings& settings = host.Settings();
  host.SetStatus(0, Text(settings.Backup ? Str::MovingToRecycleBin : Str::DeletingPleaseWait));
  const ResultRows rows = host.Rows();
  size_t checked = 0;
  for (const ResultRow& row : rows) checked += row.checked ? 1 : 0;

  Deletion deletion(host, tools, deletedBytes);
  std::vector<size_t> removed;
  int failures = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i].checked) continue;
    host.SetStatus(1, PercentText(removed.size(), checked));
    host.ProcessMessages();
    if (deletion.Remove(pathOf(rows[i])))
      removed.push_back(i);
    else
      ++failures;
  }

  std::optional<SectionCode> code = host.CurrentSection();
  if (RemovesFindings(code)) {
    RemoveRows(*code, removed, host.Results());
    host.ShowSection(*code);
  }
  if (settings.LoggDeleted) host.WriteLog(FormatText(Text(Str::LogDeletedSize), {FormatSize(deletedBytes)}));
  host.SetStatus(0, "");
  host.SetStatus(1, "");
  host.SetIdle(true);
  return failures;
}

void EmptyFolderTree(FileSectionTools& tools, std::string_view folder, bool backup) {
  struct Level {
    std::string folder;  // with its "\"
    std::unique_ptr<FindSearch> search;
  };
  // Kept on the heap: a very deep tree must not exhaust the thread's stack.
  std::vector<Level> levels;
  auto enter = [&](std::string path) {
    auto search = tools.finder.FindFirst(path + "*.*", kAttrDirectory);
    levels.push_back({std::move(path), std::move(search)});
  };
  std::string top(folder);
  if (!top.ends_with('\\')) top += '\\';
  enter(std::move(top));
  FindEntry entry;
  while (!levels.empty()) {
    Level& level = levels.back();
    if (!level.search->Next(entry)) {
      std::string done = std::move(level.folder);
      levels.pop_back();
      if (!levels.empty()) tools.removal.RemoveFolder(done.substr(0, done.size() - 1));
      continue;
    }
    if (entry.name == "." || entry.name == "..") continue;
    std::string path = level.folder + entry.name;
    bool folderLink = (entry.attributes & kAttrDirectory) && (entry.attributes & kAttrReparsePoint);
    if (folderLink)
      tools.removal.RemoveFolder(path);  // the link alone, never what it points to
    else if (entry.attributes & kAttrDirectory)
      enter(path + "\\");
    else if (backup)
      tools.removal.MoveToRecycleBin(path);
    else
      tools.removal.RemoveFile(path);
  }
}

}  // namespace nx
