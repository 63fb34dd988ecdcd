// The main window's hot keys and its popup menu.
#include "app/NxMain.h"
#include "core/Texts.h"

namespace nx {
namespace {

constexpr Str kMenuCaptions[kPopupItemCount] = {
    Str::MenuActivate,      Str::MenuAddToExclusionList,  Str::MenuAdvancedSettings, Str::MenuChange,
    Str::MenuCollapseAll,   Str::MenuCheckIfDomainExists, Str::MenuDeactivate,       Str::MenuExpandAll,
    Str::MenuExpandChecked, Str::MenuMulticheck,          Str::MenuPluginEditor,     Str::MenuSaveComparison,
    Str::MenuView,          Str::MenuVisitWebsite,        Str::MenuOpenFolder,       Str::MenuOpenRegistry};

}  // namespace

void TfrmMain::CreatePopupMenu() {
  for (size_t i = 0; i < kPopupItemCount; ++i) {
    menuIds_[i] = pmnuCache.Add(Text(kMenuCaptions[i]));
  }
  HideMenuItems();
  int domain = MenuId(PopupItem::CheckIfDomainExists);
  pmnuCache.Add(Text(Str::MenuAll), domain);
  pmnuCache.Add(Text(Str::MenuJustThisOne), domain);
  pmnuCache.SetEnabled(MenuId(PopupItem::OpenFolder), false);
  pmnuCache.SetEnabled(MenuId(PopupItem::OpenRegistry), false);
  pmnuCache.onPopup = [this] { PopupMenuOpening(); };
  pmnuCache.onCommand = [this](int id) { MenuCommand(id); };
}

void TfrmMain::HideMenuItems() {
  for (int id : menuIds_) pmnuCache.SetVisible(id, false);
}

void TfrmMain::PopupMenuOpening() {
  auto selected = clbMain->SelectedRow();
  bool rowSelected = selected && !clbMain->Rows().empty();
  const ResultRow* row = rowSelected ? &RowAt(clbMain->Rows(), *selected) : nullptr;
  PopupAdjustment change = AdjustPopup(current_, rowSelected, row ? row->icon : -1, row ? row->caption : "");
  auto apply = [this](const std::optional<bool>& value, PopupItem item, bool visibility) {
    if (!value) return;
    if (visibility)
      pmnuCache.SetVisible(MenuId(item), *value);
    else
      pmnuCache.SetEnabled(MenuId(item), *value);
  };
  apply(change.activateVisible, PopupItem::Activate, true);
  apply(change.deactivateVisible, PopupItem::Deactivate, true);
  apply(change.openFolderEnabled, PopupItem::OpenFolder, false);
  apply(change.openRegistryEnabled, PopupItem::OpenRegistry, false);
}

void TfrmMain::MenuCommand(int id) {
  if (id == MenuId(PopupItem::AdvancedSettings)) OpenAdvancedSettings();
  if (id == MenuId(PopupItem::Multicheck)) MultiCheck();
  if (id == MenuId(PopupItem::CollapseAll)) ExpandRows(ExpandCommand::CollapseAll);
  if (id == MenuId(PopupItem::ExpandAll)) ExpandRows(ExpandCommand::ExpandAll);
  if (id == MenuId(PopupItem::ExpandChecked)) ExpandRows(ExpandCommand::ExpandChecked);
  if (id == MenuId(PopupItem::OpenFolder)) OpenSelectedFolder();
  if (id == MenuId(PopupItem::OpenRegistry) && openRegistryAt) {
    if (auto selected = clbMain->SelectedRow()) openRegistryAt(ColumnText(RowAt(clbMain->Rows(), *selected), 1));
  }
}

void TfrmMain::OpenAdvancedSettings() {
  AdvancedPage page =
      AdvancedSettingsPage(GroupExpanded(SectionGroup::System), GroupExpanded(SectionGroup::Internet), current_);
  if (openAdvancedSettings) openAdvancedSettings(page);
  if (!store_.LoadSettings(settings_, *this)) store_.ApplyDefaultSettings(settings_, *this);
}

bool TfrmMain::FormKeyDown(int key, bool ctrl, bool shift, bool alt) {
  if (key == VK_F1) {
    if (idle_) RunHotKey(HotKeyFunction::Help);
    return true;
  }
  if (key == VK_RETURN && GetFocus() == edKeywordSearch->Handle()) {
    if (idle_) ActionClick(4);
    return true;
  }
  if (!ctrl || shift || alt) return false;
  // Read at each press, so a change in the advanced settings counts at once.
  std::optional<std::string> hotKeys;
  if (auto settings = context_.registry.OpenKey(RootKey::CurrentUser, kSettingsKey, false);
      settings && settings->ValueExists("HotKeys"))
    hotKeys = settings->ReadString("HotKeys").value_or("");
  auto function = MatchHotKey(hotKeys, key, {ctrl, shift, alt});
  if (!function) return false;
  // While an operation runs only Stop may act.
  if (idle_ || *function == HotKeyFunction::Stop) RunHotKey(*function);
  return true;
}

void TfrmMain::OpenGroupFirst(SectionGroup group, int threshold) {
  if (groups[static_cast<size_t>(group)].notebook->GetBounds().height < threshold) ToggleGroup(group);
}

void TfrmMain::RunHotKey(HotKeyFunction function) {
  using F = HotKeyFunction;
  struct SectionKey {
    F function;
    SectionGroup group;
    int threshold;
    SectionCode code;
  };
  static constexpr SectionKey kSectionKeys[] = {
      {F::Shortcuts, SectionGroup::System, 50, SectionCode::SC},
      {F::InstalledPrograms, SectionGroup::System, 50, SectionCode::IP},
      {F::TemporaryFiles, SectionGroup::System, 50, SectionCode::TF},
      {F::RecycleBin, SectionGroup::System, 50, SectionCode::RB},
      {F::DuplicateFiles, SectionGroup::System, 50, SectionCode::DF},
      {F::DiskSnapshot, SectionGroup::System, 50, SectionCode::DS},
      {F::Cache, SectionGroup::Internet, 50, SectionCode::CA},
      {F::Cookies, SectionGroup::Internet, 50, SectionCode::CO},
      {F::Favorites, SectionGroup::Internet, 50, SectionCode::FA},
      {F::History, SectionGroup::History, 40, SectionCode::HI},
      {F::UnusedEntries, SectionGroup::Registry, 50, SectionCode::UE},
      {F::Autostart, SectionGroup::Registry, 50, SectionCode::AS},
  };
  for (const SectionKey& entry : kSectionKeys) {
    if (entry.function != function) continue;
    OpenGroupFirst(entry.group, entry.threshold);
    SectionButton(entry.code).SetChecked(true);
    ChooseSection(entry.code);
    return;
  }
  auto click = [](gui::GradientButton& button) {
    if (button.Enabled() && button.onClick) button.onClick();
  };
  switch (function) {
    case F::ToggleSystem:
      ToggleGroup(SectionGroup::System);
      break;
    case F::ToggleInternet:
      ToggleGroup(SectionGroup::Internet);
      break;
    case F::ToggleHistory:
      ToggleGroup(SectionGroup::History);
      break;
    case F::ToggleRegistry:
      ToggleGroup(SectionGroup::Registry);
      break;
    case F::FullScan:
      click(tbtnFullScan());
      break;
    case F::Scan:
      if (btnAction[3]->Visible()) ActionClick(4);
      break;
    case F::Stop:
      if (tbtnStop().Enabled()) StopClick();
      break;
    case F::Settings:
      click(tbtnSettings());
      break;
    case F::AdvancedSettings:
      if (openAdvancedSettings) openAdvancedSettings(AdvancedPage::Default);
      break;
    case F::Help:
      click(tbtnInformation());
      break;
    case F::About:
      click(tbtnAboutNX());
      break;
    case F::Exit:
      click(tbtnMainExit());
      break;
    default:
      break;
  }
}

}  // namespace nx
