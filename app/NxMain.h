#pragma once
// TfrmMain, the main window: its life from creation to close and the About
// state it starts in.
#include <array>
#include <memory>
#include <vector>

#include "app/logic/EventLog.h"
#include "app/MainContext.h"
#include "services/SettingsStore.h"
#include "wingui/Font.h"
#include "wingui/Form.h"
#include "wingui/PaintBox.h"
#include "wingui/StatusBar.h"

namespace nx {

class TfrmMain : public gui::Form, private DisplayOptionsTarget {
  // Declared first so they outlive the controls that use them.
  gui::OwnedFont boldFont_, versionFont_, logoFont_;

public:
  explicit TfrmMain(MainContext& context);

  AppSettings& Settings() { return settings_; }
  EventLog& Log() { return log_; }
  bool DebugMode() const;
  double ScaleFactor() const { return scaleFactor_; }
  std::string CurrentLanguage = "English";

  struct SectionGroup {
    std::unique_ptr<gui::Panel> notebook;
    std::unique_ptr<gui::Label> header;
  };

  // Controls, named as the window shows them.
  std::unique_ptr<gui::Panel> pnlALeftMain;
  std::array<SectionGroup, 4> groups;  // System, Internet, History, Registry
  std::unique_ptr<gui::Button> tbtnMainExit, tbtnFullScan, tbtnStop, tbtnSettings, tbtnInformation, tbtnAboutNX;
  std::unique_ptr<gui::PaintBox> Image1;
  std::unique_ptr<gui::Panel> pnlAMain;
  std::unique_ptr<gui::Label> lblMainNX, lblMainCopy, lblMainURL;
  std::unique_ptr<gui::StatusBar> sbMain;

private:
  void CreateControls();
  void ResetAndLoadSettings();
  void CollapseAllGroups();
  void LayoutLeftPanel();
  void ShowAboutState();
  void PaintLogo(HDC dc, const RECT& area);

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
  std::vector<gui::Control*> components_;
};

}  // namespace nx
