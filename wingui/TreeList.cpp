#include "wingui/TreeList.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

#include "win32/WideText.h"
#include "wingui/Window.h"

namespace nx::gui {
namespace {

constexpr int kHeaderHeight = 22;
constexpr COLORREF kHotText = RGB(0, 0, 255);
// A user's toggle of a check box, carried out once the list has finished with
// the message that asked for it.
constexpr UINT kUserToggle = WM_APP + 1;

// The state pictures; state n of an item shows picture n − 1, state 0 none.
enum BoxState : UINT { kNoBox = 0, kUnchecked = 1, kChecked = 2, kLockedUnchecked = 3, kLockedChecked = 4 };

UINT BoxStateOf(const TreeListRow& row) {
  if (!row.checkBoxShown) return INDEXTOSTATEIMAGEMASK(kNoBox);
  UINT state = row.checked ? kChecked : kUnchecked;
  if (!row.checkBoxEnabled) state += kLockedUnchecked - kUnchecked;
  return INDEXTOSTATEIMAGEMASK(state);
}

void DrawBox(HDC dc, bool checked, bool locked) {
  HBRUSH fill = CreateSolidBrush(locked ? RGB(232, 232, 232) : RGB(255, 255, 255));
  HPEN edge = CreatePen(PS_SOLID, 1, locked ? RGB(175, 175, 175) : RGB(90, 90, 90));
  HGDIOBJ oldBrush = SelectObject(dc, fill);
  HGDIOBJ oldPen = SelectObject(dc, edge);
  Rectangle(dc, 1, 1, 14, 14);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(fill);
  DeleteObject(edge);
  if (!checked) return;
  HPEN mark = CreatePen(PS_SOLID, 2, locked ? RGB(150, 150, 150) : RGB(25, 25, 25));
  oldPen = SelectObject(dc, mark);
  POINT tick[] = {{4, 7}, {6, 9}, {11, 4}};
  Polyline(dc, tick, 3);
  SelectObject(dc, oldPen);
  DeleteObject(mark);
}

ImageList MakeCheckBoxes() {
  ImageList boxes;
  for (bool locked : {false, true})
    for (bool checked : {false, true}) boxes.Add([&](HDC dc) { DrawBox(dc, checked, locked); });
  return boxes;
}

// A boxed + or − as tree views show it.
void DrawGlyph(HDC dc, RECT slot, bool expanded) {
  int x = (slot.left + slot.right) / 2, y = (slot.top + slot.bottom) / 2;
  HBRUSH fill = CreateSolidBrush(RGB(255, 255, 255));
  HPEN edge = CreatePen(PS_SOLID, 1, RGB(140, 140, 140));
  HPEN sign = CreatePen(PS_SOLID, 1, RGB(40, 40, 40));
  HGDIOBJ oldBrush = SelectObject(dc, fill);
  HGDIOBJ oldPen = SelectObject(dc, edge);
  Rectangle(dc, x - 4, y - 4, x + 5, y + 5);
  SelectObject(dc, sign);
  MoveToEx(dc, x - 2, y, nullptr);
  LineTo(dc, x + 3, y);
  if (!expanded) {
    MoveToEx(dc, x, y - 2, nullptr);
    LineTo(dc, x, y + 3);
  }
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(fill);
  DeleteObject(edge);
  DeleteObject(sign);
}

// The list view sizes its header from the header's layout answer.
LRESULT CALLBACK HeaderProcedure(HWND header, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == HDM_LAYOUT) {
    LRESULT result = DefSubclassProc(header, message, wParam, lParam);
    auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
    layout->pwpos->cy = kHeaderHeight;
    layout->prc->top = layout->pwpos->y + kHeaderHeight;
    return result;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(header, HeaderProcedure, 0);
  return DefSubclassProc(header, message, wParam, lParam);
}

}  // namespace

TreeList::TreeList(HWND parent, Bounds bounds) : checkBoxes_(MakeCheckBoxes()) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  // Shared image lists: the pictures belong to their ImageList owners.
  Create(WC_LISTVIEWW,
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
         WS_EX_CLIENTEDGE, parent, bounds);
  ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  // The check-box style keeps the list's meaning for assistive tools; its own
  // two pictures give way to ours, which have the locked states too.
  if (HIMAGELIST own = ListView_SetImageList(hwnd_, checkBoxes_.Handle(), LVSIL_STATE)) ImageList_Destroy(own);
  SetWindowSubclass(hwnd_, &TreeList::ListProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
  SetWindowSubclass(ListView_GetHeader(hwnd_), HeaderProcedure, 0, 0);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);  // header again
}

