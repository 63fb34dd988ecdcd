#pragma once
// The choices the main window makes around its popup menu and the advanced
// settings window.
#include <optional>
#include <string>

#include "app/logic/SectionCode.h"

namespace nx {

// What opening the menu changes, decided by the selected row.
struct PopupAdjustment {
  std::optional<bool> activateVisible, deactivateVisible;
  std::optional<bool> openFolderEnabled, openRegistryEnabled;
};
// icon and caption are the selected row's; no row selected means no change.
PopupAdjustment AdjustPopup(std::optional<SectionCode> current, bool rowSelected, int icon, const std::string& caption);

// The folder part of a path, up to and including its last "\".
std::string FolderOf(const std::string& path);

enum class AdvancedPage { Default = -1, TemporaryFiles = 0, Cookies = 2, DuplicateFiles = 3, Cache = 4, Keyword = 5 };
// The page the advanced settings window opens on for the expanded group and
// the section checked in it.
AdvancedPage AdvancedSettingsPage(bool systemExpanded, bool internetExpanded, std::optional<SectionCode> checked);

}  // namespace nx
