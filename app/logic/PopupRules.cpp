#include "app/logic/PopupRules.h"

#include "core/Texts.h"

namespace nx {

PopupAdjustment AdjustPopup(std::optional<SectionCode> current, bool rowSelected, int icon,
                            const std::string& caption) {
  PopupAdjustment change;
  if (!rowSelected || !current) return change;
  if (*current == SectionCode::AS && (icon == 14 || icon == 16)) {
    change.activateVisible = icon == 16;
    change.deactivateVisible = icon == 14;
  }
  if (*current == SectionCode::KW) {
    bool file = caption == Text(Str::KindFileName) || caption == Text(Str::KindFolderName) ||
                caption == Text(Str::KindTextInFile);
    bool registry = caption == Text(Str::KindRegistryKey) || caption == Text(Str::KindRegistryValue) ||
                    caption == Text(Str::KindRegistryData);
    if (file || registry) {
      change.openFolderEnabled = file;
      change.openRegistryEnabled = registry;
    }
  }
  return change;
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

AdvancedPage AdvancedSettingsPage(bool systemExpanded, bool internetExpanded, std::optional<SectionCode> checked) {
  if (systemExpanded) {
    if (checked == SectionCode::TF) return AdvancedPage::TemporaryFiles;
    if (checked == SectionCode::DF) return AdvancedPage::DuplicateFiles;
    if (checked == SectionCode::KW) return AdvancedPage::Keyword;
    return AdvancedPage::Default;
  }
  if (internetExpanded) {
    if (checked == SectionCode::CA) return AdvancedPage::Cache;
    if (checked == SectionCode::CO) return AdvancedPage::Cookies;
  }
  return AdvancedPage::Default;
}

}  // namespace nx