TreeList::~TreeList() {
  RemoveWindowSubclass(hwnd_, &TreeList::ListProcedure, 0);
}

void TreeList::SetColumns(const std::vector<TreeListColumn>& columns) {
  // Column 0 holds the items themselves, so it is renamed rather than removed.
  int existing = Header_GetItemCount(ListView_GetHeader(hwnd_));
  for (int column = existing - 1; column >= 1; --column) ListView_DeleteColumn(hwnd_, column);
  for (int index = 0; index < static_cast<int>(columns.size()); ++index) {
    std::wstring caption = Widen(columns[index].caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = caption.data();
    column.cx = columns[index].width;
    column.iSubItem = index;
    if (index == 0 && existing > 0)
      ListView_SetColumn(hwnd_, 0, &column);
    else
      ListView_InsertColumn(hwnd_, index, &column);
  }
  if (columns.empty() && existing > 0) ListView_DeleteColumn(hwnd_, 0);
}

void TreeList::SetRows(std::vector<TreeListRow> rows) {
  BeginUpdate();
  ListView_DeleteAllItems(hwnd_);
  rows_ = std::move(rows);
  tree_ = std::any_of(rows_.begin(), rows_.end(), [](const TreeListRow& row) { return !row.children.empty(); });
  hotItem_ = -1;
  int index = 0;
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    InsertItem(index++, {row});
    if (rows_[row].expanded)
      for (std::size_t child = 0; child < rows_[row].children.size(); ++child) InsertItem(index++, {row, child});
  }
  Relist();
  EndUpdate();
}

void TreeList::SetChecked(TreeListPath path, bool checked) {
  RowAt(path).checked = checked;
  ShowCheckBox(path);
}

void TreeList::SetCheckEnabled(TreeListPath path, bool enabled) {
  RowAt(path).checkBoxEnabled = enabled;
  ShowCheckBox(path);
}

void TreeList::Expand(std::size_t row) {
  TreeListRow& parent = rows_.at(row);
  if (parent.expanded || parent.children.empty()) return;
  parent.expanded = true;
  BeginUpdate();
  int index = firstIndex_[row];
  for (std::size_t child = 0; child < parent.children.size(); ++child)
    InsertItem(index + 1 + static_cast<int>(child), {row, child});
  Relist();
  ListView_RedrawItems(hwnd_, index, index);
  EndUpdate();
}

void TreeList::Collapse(std::size_t row) {
  TreeListRow& parent = rows_.at(row);
  if (!parent.expanded || parent.children.empty()) return;
  parent.expanded = false;
  std::optional<TreeListPath> selected = SelectedRow();
  BeginUpdate();
  int index = firstIndex_[row];
  for (std::size_t child = 0; child < parent.children.size(); ++child) ListView_DeleteItem(hwnd_, index + 1);
  Relist();
  // The selection stays in the family rather than vanishing with the child.
  if (selected && selected->row == row && selected->child) Select({row});
  ListView_RedrawItems(hwnd_, index, index);
  EndUpdate();
}

std::optional<TreeListPath> TreeList::SelectedRow() const {
  int index = ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED);
  if (index < 0) return std::nullopt;
  return PathAt(index);
}

void TreeList::Select(TreeListPath path) {
  RowAt(path);
  if (path.child) Expand(path.row);
  int index = ListIndex(path);
  UINT state = LVIS_SELECTED | LVIS_FOCUSED;
  ListView_SetItemState(hwnd_, index, state, state);
  ListView_EnsureVisible(hwnd_, index, FALSE);
}

void TreeList::BeginUpdate() {
  if (updates_++ == 0) SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
}

