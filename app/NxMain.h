#pragma once
// TfrmMain, the main window: sections in four collapsible groups, the action
// buttons, the busy state, hot keys and the popup menu. Split by concern:
// NxMain.cpp (life and About state), NxMainSections.cpp (sections, groups,
// layout), NxMainBusy.cpp (busy state, Stop, the host of section operations),
// NxMainKeys.cpp (hot keys, popup menu).
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "app/MainContext.h"
#include "app/logic/EventLog.h"
#include "app/logic/HotKeys.h"
#include "app/logic/MultiCheck.h"
#include "app/logic/PopupRules.h"
#include "app/logic/SectionHost.h"
#include "app/logic/SectionResults.h"
#include "app/logic/Sections.h"
#include "services/SettingsStore.h"
#include "wingui/Edit.h"
#include "wingui/Font.h"
#include "wingui/Form.h"
#include "wingui/GradientButton.h"
#include "wingui/HoverTracker.h"
#include "wingui/ImageList.h"
#include "wingui/Memo.h"
#include "wingui/PaintBox.h"
#include "wingui/PopupMenu.h"
#include "wingui/RadioButton.h"
#include "wingui/StatusBar.h"
#include "wingui/ToolTip.h"
#include "wingui/TreeList.h"

namespace nx {

struct SessionForms;

class TfrmMain : public gui::Form, public SectionHost, private DisplayOptionsTarget {
  // Declared first so they outlive the controls that use them.
  gui::OwnedFont boldFont_, versionFont_, logoFont_;
  gui::ImageList smallIcons_;

public:
  explicit TfrmMain(MainContext& context);
  ~TfrmMain() override;

  AppSettings& Settings() override { return settings_; }
  EventLog& Log() { return log_; }
  bool DebugMode() const;
  double ScaleFactor() const { return scaleFactor_; }
  std::string CurrentLanguage = "English";

  // Sections
  void SetOperations(SectionCode code, SectionOperations operations);
  std::optional<SectionCode> CurrentSection() const override { return current_; }
  void ChooseSection(SectionCode code);  // as a click on its button
  gui::RadioButton& SectionButton(SectionCode code) { return *sectionButtons_[static_cast<size_t>(code)]; }
  void ToggleGroup(SectionGroup group);  // as a click on its header
  bool GroupExpanded(SectionGroup group) const { return groups[static_cast<size_t>(group)].expanded; }
  void ShowAboutState();

  // SectionHost
  void SetIdle(bool idle) override;
  void SetStopEnabled(bool enabled) override;
  bool StopFlag() const override { return stopFlag_; }
  void SetStopFlag(bool stop) override { stopFlag_ = stop; }
  bool FullScanRunning() const override { return fullScanRunning_; }
  void SetFullScanRunning(bool running) { fullScanRunning_ = running; }
  void SetStatus(int panel, const std::string& text) override;
  void ProcessMessages() override;
  int ShowMsg(const std::string& caption, const std::string& text, const std::string& leftCaption,
              const std::string& rightCaption, bool showLeft, bool showRight) override;
  std::string InputValue(const std::string& initial) override;
  bool ConfirmDeletion(const std::string& folderOrKey, const std::vector<std::string>& items,
                       bool registryTexts) override;
  void WriteLog(std::string_view text) override { log_.WriteLog(text); }
  void ResetReadOnlyAnswer() override;
  ReadOnlyAnswer LastReadOnlyAnswer() const override;
  ReadOnlyAnswer AskReadOnly(const std::string& message) override;
  bool Idle() const { return idle_; }
  // The session's reused dialogs, created after the main window.
  void UseSessionForms(SessionForms& forms) { sessionForms_ = &forms; }
  void StopClick();

  // Keys and menu
  bool FormKeyDown(int key, bool ctrl, bool shift, bool alt) override;
  void PopupMenuOpening();
  int MenuId(PopupItem item) const { return menuIds_[static_cast<size_t>(item)]; }
  // Where the advanced settings window would open; the window itself comes later.
  std::function<void(AdvancedPage)> openAdvancedSettings;
  // "Open Registry...": the registry editor at a key path.
  std::function<void(const std::string& path)> openRegistryAt;
  // The creation stamp of a snapshot file, for the snapshot summaries.
  std::function<std::string(const std::string& path)> snapshotStamp;

