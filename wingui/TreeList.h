#pragma once
// The check-box tree list, built on the native list view so that keyboard
// users, screen readers and UI automation meet the list they know. Rows with
// children read as a tree of one level: a +/− glyph in front of the parent,
// the children indented under it while it is expanded.
#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/TreeRow.h"
#include "wingui/Control.h"
#include "wingui/ImageList.h"

namespace nx::gui {

struct TreeListColumn {
  std::string caption;
  int width = 0;
};

using TreeListRow = TreeRow;
using TreeListPath = RowPath;

class TreeList : public Control {
public:
  TreeList(HWND parent, Bounds bounds);
  ~TreeList() override;

  void SetColumns(const std::vector<TreeListColumn>& columns);
  void SetRows(std::vector<TreeListRow> rows);
  // The rows with the check marks and expanded states as they are now.
  const std::vector<TreeListRow>& Rows() const { return rows_; }

  // Changes from code, which onItemChecked does not report. A path that names
  // no row throws std::out_of_range.
  void SetChecked(TreeListPath path, bool checked);
  void SetCheckEnabled(TreeListPath path, bool enabled);
  void Expand(std::size_t row);
  void Collapse(std::size_t row);

  std::optional<TreeListPath> SelectedRow() const;
  // Selecting a child expands its parent.
  void Select(TreeListPath path);

  // Suspends redrawing until the outermost EndUpdate; pairs nest.
  void BeginUpdate();
  void EndUpdate();
  void SetHotTrack(bool hotTrack);
  void SetColor(COLORREF color);
  // The pictures the rows' icons point into; the caller keeps them alive.
  void SetImages(const ImageList& images);

  // Only check marks the user changes: mouse, space bar or an assistive tool.
  std::function<void(TreeListPath)> onItemChecked;
  std::function<void(int column)> onHeaderClick;
  std::function<void(TreeListPath)> onSelectedChange;
  std::function<void()> onDoubleClick;
  std::function<void(POINT screen)> onContextMenu;

  std::optional<LRESULT> OnNotify(NMHDR* header) override;

private:
  static LRESULT CALLBACK ListProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
  std::optional<LRESULT> HandleListMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
  void RequestToggle(int index);
  void UserToggle(int index, unsigned layout);
  bool TreeKey(WPARAM key);
  bool TreeChar(WPARAM character);
  POINT ContextPoint(LPARAM lParam) const;

  TreeListRow& RowAt(TreeListPath path);
  // -1 while the row is hidden in a collapsed parent.
  int ListIndex(TreeListPath path) const;
  TreeListPath PathAt(int index) const;
  int ItemAt(POINT client) const;
  bool IsParentItem(int index) const;
  RECT GlyphRect(int index) const;
  void InsertItem(int index, TreeListPath path);
  void ShowCheckBox(TreeListPath path);
  void Relist();  // after the visible rows changed
  void SetHot(int index);

  ImageList checkBoxes_;
  std::vector<TreeListRow> rows_;
  std::vector<int> firstIndex_;  // the list item of each top-level row
  bool tree_ = false;            // some row has children, so every row leaves room for the glyph
  bool changingBoxes_ = false;   // our own changes of the check boxes, which the list must let through
  unsigned layout_ = 0;          // counts the changes of the visible rows
  int updates_ = 0;
  bool hotTrack_ = false;
  int hotItem_ = -1;
};

}  // namespace nx::gui