void TreeList::EndUpdate() {
  if (updates_ == 0 || --updates_ > 0) return;
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void TreeList::SetHotTrack(bool hotTrack) {
  hotTrack_ = hotTrack;
  if (!hotTrack) SetHot(-1);
}

void TreeList::SetColor(COLORREF color) {
  ListView_SetBkColor(hwnd_, color);
  ListView_SetTextBkColor(hwnd_, color);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void TreeList::SetImages(const ImageList& images) {
  ListView_SetImageList(hwnd_, images.Handle(), LVSIL_SMALL);
}

std::optional<LRESULT> TreeList::OnNotify(NMHDR* header) {
  switch (header->code) {
    case LVN_ITEMCHANGING: {
      auto* change = reinterpret_cast<NMLISTVIEW*>(header);
      bool boxChanges =
          (change->uChanged & LVIF_STATE) && ((change->uNewState ^ change->uOldState) & LVIS_STATEIMAGEMASK);
      if (!boxChanges || changingBoxes_ || change->iItem < 0) break;
      // Someone else, an assistive tool for one, toggles the box: our rules
      // apply, which the list does not know.
      RequestToggle(change->iItem);
      return TRUE;
    }
    case LVN_ITEMCHANGED: {
      auto* change = reinterpret_cast<NMLISTVIEW*>(header);
      bool selected = (change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) &&
                      !(change->uOldState & LVIS_SELECTED);
      if (selected && change->iItem >= 0 && onSelectedChange) onSelectedChange(PathAt(change->iItem));
      break;
    }
    case LVN_COLUMNCLICK:
      if (onHeaderClick) onHeaderClick(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
      return 0;
    case NM_DBLCLK:
      if (onDoubleClick) onDoubleClick();
      return 0;
    case NM_CUSTOMDRAW:
      return CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(header));
  }
  return std::nullopt;
}

LRESULT CALLBACK TreeList::ListProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
  auto* list = reinterpret_cast<TreeList*>(self);
  if (auto result = Guarded([&] { return list->HandleListMessage(message, wParam, lParam); })) return *result;
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

std::optional<LRESULT> TreeList::HandleListMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kUserToggle:
      UserToggle(static_cast<int>(wParam), static_cast<unsigned>(lParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      LVHITTESTINFO hit{};
      hit.pt = point;
      int index = ListView_HitTest(hwnd_, &hit);
      // The glyph first: the list counts the indent before the box as part
      // of the box.
      if (IsParentItem(index)) {
        RECT glyph = GlyphRect(index);
        if (PtInRect(&glyph, point)) {
          SetFocus(hwnd_);
          std::size_t row = PathAt(index).row;
          rows_[row].expanded ? Collapse(row) : Expand(row);
          return 0;
        }
      }
      // Every click on a box toggles it, the second of a double-click too,
      // whatever the list's own toggle would do.
      if (index >= 0 && (hit.flags & LVHT_ONITEMSTATEICON)) {
        SetFocus(hwnd_);
        Select(PathAt(index));
        RequestToggle(index);
        return 0;
      }
      break;
    }
    case WM_KEYDOWN:
      if (TreeKey(wParam)) return 0;
      break;
    case WM_CHAR:
      if (TreeChar(wParam)) return 0;
      break;
    case WM_MOUSEMOVE:
      if (hotTrack_) {
        SetHot(ItemAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
        TrackMouseEvent(&track);
      }
      break;
    case WM_MOUSELEAVE:
      SetHot(-1);
      break;
    case WM_CONTEXTMENU:
      if (onContextMenu) {
        onContextMenu(ContextPoint(lParam));
        return 0;
      }
      break;
  }
  return std::nullopt;
}

LRESULT TreeList::CustomDraw(NMLVCUSTOMDRAW& draw) {
  int index = static_cast<int>(draw.nmcd.dwItemSpec);
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      if (hotTrack_ && index == hotItem_) draw.clrText = kHotText;
      return IsParentItem(index) ? CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT;
    case CDDS_ITEMPOSTPAINT:
      if (IsParentItem(index)) DrawGlyph(draw.nmcd.hdc, GlyphRect(index), rows_[PathAt(index).row].expanded);
      break;
  }
  return CDRF_DODEFAULT;
}

void TreeList::RequestToggle(int index) {
  PostMessageW(hwnd_, kUserToggle, static_cast<WPARAM>(index), static_cast<LPARAM>(layout_));
}

void TreeList::UserToggle(int index, unsigned layout) {
  // A toggle posted before the rows moved would hit another row.
  if (layout != layout_ || index < 0 || index >= ListView_GetItemCount(hwnd_)) return;
  TreeListPath path = PathAt(index);
  const TreeListRow& row = RowAt(path);
  if (!row.checkBoxShown || !row.checkBoxEnabled) return;
  SetChecked(path, !row.checked);
  if (onItemChecked) onItemChecked(path);
}

bool TreeList::TreeKey(WPARAM key) {
  std::optional<TreeListPath> selected = SelectedRow();
  if (!tree_ || !selected || (key != VK_RIGHT && key != VK_LEFT)) return false;
  const TreeListRow& top = rows_[selected->row];
  if (key == VK_LEFT && selected->child) {
    Select({selected->row});
  } else if (selected->child || top.children.empty()) {
    return false;  // the list scrolls sideways as usual
  } else if (key == VK_RIGHT) {
    top.expanded ? Select({selected->row, 0}) : Expand(selected->row);
  } else if (top.expanded) {
    Collapse(selected->row);
  } else {
    return false;
  }
  return true;
}

bool TreeList::TreeChar(WPARAM character) {
  std::optional<TreeListPath> selected = SelectedRow();
  // Kept from the list's search by first letters, which would move the selection.
  if (!tree_ || !selected || (character != L'+' && character != L'-')) return false;
  character == L'+' ? Expand(selected->row) : Collapse(selected->row);
  return true;
}

POINT TreeList::ContextPoint(LPARAM lParam) const {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (point.x != -1 || point.y != -1) return point;
  // From the keyboard: under the selected row, else at the top left corner.
  point = {0, 0};
  int index = ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED);
  RECT label{};
  if (index >= 0 && ListView_GetItemRect(hwnd_, index, &label, LVIR_LABEL)) point = {label.left, label.bottom};
  ClientToScreen(hwnd_, &point);
  return point;
}

