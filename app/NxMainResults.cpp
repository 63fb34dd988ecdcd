// The main window's result list: rebuilding it per section, the check rules,
// sorting, summaries, multi-check, expand and collapse.
#include "app/NxMain.h"

#include <shellapi.h>

#include "app/SessionForms.h"
#include "app/SmallIcons.h"
#include "app/logic/CheckRules.h"
#include "app/logic/MultiCheck.h"
#include "app/logic/RowSorting.h"
#include "app/logic/Summary.h"
#include "core/Texts.h"
#include "win32/WideText.h"
#include "wingui/Application.h"

namespace nx {
namespace {

constexpr COLORREF kResultListColor = 16637883;  // FDDFBB

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
  return text;
}

}  // namespace

void TfrmMain::CreateResultList() {
  HWND self = Handle();
  smallIcons_ = MakeSmallIcons16();
  clbMain = std::make_unique<gui::TreeList>(self, gui::Bounds{199, 56, 420, 200});
  clbMain->SetImages(smallIcons_);
  clbMain->SetColor(kResultListColor);
  clbMain->SetVisible(false);
  clbMain->onItemChecked = [this](RowIndex path) { ItemChecked(path); };
  clbMain->onHeaderClick = [this](int column) { HeaderClick(column); };
  clbMain->onSelectedChange = [this](RowIndex path) { SelectedChange(path); };
  clbMain->onDoubleClick = [this] { DoubleClick(); };
  clbMain->onContextMenu = [this](POINT screen) { pmnuCache.Popup(Handle(), screen); };
  memDetails = std::make_unique<gui::Memo>(self, gui::Bounds{199, 300, 420, 64}, true, true);
  memDetails->SetVisible(false);
  lblKeyword = std::make_unique<gui::Label>(self, gui::Bounds{199, 0, 90, 16}, Text(Str::KeywordLabel));
  edKeywordSearch = std::make_unique<gui::Edit>(self, gui::Bounds{292, 0, 200, 21});
  pnlRegAC = std::make_unique<gui::Panel>(self, gui::Bounds{0, 56, 200, 200}, GetSysColor(COLOR_BTNFACE));
  for (gui::Control* control :
       std::initializer_list<gui::Control*>{lblKeyword.get(), edKeywordSearch.get(), pnlRegAC.get()})
    control->SetVisible(false);
  components_.push_back(clbMain.get());
}

void TfrmMain::SetupResultColumns(SectionCode code) {
  pnlRegAC->SetVisible(false);
  lblKeyword->SetVisible(false);
  edKeywordSearch->SetVisible(false);
  LayoutResultList(code);
  clbMain->SetEnabled(false);
  clbMain->BeginUpdate();
  std::vector<gui::TreeListColumn> columns;
  for (const ColumnTraits& column : Traits(code).columns) columns.push_back({Text(column.caption), column.width});
  clbMain->SetColumns(columns);
  clbMain->SetRows(BuildRows(code, results_));
  if (code == SectionCode::AC) pnlRegAC->SetVisible(true);
  if (code == SectionCode::KW) {
    lblKeyword->SetVisible(true);
    edKeywordSearch->SetVisible(true);
  }
  clbMain->SetEnabled(true);
  clbMain->EndUpdate();
  if (!clbMain->Visible()) {
    Image1->SetVisible(false);
    lblMainURL->SetVisible(false);
    pnlAMain->SetVisible(false);
    clbMain->SetVisible(true);
  }
}

ResultRows TfrmMain::Rows() const {
  return clbMain->Rows();
}

void TfrmMain::ShowSection(SectionCode code) {
  SetupResultColumns(code);
  ShowSummary(Traits(code).summaryKind);
}

void TfrmMain::LayoutResultList(std::optional<SectionCode> code) {
  RECT client;
  GetClientRect(Handle(), &client);
  gui::Bounds window = GetBounds(), list = clbMain->GetBounds();
  int width = window.width - list.left - 18;
  if (code == SectionCode::AC) width -= pnlRegAC->GetBounds().width;
  int height = window.height - list.top - (code == SectionCode::KW ? 180 : 155);
  clbMain->SetBounds({list.left, list.top, width, height});
  memDetails->SetBounds({list.left, client.bottom - 121, width, 64});
  int labelWidth = lblKeyword->TextWidth(lblKeyword->GetText()) + 4;
  lblKeyword->SetBounds({list.left, client.bottom - 148 + 5, labelWidth, 16});
  edKeywordSearch->SetBounds({list.left + labelWidth + 6, client.bottom - 148, 250, 21});
  gui::Bounds panel = pnlRegAC->GetBounds();
  pnlRegAC->SetBounds({client.right - panel.width - 5, list.top, panel.width, height});
}

