#include "cleaners/files/TempFileSection.h"

#include <algorithm>

#include "app/logic/ResultRows.h"
#include "app/logic/Sections.h"
#include "cleaners/FileDeletion.h"
#include "cleaners/files/TempFileRules.h"
#include "core/FormatSize.h"
#include "core/Texts.h"

namespace nx {
namespace {

std::uint64_t TotalOf(const TemporaryFileResults& tf) {
  return static_cast<std::uint64_t>(ParseInteger(tf.totalSize).value_or(0));
}

void ShowMessage(SectionHost& host, const std::string& text) {
  host.ShowMsg(Text(Str::MessageCaption), text, "", Text(Str::DialogOk), false, true);
}

}  // namespace

void TempFileScan(SectionHost& host, FileSectionTools& tools) {
  const AppSettings& settings = host.Settings();
  const std::string noun = Text(Str::NounTemporaryFiles);
  if (settings.LoggScans) host.WriteLog(FormatText(Text(Str::ScanStarted), {noun}));
  host.SetStopFlag(false);
  host.SetStatus(0, FormatText(Text(Str::SearchingFor), {Text(Str::NounFiles)}));

  const TMaskList masks(settings.TempMasks);
  TemporaryFileResults& tf = host.Results().tf;
  tf = {};
  const TempFileRules rules{.backupDir = settings.BackupDir,
                            .tempDir = tools.tempDir,
                            .winTmp = settings.WinTmp,
                            .zeroLength = settings.ZeroLength,
                            .masks = &masks};
  std::uint64_t total = 0;
  SearchActions actions{.onFile = [&](const FileRecord& file) {
    if (!IsTemporaryFile(file, rules)) return;
    tf.paths.push_back(file.path);
    tf.sizes.push_back(std::to_string(file.size));
    tf.dates.push_back(FileDateText(file.lastWrite, tools.formats));
    tf.checks.push_back("0");
    total += file.size;
  }};
  const WalkControl control = HostWalkControl(host);
  for (const std::string& letter : settings.ScanDriveLetters) {
    if (host.StopFlag()) break;
    if (!letter.empty()) SearchFolderTree(tools.finder, letter + ":\\", skTempFiles, actions, control);
  }

  tf.totalSize = std::to_string(total);
  host.ShowSection(SectionCode::TF);
  host.SetStopFlag(false);
  if (settings.LoggScans) {
    host.WriteLog(FormatText(Text(Str::ScanFinished), {noun}));
    host.WriteLog(std::to_string(tf.paths.size()) + " " + noun + " " + Text(Str::WereFound) + "(" +
                  FormatSize(static_cast<std::int64_t>(total)) + ")");
  }
}

void TempFileDelete(SectionHost& host, FileSectionTools& tools) {
  host.ResetReadOnlyAnswer();
  const ResultRows rows = host.Rows();
  if (std::none_of(rows.begin(), rows.end(), [](const ResultRow& row) { return row.checked; }))
    return ShowMessage(host, Text(Str::NothingSelected));
  const std::string noun = Text(Str::NounTemporaryFiles);
  if (host.ShowMsg(Text(Str::DeleteCaption), Text(Str::DeleteQuestion) + noun + Text(Str::QuestionEnd),
                   Text(Str::DialogYes), Text(Str::DialogNo), true, true) != 1)
    return;
  const AppSettings& settings = host.Settings();
  if (settings.LoggDeleted) host.WriteLog(FormatText(Text(Str::DeletingStarted), {noun}));
  std::uint64_t deleted = 0;
  int failures = DeleteCheckedFiles(host, tools, deleted, RowCaptionPath);
  if (settings.LoggDeleted) host.WriteLog(FormatText(Text(Str::DeletingFinished), {noun}));
  if (failures > 0)
    ShowMessage(host, std::to_string(failures) + FormatText(Text(Str::CouldNotBeRemoved), {noun}));
  else
    ShowMessage(host, FormatText(Text(Str::DeletedSuccessfully), {noun}));
  TemporaryFileResults& tf = host.Results().tf;
  std::uint64_t total = TotalOf(tf);
  tf.totalSize = std::to_string(total > deleted ? total - deleted : 0);
  host.ShowSummary(Traits(SectionCode::TF).summaryKind);
}

SectionOperations TempFileOperations(FileSectionTools& tools) {
  SectionOperations operations;
  operations.actions[2] = [&tools](SectionHost& host) { TempFileDelete(host, tools); };
  operations.actions[3] = [&tools](SectionHost& host) { TempFileScan(host, tools); };
  return operations;
}

}  // namespace nx