  // Results
  SectionResults& Results() override { return results_; }
  ResultRows Rows() const override;
  void ShowSection(SectionCode code) override;
  void SetupResultColumns(SectionCode code);
  void ShowSummary(int kind) override;
  void ShowRows(const ResultRows& rows);
  void MultiCheck();
  void ExpandRows(ExpandCommand command);

  // Controls, named as the window shows them.
  std::unique_ptr<gui::Panel> pnlALeftMain;
  std::array<std::unique_ptr<gui::GradientButton>, 6> toolbar;  // Exit, Full scan, Stop, Settings, Help, About
  gui::GradientButton& tbtnMainExit() { return *toolbar[0]; }
  gui::GradientButton& tbtnFullScan() { return *toolbar[1]; }
  gui::GradientButton& tbtnStop() { return *toolbar[2]; }
  gui::GradientButton& tbtnSettings() { return *toolbar[3]; }
  gui::GradientButton& tbtnInformation() { return *toolbar[4]; }
  gui::GradientButton& tbtnAboutNX() { return *toolbar[5]; }
  std::array<std::unique_ptr<gui::GradientButton>, 4> btnAction;
  std::unique_ptr<gui::Label> lblplugin;
  std::unique_ptr<gui::PaintBox> Image1;
  std::unique_ptr<gui::Panel> pnlAMain;
  std::unique_ptr<gui::Label> lblMainNX, lblMainCopy, lblMainURL;
  std::unique_ptr<gui::StatusBar> sbMain;
  std::unique_ptr<gui::TreeList> clbMain;
  std::unique_ptr<gui::Memo> memDetails;
  std::unique_ptr<gui::Label> lblKeyword;
  std::unique_ptr<gui::Edit> edKeywordSearch;
  std::unique_ptr<gui::Panel> pnlRegAC;
  gui::PopupMenu pmnuCache;

  struct Group {
    std::unique_ptr<gui::Panel> notebook;  // nb1System, nb1Internet, nb1History, nb1Tools
    std::unique_ptr<gui::Label> header;
    std::unique_ptr<gui::HoverTracker> headerHover;
    bool expanded = false;  // page 1
  };
  std::array<Group, 4> groups;

private:
  void CreateControls();
  void CreateGroups();
  void CreateActionButtons();
  void CreatePopupMenu();
  void CreateResultList();
  void ResetAndLoadSettings();
  void PaintLogo(HDC dc, const RECT& area);

  // Sections
  void SelectSection(std::optional<SectionCode> code);
  void SetActionButtons(const std::array<std::optional<Str>, 4>& texts);
  void SetGroupState(SectionGroup group, bool expanded);
  void LayoutLeftPanel();
  void LayoutBottom();
  void ActionClick(int button);
  void LayoutResultList(std::optional<SectionCode> code);
  void ItemChecked(RowIndex path);
  void HeaderClick(int column);
  void CheckAll(bool check);
  void SelectedChange(RowIndex path);
  void DoubleClick();
  void OpenSelectedFolder();
  void RunOperation(const std::function<void()>& operation);

  // Hot keys
  void RunHotKey(HotKeyFunction function);
  void OpenGroupFirst(SectionGroup group, int threshold);
  void MenuCommand(int id);
  void HideMenuItems();
  void OpenAdvancedSettings();

  void FormShow() override;
  void FormActivate() override;
  void FormResize(int& width, int& height) override;
  bool FormClose() override;
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void ApplyHints(std::optional<bool> showHints) override;
  void ApplyHotTrack(bool hotTrack) override;

  MainContext& context_;
  SettingsStore store_;
  EventLog log_;
  AppSettings settings_;
  double scaleFactor_ = 1.0;
  std::optional<SectionCode> current_;
  SectionResults results_;
  bool idle_ = true, stopFlag_ = false, fullScanRunning_ = false;
  std::array<std::unique_ptr<gui::RadioButton>, 15> sectionButtons_;
  std::map<SectionCode, SectionOperations> operations_;
  std::array<int, kPopupItemCount> menuIds_{};
  std::unique_ptr<gui::ToolTip> tips_;
  SessionForms* sessionForms_ = nullptr;
  std::vector<gui::Control*> components_;
};

}  // namespace nx