void TfrmMain::ShowSummary(int kind) {
  // Only the cache summary needs the cache switches; they are not in the
  // settings record, so they come from the registry.
  CacheSwitches cache;
  if (kind == Traits(SectionCode::CA).summaryKind) {
    if (auto key = context_.registry.OpenKey(RootKey::CurrentUser, kSettingsKey, false))
      cache = {key->ReadInteger("NS6xCache") == 1, key->ReadInteger("NS4xCache") == 1,
               key->ReadInteger("OP6xCache") == 1};
  }
  SummarySources sources{clbMain->Rows(), results_, cache, snapshotStamp};
  memDetails->SetText(JoinLines(SummaryLines(kind, sources)));
  SendMessageW(memDetails->Handle(), EM_SETSEL, 0, 0);
  SendMessageW(memDetails->Handle(), EM_SCROLLCARET, 0, 0);
}

void TfrmMain::ShowRows(const ResultRows& rows) {
  clbMain->BeginUpdate();
  clbMain->SetRows(rows);
  clbMain->EndUpdate();
}

void TfrmMain::ItemChecked(RowIndex path) {
  if (!current_) return;
  ResultRows rows = clbMain->Rows();
  CheckReaction reaction = ApplyCheckRules(*current_, idle_, path, rows, results_);
  if (rows != clbMain->Rows()) ShowRows(rows);
  if (reaction == CheckReaction::KeptOneCopy)
    ShowMsg(Text(Str::MessageCaption), Text(Str::KeepOneCopy), "", Text(Str::DialogOk), false, true);
  if (reaction != CheckReaction::None) ShowSummary(Traits(*current_).summaryKind);
}

void TfrmMain::HeaderClick(int column) {
  if (!current_) return;
  gui::SetBusyCursor(true);
  ResultRows rows = clbMain->Rows();
  if (SortSection(*current_, static_cast<size_t>(column), rows, results_)) ShowRows(rows);
  gui::SetBusyCursor(false);
}

void TfrmMain::CheckAll(bool check) {
  ResultRows rows = clbMain->Rows();
  for (ResultRow& row : rows) {
    row.checked = check;
    for (ResultRow& child : row.children) child.checked = check;
  }
  ShowRows(rows);
  if (*current_ != SectionCode::KW) WriteCheckMarks(*current_, rows, results_);
}

void TfrmMain::SelectedChange(RowIndex path) {
  if (current_ != SectionCode::HI || clbMain->Rows().empty()) return;
  memDetails->SetText(results_.hi.descriptions.at(path.row));
  SendMessageW(memDetails->Handle(), EM_SETSEL, 0, 0);
}

void TfrmMain::DoubleClick() {
  auto selected = clbMain->SelectedRow();
  if (current_ != SectionCode::KW || !selected) return;
  const std::string& type = RowAt(clbMain->Rows(), *selected).caption;
  if (type == Text(Str::KindFileName) || type == Text(Str::KindFolderName) || type == Text(Str::KindTextInFile))
    OpenSelectedFolder();
  else if (openRegistryAt)
    openRegistryAt(ColumnText(RowAt(clbMain->Rows(), *selected), 1));
}

void TfrmMain::OpenSelectedFolder() {
  auto selected = clbMain->SelectedRow();
  if (!selected) return;
  std::string folder = FolderOf(ColumnText(RowAt(clbMain->Rows(), *selected), 1));
  ShellExecuteW(nullptr, L"open", Widen(folder).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TfrmMain::MultiCheck() {
  if (!sessionForms_) return;
  TfrmMultiSelect& dialog = *sessionForms_->frmMultiSelect;
  dialog.onApply = [this](bool check, const std::string& mask) {
    auto height = [this](SectionGroup g) { return groups[static_cast<size_t>(g)].notebook->GetBounds().height; };
    std::optional<SectionCode> code = MultiCheckSection(
        {height(SectionGroup::System), height(SectionGroup::Internet), height(SectionGroup::Registry)},
        [this](SectionCode c) { return SectionButton(c).Checked(); });
    if (!code) return;
    ResultRows rows = clbMain->Rows();
    ApplyMultiCheck(*code, mask, check, rows, results_);
    ShowRows(rows);
    ShowSummary(Traits(*code).summaryKind);
  };
  dialog.onHelp = [this] {
    sessionForms_->frmInformation->ShowInformation(Text(Str::MultiSelectInfoCaption), Text(Str::MultiSelectInfoText));
  };
  dialog.ShowModal();
}

void TfrmMain::ExpandRows(ExpandCommand command) {
  std::optional<SectionCode> checked;
  for (SectionCode code : SectionsOf(SectionGroup::System))
    if (SectionButton(code).Checked()) checked = code;
  ResultRows rows = clbMain->Rows();
  ApplyExpandCommand(command, checked, rows);
  clbMain->BeginUpdate();
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].children.empty()) continue;
    rows[i].expanded ? clbMain->Expand(i) : clbMain->Collapse(i);
  }
  clbMain->EndUpdate();
}

}  // namespace nx
