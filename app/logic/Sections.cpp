#include "app/logic/Sections.h"

namespace nx {
namespace {

using enum PopupItem;
using G = SectionGroup;

// Action-button sets shared by several sections.
constexpr std::array<std::optional<Str>, 4> kSelectDeleteScan{Str::ActionSelectAll, Str::ActionSelectNone,
                                                              Str::ActionDelete, Str::ActionScan};
constexpr std::array<std::optional<Str>, 4> kSnapshot{Str::ActionLoadFile1, Str::ActionLoadFile2, Str::ActionCompare,
                                                      Str::ActionNew};

const std::vector<SectionTraits>& Table() {
  static const std::vector<SectionTraits> table{
      {SectionCode::SC,
       Str::SectionShortcuts,
       G::System,
       {{Str::ColumnInvalidShortcuts, 244},
        {Str::ColumnSize, 70},
        {Str::ColumnDate, 70},
        {Str::ColumnErroneousPath, 163}},
       kSelectDeleteScan,
       1,
       {Multicheck, Change}},
      {SectionCode::IP,
       Str::SectionInstalledPrograms,
       G::System,
       {{Str::ColumnInstalledPrograms, 350}, {Str::ColumnUninstallString, 350}},
       {Str::ActionUninstall, Str::ActionRemoveReference, std::nullopt, Str::ActionScan},
       0,
       {Change}},
      {SectionCode::TF,
       Str::SectionTemporaryFiles,
       G::System,
       {{Str::ColumnTemporaryFiles, 350}, {Str::ColumnSize, 70}, {Str::ColumnDate, 70}},
       kSelectDeleteScan,
       2,
       {Multicheck, AdvancedSettings}},
      {SectionCode::RB,
       Str::SectionRecycleBin,
       G::System,
       {{Str::ColumnFilesInRecycleBin, 400}, {Str::ColumnSize, 70}},
       {std::nullopt, std::nullopt, Str::ActionEmpty, Str::ActionScan},
       3,
       {}},
      {SectionCode::DF,
       Str::SectionDuplicateFiles,
       G::System,
       {{Str::ColumnFilename, 260},
        {Str::ColumnFilecount, 60},
        {Str::ColumnSize, 90},
        {Str::ColumnSizeAll, 90},
        {Str::ColumnDate, 90}},
       {std::nullopt, Str::ActionSelectNone, Str::ActionDelete, Str::ActionScan},
       10,
       {Multicheck, AdvancedSettings, CollapseAll, ExpandAll, ExpandChecked}},
      {SectionCode::DS,
       Str::SectionDiskSnapshot,
       G::System,
       {{Str::ColumnType, 350}, {Str::ColumnFilecount, 80}},
       kSnapshot,
       11,
       {SaveComparison}},
      {SectionCode::KW,
       Str::SectionKeyword,
       G::System,
       {{Str::ColumnType, 140}, {Str::ColumnValue, 500}},
       kSelectDeleteScan,
       13,
       {OpenFolder, OpenRegistry, AdvancedSettings}},
      {SectionCode::CA,
       Str::SectionCache,
       G::Internet,
       {{Str::ColumnCachedFiles, 350}, {Str::ColumnSize, 70}, {Str::ColumnDate, 70}, {Str::ColumnUrl, 250}},
       kSelectDeleteScan,
       4,
       {Multicheck, View, AdvancedSettings}},
      {SectionCode::CO,
       Str::SectionCookies,
       G::Internet,
       {{Str::ColumnCookies, 350},
        {Str::ColumnSize, 70},
        {Str::ColumnDate, 70},
        {Str::ColumnUrl, 250},
        {Str::ColumnExpires, 70}},
       kSelectDeleteScan,
       5,
       {Multicheck, AdvancedSettings, AddToExclusionList}},
      {SectionCode::FA,
       Str::SectionFavorites,
       G::Internet,
       {{Str::ColumnFavorites, 300}, {Str::ColumnUrl, 200}, {Str::ColumnLocalFolders, 200}},
       kSelectDeleteScan,
       7,
       {VisitWebsite, CheckIfDomainExists}},
      {SectionCode::HI,
       Str::SectionHistory,
       G::History,
       {{Str::ColumnHistoryPlugins, 350}},
       {Str::ActionSelectAll, Str::ActionSelectNone, Str::ActionClear, std::nullopt},
       0,
       {PluginEditor}},
      {SectionCode::UE,
       Str::SectionUnusedEntries,
       G::Registry,
       {{Str::ColumnFileOrPath, 250}, {Str::ColumnValue, 70}, {Str::ColumnRegistryKey, 250}},
       kSelectDeleteScan,
       8,
       {Change, Multicheck}},
      {SectionCode::AS,
       Str::SectionAutostart,
       G::Registry,
       {{Str::ColumnName, 250}, {Str::ColumnType, 110}, {Str::ColumnValue, 250}},
       kSelectDeleteScan,
       9,
       {Multicheck, Change}},
      {SectionCode::RS,
       Str::SectionRegistrySnapshot,
       G::Registry,
       {{Str::ColumnType, 350}, {Str::ColumnFilecount, 80}},
       kSnapshot,
       12,
       {SaveComparison}},
      {SectionCode::AC, Str::SectionAutoComplete, G::Registry, {{Str::ColumnRealNames, 170}}, kSelectDeleteScan, 0, {}},
  };
  return table;
}

}  // namespace

const SectionTraits& Traits(SectionCode code) {
  return Table()[static_cast<size_t>(code)];
}

std::vector<SectionCode> SectionsOf(SectionGroup group) {
  std::vector<SectionCode> codes;
  for (const SectionTraits& traits : Table())
    if (traits.group == group) codes.push_back(traits.code);
  return codes;
}

bool ButtonChecksAllRows(SectionCode code, int button) {
  switch (code) {
    case SectionCode::IP:
    case SectionCode::RB:
    case SectionCode::DS:
    case SectionCode::RS:
      return false;
    case SectionCode::DF:
      return button == 2;
    default:
      return true;
  }
}

// Loading a snapshot file changes its summary too.
bool SummaryFollowsCheckButtons(SectionCode code) {
  switch (code) {
    case SectionCode::SC:
    case SectionCode::TF:
    case SectionCode::CA:
    case SectionCode::CO:
    case SectionCode::FA:
    case SectionCode::UE:
    case SectionCode::AS:
    case SectionCode::DF:
    case SectionCode::DS:
    case SectionCode::RS:
      return true;
    default:
      return false;
  }
}

ActionText SplitActionText(const std::string& text) {
  size_t separator = text.find(';');
  if (separator == std::string::npos) return {"", text};
  return {text.substr(0, separator), text.substr(separator + 1)};
}

std::array<ButtonPlace, 4> PlaceActionButtons(int firstLeft, const std::array<int, 4>& captionWidths, int clientWidth) {
  std::array<ButtonPlace, 4> places;
  for (size_t i = 0; i < 4; ++i) places[i].width = captionWidths[i] + 12;
  places[0].left = firstLeft;
  places[1].left = places[0].left + places[0].width + 16;
  places[3].left = clientWidth - places[3].width - 9;
  places[2].left = places[3].left - 16 - places[2].width;
  return places;
}

}  // namespace nx
