#include "app/NxMain.h"

#include "app/logic/StartupRules.h"
#include "core/Texts.h"
#include "win32/WideText.h"
#include "wingui/Application.h"

#include <shellapi.h>

namespace nx {
namespace {

constexpr COLORREF kCollapsedGroupColor = 16499325;  // FBC27D
constexpr COLORREF kAboutColor = RGB(255, 255, 255);
constexpr int kLeftPanelWidth = 187;
constexpr int kToolbarHeight = 50;
constexpr int kCollapsedGroupHeight = 31;
constexpr Str kGroupCaptions[] = {Str::GroupSystem, Str::GroupInternet, Str::GroupHistory, Str::GroupRegistry};

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

bool TfrmMain::DebugMode() const {
  return IsDebugMode(context_.args);
}

void TfrmMain::CreateControls() {
  HWND self = Handle();
  int ppi = PixelsPerInch();
  boldFont_ = gui::OwnedFont(Font(), 0, true, ppi);
  versionFont_ = gui::OwnedFont(Font(), 10, false, ppi);
  logoFont_ = gui::OwnedFont(Font(), 28, true, ppi);

  int x = 8;
  auto toolbarButton = [&](Str caption) {
    auto button = std::make_unique<gui::Button>(self, gui::Bounds{x, 10, 90, 30}, Text(caption));
    x += 96;
    components_.push_back(button.get());
    return button;
  };
  tbtnMainExit = toolbarButton(Str::ToolbarExit);
  tbtnFullScan = toolbarButton(Str::ToolbarFullScan);
  tbtnStop = toolbarButton(Str::ToolbarStop);
  tbtnSettings = toolbarButton(Str::ToolbarSettings);
  tbtnInformation = toolbarButton(Str::ToolbarHelp);
  tbtnAboutNX = toolbarButton(Str::ToolbarAbout);
  tbtnStop->SetEnabled(false);
  tbtnMainExit->onClick = [this] { Close(); };
  tbtnAboutNX->onClick = [this] { ShowAboutState(); };

  pnlALeftMain = std::make_unique<gui::Panel>(self, gui::Bounds{0, kToolbarHeight, kLeftPanelWidth, 200},
                                              GetSysColor(COLOR_BTNFACE));
  for (size_t i = 0; i < groups.size(); ++i) {
    SectionGroup& group = groups[i];
    group.notebook = std::make_unique<gui::Panel>(pnlALeftMain->Handle(), gui::Bounds{4, 0, kLeftPanelWidth - 8, 31},
                                                  kCollapsedGroupColor);
    group.notebook->hint = Text(Str::GroupHint);
    group.header =
        std::make_unique<gui::Label>(group.notebook->Handle(), gui::Bounds{8, 8, 160, 16}, Text(kGroupCaptions[i]));
    group.header->SetFont(boldFont_.Get());
    components_.push_back(group.notebook.get());
    components_.push_back(group.header.get());
  }

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
  for (gui::Control* control : {static_cast<gui::Control*>(Image1.get()), static_cast<gui::Control*>(lblMainURL.get()),
                                static_cast<gui::Control*>(pnlAMain.get()), static_cast<gui::Control*>(lblMainNX.get()),
                                static_cast<gui::Control*>(lblMainCopy.get())})
    components_.push_back(control);
}

void TfrmMain::ResetAndLoadSettings() {
  CollapseAllGroups();
  store_.LoadTempMasks(settings_);
  if (!store_.LoadSettings(settings_, *this)) store_.ApplyDefaultSettings(settings_, *this);
}

void TfrmMain::CollapseAllGroups() {
  int height = ScaledHeight(kCollapsedGroupHeight, scaleFactor_);
  for (SectionGroup& group : groups) {
    gui::Bounds bounds = group.notebook->GetBounds();
    group.notebook->SetBounds({bounds.left, bounds.top, bounds.width, height});
  }
  LayoutLeftPanel();
}

void TfrmMain::LayoutLeftPanel() {
  int top = 4;
  for (SectionGroup& group : groups) {
    gui::Bounds bounds = group.notebook->GetBounds();
    group.notebook->SetBounds({bounds.left, top, bounds.width, bounds.height});
    top += bounds.height + 4;
  }
  gui::Bounds last = groups.back().notebook->GetBounds();
  gui::Bounds panel = pnlALeftMain->GetBounds();
  pnlALeftMain->SetBounds({panel.left, panel.top, kLeftPanelWidth, last.top + last.height + 12});
}

void TfrmMain::ShowAboutState() {
  tbtnAboutNX->SetEnabled(false);
  CollapseAllGroups();
  Image1->SetVisible(true);
  lblMainURL->SetVisible(true);
  pnlAMain->SetVisible(true);
}

void TfrmMain::PaintLogo(HDC dc, const RECT& area) {
  TRIVERTEX corners[2] = {{area.left, area.top, 0xF800, 0xE600, 0xAF00, 0},
                          {area.right, area.bottom, 0xDE00, 0xB800, 0x2100, 0}};
  GRADIENT_RECT rect{0, 1};
  GradientFill(dc, corners, 2, &rect, 1, GRADIENT_FILL_RECT_V);
  HGDIOBJ old = SelectObject(dc, logoFont_.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 160));
  RECT text = area;
  DrawTextW(dc, L"Neatrix!", -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
}

void TfrmMain::FormShow() {
  ResetAndLoadSettings();
  SetSize(640, 480);
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
  if (message == WM_SIZE && sbMain) sbMain->Relayout();
  return Form::HandleMessage(message, wParam, lParam);
}

void TfrmMain::ApplyHints(std::optional<bool> showHints) {
  for (gui::Control* control : components_) {
    if (control->hint.empty())
      control->showHint = false;
    else if (showHints)
      control->showHint = *showHints;
  }
}

void TfrmMain::ApplyHotTrack(bool /*hotTrack*/) {}  // the tree lists come with the sections

}  // namespace nx
