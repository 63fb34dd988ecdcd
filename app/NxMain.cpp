#include "app/NxMain.h"

#include <shellapi.h>

#include "app/logic/StartupRules.h"
#include "core/Texts.h"
#include "win32/WideText.h"
#include "wingui/Application.h"
#include "wingui/Gradient.h"

namespace nx {
namespace {

constexpr COLORREF kAboutColor = RGB(255, 255, 255);
constexpr COLORREF kGradientLight = 11527928;  // AFE6F8
constexpr COLORREF kGradientDark = 2210014;    // 21B8DE
constexpr int kLeftPanelWidth = 187;
constexpr int kToolbarHeight = 50;

}  // namespace

TfrmMain::TfrmMain(MainContext& context)
    : Form(Text(Str::AppTitle), {CW_USEDEFAULT, CW_USEDEFAULT, 640, 480}),
      context_(context),
      store_(context.registry, context.files, context.programFolder),
      log_(context.files, context.codec, context.clock, context.formats, context.programFolder) {
  gui::SetMainForm(this);
  CreateControls();
  // FormCreate
  ResetAndLoadSettings();
  if (settings_.Logg) log_.WriteLog(Text(Str::SessionStarted));
  lblMainNX->SetText(Text(Str::CaptionPrefix) + VersionText(kProgramVersion));
  scaleFactor_ = ScaleFactorFor(PixelsPerInch());
}

TfrmMain::~TfrmMain() {
  if (gui::MainForm() == this) gui::SetMainForm(nullptr);
}

bool TfrmMain::DebugMode() const {
  return IsDebugMode(context_.args);
}

void TfrmMain::CreateControls() {
  HWND self = Handle();
  int ppi = PixelsPerInch();
  boldFont_ = gui::OwnedFont(Font(), 0, true, ppi);
  versionFont_ = gui::OwnedFont(Font(), 10, false, ppi);
  logoFont_ = gui::OwnedFont(Font(), 28, true, ppi);
  tips_ = std::make_unique<gui::ToolTip>(self);
  tips_->SetPause(100);

  constexpr Str kToolbar[] = {Str::ToolbarExit,     Str::ToolbarFullScan, Str::ToolbarStop,
                              Str::ToolbarSettings, Str::ToolbarHelp,     Str::ToolbarAbout};
  for (size_t i = 0; i < toolbar.size(); ++i) {
    // The toolbar wears the action buttons' colours the other way round.
    toolbar[i] = std::make_unique<gui::GradientButton>(self, gui::Bounds{8 + static_cast<int>(i) * 96, 10, 90, 30},
                                                       Text(kToolbar[i]), kGradientDark, kGradientLight);
    components_.push_back(toolbar[i].get());
  }
  tbtnStop().SetEnabled(false);
  tbtnMainExit().onClick = [this] { Close(); };
  tbtnStop().onClick = [this] { StopClick(); };
  tbtnAboutNX().onClick = [this] { ShowAboutState(); };

  pnlALeftMain = std::make_unique<gui::Panel>(self, gui::Bounds{0, kToolbarHeight, kLeftPanelWidth, 200},
                                              GetSysColor(COLOR_BTNFACE));
  CreateGroups();
  CreateActionButtons();
  CreatePopupMenu();
  CreateResultList();

  Image1 = std::make_unique<gui::PaintBox>(self, gui::Bounds{kLeftPanelWidth + 12, 61, 420, 200});
  Image1->onPaint = [this](HDC dc, const RECT& area) { PaintLogo(dc, area); };
  lblMainURL = std::make_unique<gui::Label>(self, gui::Bounds{0, 279, 200, 16}, Text(Str::MakerUrl), SS_RIGHT);
  gui::Bounds logo = Image1->GetBounds();
  int urlWidth = lblMainURL->TextWidth(lblMainURL->GetText()) + 4;
  lblMainURL->SetBounds({logo.left + logo.width - urlWidth, 279, urlWidth, 16});
  lblMainURL->onClick = [] {
    ShellExecuteW(nullptr, L"open", Widen(Text(Str::MakerUrl)).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  };

  pnlAMain = std::make_unique<gui::Panel>(self, gui::Bounds{kLeftPanelWidth + 12, 302, 420, 90}, kAboutColor);
  lblMainNX = std::make_unique<gui::Label>(pnlAMain->Handle(), gui::Bounds{16, 9, 380, 20}, "");
  lblMainNX->SetFont(versionFont_.Get());
  lblMainCopy = std::make_unique<gui::Label>(pnlAMain->Handle(), gui::Bounds{16, 36, 396, 48}, Text(Str::MakerNotice));

  sbMain = std::make_unique<gui::StatusBar>(self, std::vector<int>{260, 600});
  for (gui::Control* control : std::initializer_list<gui::Control*>{Image1.get(), lblMainURL.get(), pnlAMain.get(),
                                                                    lblMainNX.get(), lblMainCopy.get()})
    components_.push_back(control);
}

void TfrmMain::CreateActionButtons() {
  for (size_t i = 0; i < btnAction.size(); ++i) {
    btnAction[i] = std::make_unique<gui::GradientButton>(Handle(), gui::Bounds{kLeftPanelWidth + 12, 0, 80, 25}, "",
                                                         kGradientLight, kGradientDark);
    btnAction[i]->onClick = [this, i] { ActionClick(static_cast<int>(i) + 1); };
    components_.push_back(btnAction[i].get());
  }
}

void TfrmMain::ResetAndLoadSettings() {
  for (SectionGroup group :
       {SectionGroup::System, SectionGroup::Internet, SectionGroup::History, SectionGroup::Registry})
    SetGroupState(group, false);
  store_.LoadTempMasks(settings_);
  if (!store_.LoadSettings(settings_, *this)) store_.ApplyDefaultSettings(settings_, *this);
}

void TfrmMain::ShowAboutState() {
  tbtnAboutNX().SetEnabled(false);
  SelectSection(std::nullopt);
  HideMenuItems();
  SetActionButtons({});
  clbMain->SetVisible(false);
  pnlRegAC->SetVisible(false);
  lblKeyword->SetVisible(false);
  edKeywordSearch->SetVisible(false);
  for (SectionGroup group :
       {SectionGroup::System, SectionGroup::Internet, SectionGroup::History, SectionGroup::Registry})
    SetGroupState(group, false);
  Image1->SetVisible(true);
  lblMainURL->SetVisible(true);
  pnlAMain->SetVisible(true);
}

void TfrmMain::PaintLogo(HDC dc, const RECT& area) {
  gui::FillVerticalGradient(dc, area, RGB(0xF8, 0xE6, 0xAF), RGB(0xDE, 0xB8, 0x21));
  HGDIOBJ old = SelectObject(dc, logoFont_.Get());
  SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, RGB(0, 0, 160));
  RECT text = area;
  DrawTextW(dc, L"Neatrix!", -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
}

void TfrmMain::FormShow() {
  ResetAndLoadSettings();
  SetSize(640, 480);
  SetActionButtons({});
  LayoutBottom();
  ShowAboutState();
}

void TfrmMain::FormActivate() {
  if (!IsAutoScan(context_.args) || gui::Terminated()) return;
  Minimize();
  context_.runAutomaticFullScan();
  gui::Terminate();
}

void TfrmMain::FormResize(int& width, int& height) {
  WindowSize size = ClampMainWindowSize({width, height});
  width = size.width;
  height = size.height;
}

bool TfrmMain::FormClose() {
  if (settings_.Logg) {
    log_.WriteLog(Text(Str::SessionTerminated));
    log_.WriteLog(" ");
    log_.WriteLog(" ");
  }
  return true;
}

std::optional<LRESULT> TfrmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE && sbMain) {
    sbMain->Relayout();
    LayoutBottom();
    LayoutResultList(current_);
  }
  return Form::HandleMessage(message, wParam, lParam);
}

void TfrmMain::ApplyHints(std::optional<bool> showHints) {
  for (gui::Control* control : components_) {
    if (control->hint.empty())
      control->showHint = false;
    else if (showHints)
      control->showHint = *showHints;
    tips_->Update(*control);
  }
}

void TfrmMain::ApplyHotTrack(bool hotTrack) {
  clbMain->SetHotTrack(hotTrack);
}

}  // namespace nx
