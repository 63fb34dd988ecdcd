#pragma once
// What each section shows: its caption, group, result columns, action
// buttons, summary kind and popup-menu items.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/logic/SectionCode.h"
#include "core/Texts.h"

namespace nx {

enum class SectionGroup { System, Internet, History, Registry };

enum class PopupItem {
  Activate,
  AddToExclusionList,
  AdvancedSettings,
  Change,
  CollapseAll,
  CheckIfDomainExists,
  Deactivate,
  ExpandAll,
  ExpandChecked,
  Multicheck,
  PluginEditor,
  SaveComparison,
  View,
  VisitWebsite,
  OpenFolder,
  OpenRegistry,
};
inline constexpr int kPopupItemCount = 16;

struct ColumnTraits {
  Str caption;
  int width;
};

struct SectionTraits {
  SectionCode code;
  Str caption;
  SectionGroup group;
  std::vector<ColumnTraits> columns;
  // caption;hint of btnAction1..4; nullopt = hidden
  std::array<std::optional<Str>, 4> actions;
  int summaryKind;
  std::vector<PopupItem> popupItems;
};

const SectionTraits& Traits(SectionCode code);
// The sections of a group, in the order their buttons stand.
std::vector<SectionCode> SectionsOf(SectionGroup group);

// Whether the first (1) or second (2) action button checks or unchecks
// every row instead of running an operation.
bool ButtonChecksAllRows(SectionCode code, int button);
// Whether the summary is shown again after the first two buttons.
bool SummaryFollowsCheckButtons(SectionCode code);

inline constexpr std::array<int, 4> kExpandedGroupHeights{201, 108, 76, 128};
inline constexpr int kCollapsedGroupHeight = 31;

struct ActionText {
  std::string caption, hint;
};
// "caption;hint": the part before the first ";" and the rest; a text
// without ";" is all hint.
ActionText SplitActionText(const std::string& text);

struct ButtonPlace {
  int left, width;
};
// Places the four action buttons: each as wide as its caption plus 12, the
// second 16 pixels after the first, the fourth ending 9 pixels from the right
// client edge and the third ending 16 pixels before the fourth.
std::array<ButtonPlace, 4> PlaceActionButtons(int firstLeft, const std::array<int, 4>& captionWidths, int clientWidth);

}  // namespace nx