TreeListRow& TreeList::RowAt(TreeListPath path) {
  TreeListRow& top = rows_.at(path.row);
  return path.child ? top.children.at(*path.child) : top;
}

int TreeList::ListIndex(TreeListPath path) const {
  if (!path.child) return firstIndex_[path.row];
  return rows_[path.row].expanded ? firstIndex_[path.row] + 1 + static_cast<int>(*path.child) : -1;
}

TreeListPath TreeList::PathAt(int index) const {
  auto after = std::upper_bound(firstIndex_.begin(), firstIndex_.end(), index);
  auto row = static_cast<std::size_t>(after - firstIndex_.begin() - 1);
  int offset = index - firstIndex_[row];
  if (offset == 0) return {row};
  return {row, static_cast<std::size_t>(offset - 1)};
}

int TreeList::ItemAt(POINT client) const {
  LVHITTESTINFO hit{};
  hit.pt = client;
  return ListView_HitTest(hwnd_, &hit);
}

bool TreeList::IsParentItem(int index) const {
  if (!tree_ || index < 0 || index >= ListView_GetItemCount(hwnd_)) return false;
  TreeListPath path = PathAt(index);
  return !path.child && !rows_[path.row].children.empty();
}

RECT TreeList::GlyphRect(int index) const {
  // The indent in front of the check box slot, which comes before the icon.
  RECT icon{};
  ListView_GetItemRect(hwnd_, index, &icon, LVIR_ICON);
  int right = icon.left - ImageList::kSize;
  return {right - ImageList::kSize, icon.top, right, icon.bottom};
}

void TreeList::InsertItem(int index, TreeListPath path) {
  const TreeListRow& row = RowAt(path);
  std::wstring caption = Widen(row.caption);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_INDENT | LVIF_STATE;
  item.iItem = index;
  item.pszText = caption.data();
  item.iImage = row.icon;
  item.iIndent = !tree_ ? 0 : path.child ? 2 : 1;
  item.state = BoxStateOf(row);
  item.stateMask = LVIS_STATEIMAGEMASK;
  changingBoxes_ = true;
  index = ListView_InsertItem(hwnd_, &item);
  // The check-box style gives every new item an unchecked box first.
  if (index >= 0) ListView_SetItemState(hwnd_, index, item.state, LVIS_STATEIMAGEMASK);
  changingBoxes_ = false;
  if (index < 0) throw std::runtime_error("The tree list could not take a row");
  for (std::size_t column = 0; column < row.columns.size(); ++column) {
    std::wstring text = Widen(row.columns[column]);
    ListView_SetItemText(hwnd_, index, static_cast<int>(column) + 1, text.data());
  }
}

void TreeList::ShowCheckBox(TreeListPath path) {
  int index = ListIndex(path);
  if (index < 0) return;
  changingBoxes_ = true;
  ListView_SetItemState(hwnd_, index, BoxStateOf(RowAt(path)), LVIS_STATEIMAGEMASK);
  changingBoxes_ = false;
}

void TreeList::Relist() {
  firstIndex_.clear();
  int index = 0;
  for (const TreeListRow& row : rows_) {
    firstIndex_.push_back(index);
    index += 1 + (row.expanded ? static_cast<int>(row.children.size()) : 0);
  }
  ++layout_;
}

void TreeList::SetHot(int index) {
  if (index == hotItem_) return;
  for (int item : {hotItem_, index})
    if (item >= 0) ListView_RedrawItems(hwnd_, item, item);
  hotItem_ = index;
}

}  // namespace nx::gui
