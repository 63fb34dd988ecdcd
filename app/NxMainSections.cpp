// The main window's sections: the four groups, choosing a section, the action
// buttons and the fixed layout.
#include "app/NxMain.h"
#include "app/logic/StartupRules.h"
#include "wingui/Application.h"

namespace nx {
namespace {

constexpr COLORREF kCollapsedGroupColor = 16499325;  // FBC27D
constexpr COLORREF kExpandedGroupColor = 16637883;   // FDDFBB
constexpr COLORREF kCurrentSectionColor = RGB(0, 0, 255);
constexpr int kSectionButtonHeight = 22;
constexpr Str kGroupCaptions[] = {Str::GroupSystem, Str::GroupInternet, Str::GroupHistory, Str::GroupRegistry};
constexpr SectionGroup kGroups[] = {SectionGroup::System, SectionGroup::Internet, SectionGroup::History,
                                    SectionGroup::Registry};

}  // namespace

void TfrmMain::CreateGroups() {
  for (SectionGroup g : kGroups) {
    Group& group = groups[static_cast<size_t>(g)];
    group.notebook =
        std::make_unique<gui::Panel>(pnlALeftMain->Handle(), gui::Bounds{4, 0, 179, 31}, kCollapsedGroupColor);
    group.notebook->hint = Text(Str::GroupHint);
    group.notebook->onClick = [this, g] { ToggleGroup(g); };
    group.header = std::make_unique<gui::Label>(group.notebook->Handle(), gui::Bounds{8, 8, 160, 16},
                                                Text(kGroupCaptions[static_cast<size_t>(g)]));
    group.header->SetFont(boldFont_.Get());
    group.header->onClick = [this, g] { ToggleGroup(g); };
    gui::Label* header = group.header.get();
    group.headerHover = std::make_unique<gui::HoverTracker>(
        header->Handle(), [header](bool hot) { header->SetTextColor(hot ? kCurrentSectionColor : RGB(0, 0, 0)); });
    components_.push_back(group.notebook.get());
    components_.push_back(group.header.get());
    int top = 31;
    for (SectionCode code : SectionsOf(g)) {
      auto button = std::make_unique<gui::RadioButton>(
          group.notebook->Handle(), gui::Bounds{14, top, 160, kSectionButtonHeight}, Text(Traits(code).caption));
      button->onClick = [this, code] { ChooseSection(code); };
      if (code == SectionCode::HI) {
        // "History/" and the separate "Plugins" label read as one caption.
        int width = button->TextWidth(button->GetText()) + 24;
        button->SetBounds({14, top, width, kSectionButtonHeight});
        lblplugin = std::make_unique<gui::Label>(group.notebook->Handle(), gui::Bounds{14 + width, top + 3, 100, 16},
                                                 Text(Str::SectionPlugins));
        lblplugin->onClick = [this] {
          if (!SectionButton(SectionCode::HI).Checked()) ChooseSection(SectionCode::HI);
        };
      }
      top += kSectionButtonHeight + 2;
      sectionButtons_[static_cast<size_t>(code)] = std::move(button);
    }
  }
}

void TfrmMain::SelectSection(std::optional<SectionCode> code) {
  current_.reset();
  for (auto& button : sectionButtons_) {
    button->SetFont(Font());
    button->SetTextColor(std::nullopt);
  }
  lblplugin->SetFont(Font());
  lblplugin->SetTextColor(std::nullopt);
  if (!code) return;
  gui::RadioButton& button = SectionButton(*code);
  button.SetFont(boldFont_.Get());
  button.SetTextColor(kCurrentSectionColor);
  button.SetChecked(true);
  if (*code == SectionCode::HI) {
    lblplugin->SetFont(boldFont_.Get());
    lblplugin->SetTextColor(kCurrentSectionColor);
  }
  current_ = code;
  HideMenuItems();
  for (PopupItem item : Traits(*code).popupItems) pmnuCache.SetVisible(MenuId(item), true);
}

void TfrmMain::ChooseSection(SectionCode code) {
  const SectionTraits& traits = Traits(code);
  auto setUp = [&] {
    SelectSection(code);
    SetActionButtons(traits.actions);
    SetupResultColumns(code);
    ShowSummary(traits.summaryKind);
    tbtnInformation().SetEnabled(true);
    tbtnAboutNX().SetEnabled(true);
  };
  if (code != SectionCode::HI) {
    setUp();
  } else {
    // Plugin files are outside input: one that cannot be read must not
    // leave the section half made without a word.
    try {
      setUp();
    } catch (const std::exception&) {
      ShowMsg(Text(Str::MessageCaption), Text(Str::UnexpectedError), "", Text(Str::DialogOk), false, true);
    }
  }
  if (code == SectionCode::SC) stopFlag_ = false;
}

void TfrmMain::SetActionButtons(const std::array<std::optional<Str>, 4>& texts) {
  std::array<int, 4> captionWidths{};
  for (size_t i = 0; i < 4; ++i) {
    gui::GradientButton& button = *btnAction[i];
    ActionText text = SplitActionText(texts[i] ? Text(*texts[i]) : std::string());
    button.SetEnabled(true);
    button.SetText(text.caption);
    button.hint = text.hint;
    button.SetVisible(texts[i].has_value());
    // Every caption is measured in the first button's font.
    captionWidths[i] = btnAction[0]->TextWidth(text.caption);
    tips_->Update(button);
  }
  RECT client;
  GetClientRect(Handle(), &client);
  auto places = PlaceActionButtons(btnAction[0]->GetBounds().left, captionWidths, client.right);
  bool anyVisible = false;
  for (size_t i = 0; i < 4; ++i) {
    gui::Bounds bounds = btnAction[i]->GetBounds();
    btnAction[i]->SetBounds({places[i].left, bounds.top, places[i].width, bounds.height});
    anyVisible = anyVisible || texts[i].has_value();
  }
  memDetails->SetVisible(anyVisible);
}

void TfrmMain::SetGroupState(SectionGroup g, bool expanded) {
  SelectSection(std::nullopt);
  Group& group = groups[static_cast<size_t>(g)];
  group.expanded = expanded;
  int height =
      ScaledHeight(expanded ? kExpandedGroupHeights[static_cast<size_t>(g)] : kCollapsedGroupHeight, scaleFactor_);
  gui::Bounds bounds = group.notebook->GetBounds();
  group.notebook->SetBounds({bounds.left, bounds.top, bounds.width, height});
  group.notebook->SetColor(expanded ? kExpandedGroupColor : kCollapsedGroupColor);
  group.notebook->showHint = !expanded && settings_.ShowHints;
  tips_->Update(*group.notebook);
  for (SectionCode code : SectionsOf(g)) SectionButton(code).SetVisible(expanded);
  if (g == SectionGroup::History) lblplugin->SetVisible(expanded);
  LayoutLeftPanel();
}

void TfrmMain::ToggleGroup(SectionGroup g) {
  if (!idle_) return;
  if (GroupExpanded(g)) {
    SetGroupState(g, false);
    return;
  }
  SetGroupState(g, true);
  for (SectionGroup other : kGroups)
    if (other != g) SetGroupState(other, false);
  for (auto& button : btnAction) button->SetEnabled(true);
  for (SectionCode code : SectionsOf(g)) {
    if (SectionButton(code).Checked()) {
      ChooseSection(code);
      return;
    }
  }
  for (auto& button : btnAction) button->SetEnabled(false);
}

void TfrmMain::LayoutLeftPanel() {
  int top = 4;
  for (Group& group : groups) {
    gui::Bounds bounds = group.notebook->GetBounds();
    group.notebook->SetBounds({bounds.left, top, bounds.width, bounds.height});
    top += bounds.height + 4;
  }
  gui::Bounds last = groups.back().notebook->GetBounds();
  gui::Bounds panel = pnlALeftMain->GetBounds();
  pnlALeftMain->SetBounds({panel.left, panel.top, panel.width, last.top + last.height + 12});
}

void TfrmMain::LayoutBottom() {
  RECT client;
  GetClientRect(Handle(), &client);
  int width3 = btnAction[2]->GetBounds().width, width4 = btnAction[3]->GetBounds().width;
  for (auto& button : btnAction) {
    gui::Bounds bounds = button->GetBounds();
    button->SetBounds({bounds.left, client.bottom - 51, bounds.width, bounds.height});
  }
  gui::Bounds b4 = btnAction[3]->GetBounds(), b3 = btnAction[2]->GetBounds();
  btnAction[3]->SetBounds({client.right - width4 - 9, b4.top, width4, b4.height});
  btnAction[2]->SetBounds({client.right - width3 - width4 - 20, b3.top, width3, b3.height});
}

void TfrmMain::SetOperations(SectionCode code, SectionOperations operations) {
  operations_[code] = std::move(operations);
}

void TfrmMain::ActionClick(int button) {
  const std::function<void(SectionHost&)>* action = nullptr;
  if (current_) {
    auto found = operations_.find(*current_);
    if (found != operations_.end() && found->second.actions[static_cast<size_t>(button - 1)])
      action = &found->second.actions[static_cast<size_t>(button - 1)];
  }
  auto operation = [this, action] {
    if (action) (*action)(*this);
  };
  if (button <= 2) {
    gui::SetBusyCursor(true);
    if (current_ && ButtonChecksAllRows(*current_, button))
      CheckAll(button == 1);
    else
      RunOperation(operation);
    if (current_ && SummaryFollowsCheckButtons(*current_)) ShowSummary(Traits(*current_).summaryKind);
    gui::SetBusyCursor(false);
    return;
  }
  SetIdle(false);
  if (button == 4) {
    memDetails->SetText("");
    ShowRows({});
  }
  clbMain->BeginUpdate();
  RunOperation(operation);
  clbMain->EndUpdate();
  SetIdle(true);
  SetStatus(0, "");
  SetStatus(1, "");
}

}  // namespace nx
