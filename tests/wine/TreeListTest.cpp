// The check-box tree list in-process, under Wine's null display driver, read
// back through the list view's own messages.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "app/SmallIcons.h"
#include "win32/WideText.h"
#include "wingui/Application.h"
#include "wingui/Form.h"
#include "wingui/TreeList.h"

namespace nx::gui {
void PrintTo(const TreeListPath& path, std::ostream* out) {
  *out << "{" << path.row;
  if (path.child) *out << ", " << *path.child;
  *out << "}";
}
}  // namespace nx::gui

namespace nx::test {
namespace {

using gui::TreeListPath;
using gui::TreeListRow;

constexpr UINT kNoBox = 0, kUnchecked = 1, kChecked = 2, kLockedUnchecked = 3, kLockedChecked = 4;

class TestForm : public gui::Form {
public:
  TestForm() : Form("Tree list", {0, 0, 560, 320}) {}
};

TreeListPath Top(std::size_t row) {
  return {row};
}

std::vector<TreeListRow> FlatRows() {
  return {
      {.caption = "a.tmp", .columns = {"100", "2004-05-12"}, .checked = true, .checkBoxShown = true, .icon = kIconFile},
      {.caption = "b.tmp", .columns = {"200"}, .checkBoxShown = true, .checkBoxEnabled = false, .icon = kIconFile},
      {.caption = "c.tmp", .checked = true, .checkBoxShown = true, .checkBoxEnabled = false, .icon = kIconCookie},
      {.caption = "Program", .columns = {"", "uninstall"}, .icon = kIconProgram},
  };
}

// Two groups without boxes (the second expanded) and a plain row.
std::vector<TreeListRow> TreeRows() {
  auto file = [](std::string caption) {
    return TreeListRow{.caption = std::move(caption), .checkBoxShown = true, .icon = kIconFile};
  };
  return {
      {.caption = "G1", .children = {file("x1"), file("x2")}},
      {.caption = "G2", .children = {file("y1")}, .expanded = true},
      {.caption = "Z", .checkBoxShown = true},
  };
}

class TreeListTest : public testing::Test {
protected:
  TreeListTest() {
    form.Show();
    list.SetImages(icons);
    list.SetColumns({{"Name", 200}, {"Size", 70}, {"Date", 90}});
    list.onItemChecked = [this](TreeListPath path) { checked.push_back(path); };
  }

  HWND List() const { return list.Handle(); }
  int Count() const { return ListView_GetItemCount(List()); }

  std::string Text(int item, int column = 0) const {
    wchar_t text[256] = {};
    ListView_GetItemText(List(), item, column, text, 256);
    return Narrow(text);
  }

  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (int item = 0; item < Count(); ++item) captions.push_back(Text(item));
    return captions;
  }

  UINT Box(int item) const { return ListView_GetItemState(List(), item, LVIS_STATEIMAGEMASK) >> 12; }

  LVITEMW Item(int item) const {
    LVITEMW read{};
    read.mask = LVIF_IMAGE | LVIF_INDENT;
    read.iItem = item;
    ListView_GetItem(List(), &read);
    return read;
  }

  RECT ItemRect(int item, int part) const {
    RECT rect{};
    ListView_GetItemRect(List(), item, &rect, part);
    return rect;
  }

  // The check box sits in front of the icon.
  POINT BoxPoint(int item) const {
    RECT icon = ItemRect(item, LVIR_ICON);
    return {icon.left - 8, (icon.top + icon.bottom) / 2};
  }

  // The +/− glyph sits in front of the check box.
  POINT GlyphPoint(int item) const {
    RECT icon = ItemRect(item, LVIR_ICON);
    return {icon.left - 24, (icon.top + icon.bottom) / 2};
  }

  void Click(POINT point, HWND window = nullptr) {
    window = window ? window : List();
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    gui::ProcessMessages();
  }

  void Key(UINT key) {
    SendMessageW(List(), WM_KEYDOWN, key, 0);
    SendMessageW(List(), WM_KEYUP, key, 0);
    gui::ProcessMessages();
  }

  void Char(wchar_t character) {
    SendMessageW(List(), WM_CHAR, character, 0);
    gui::ProcessMessages();
  }

  // The ways a user changes a check mark: mouse, keyboard, and an assistive
  // tool that sets the list item's state.
  struct Gesture {
    const char* name;
    std::function<void(TreeListTest&, int item)> make;
  };
  static std::vector<Gesture> Gestures() {
    return {
        {"click", [](TreeListTest& t, int item) { t.Click(t.BoxPoint(item)); }},
        {"space",
         [](TreeListTest& t, int item) {
           t.list.Select(t.PathOf(item));
           t.Key(VK_SPACE);
         }},
        {"assistive tool",
         [](TreeListTest& t, int item) {
           UINT toggled = t.Box(item) == kChecked ? kUnchecked : kChecked;
           ListView_SetItemState(t.List(), item, INDEXTOSTATEIMAGEMASK(toggled), LVIS_STATEIMAGEMASK);
           gui::ProcessMessages();
         }},
    };
  }
  TreeListPath PathOf(int item) const {
    for (std::size_t row = 0, index = 0; row < list.Rows().size(); ++row, ++index) {
      if (static_cast<int>(index) == item) return Top(row);
      if (!list.Rows()[row].expanded) continue;
      for (std::size_t child = 0; child < list.Rows()[row].children.size(); ++child)
        if (static_cast<int>(++index) == item) return {row, child};
    }
    ADD_FAILURE() << "no item " << item;
    return {};
  }

  TestForm form;
  gui::ImageList icons = MakeSmallIcons16();
  gui::TreeList list{form.Handle(), {4, 4, 540, 280}};
  std::vector<TreeListPath> checked;
};

TEST_F(TreeListTest, ColumnsAndRowsAppear) {
  HWND header = ListView_GetHeader(List());
  auto caption = [&](int column) {
    wchar_t text[64] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    Header_GetItem(header, column, &item);
    return Narrow(text);
  };
  ASSERT_EQ(Header_GetItemCount(header), 3);
  EXPECT_EQ(caption(0), "Name");
  EXPECT_EQ(caption(2), "Date");
  EXPECT_EQ(ListView_GetColumnWidth(List(), 1), 70);

  list.SetRows(FlatRows());
  struct Expected {
    std::string caption, size, date;
    UINT box;
    int icon;
  };
  const std::vector<Expected> expected{{"a.tmp", "100", "2004-05-12", kChecked, kIconFile},
                                       {"b.tmp", "200", "", kLockedUnchecked, kIconFile},
                                       {"c.tmp", "", "", kLockedChecked, kIconCookie},
                                       {"Program", "", "uninstall", kNoBox, kIconProgram}};
  ASSERT_EQ(Count(), static_cast<int>(expected.size()));
  for (int item = 0; item < Count(); ++item) {
    const Expected& e = expected[static_cast<std::size_t>(item)];
    EXPECT_EQ(Text(item, 0), e.caption);
    EXPECT_EQ(Text(item, 1), e.size) << e.caption;
    EXPECT_EQ(Text(item, 2), e.date) << e.caption;
    EXPECT_EQ(Box(item), e.box) << e.caption;
    EXPECT_EQ(Item(item).iImage, e.icon) << e.caption;
    EXPECT_EQ(Item(item).iIndent, 0) << "a list without children is flat";
  }

  // Another section's columns replace all of them, the first one included.
  list.SetColumns({{"Installed programs", 350}, {"Uninstall string", 350}});
  ASSERT_EQ(Header_GetItemCount(header), 2);
  EXPECT_EQ(caption(0), "Installed programs");
  EXPECT_EQ(caption(1), "Uninstall string");
  EXPECT_EQ(ListView_GetColumnWidth(List(), 0), 350);
}

TEST_F(TreeListTest, HeaderAndRowsHaveTheirHeights) {
  list.SetRows(FlatRows());
  RECT header;
  GetWindowRect(ListView_GetHeader(List()), &header);
  EXPECT_EQ(header.bottom - header.top, 22);
  RECT row = ItemRect(0, LVIR_BOUNDS);
  EXPECT_EQ(row.top, 22) << "the first row starts under the header";
  EXPECT_EQ(row.bottom - row.top, 17);
}

TEST_F(TreeListTest, UserChangesOfABoxAreReportedAndKept) {
  for (const Gesture& gesture : Gestures()) {
    SCOPED_TRACE(gesture.name);
    list.SetRows(FlatRows());
    checked.clear();
    gesture.make(*this, 0);
    EXPECT_EQ(checked, std::vector<TreeListPath>{Top(0)});
    EXPECT_FALSE(list.Rows()[0].checked);
    EXPECT_EQ(Box(0), kUnchecked);
    gesture.make(*this, 0);
    EXPECT_EQ(checked.size(), 2u);
    EXPECT_TRUE(list.Rows()[0].checked);
    EXPECT_EQ(Box(0), kChecked);
  }
}

TEST_F(TreeListTest, EveryClickOnABoxTogglesItAndSelectsTheRow) {
  list.SetRows(FlatRows());
  int doubleClicks = 0;
  list.onDoubleClick = [&] { ++doubleClicks; };
  POINT box = BoxPoint(0);
  Click(box);
  SendMessageW(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(box.x, box.y));
  SendMessageW(List(), WM_LBUTTONUP, 0, MAKELPARAM(box.x, box.y));
  gui::ProcessMessages();
  EXPECT_EQ(checked, (std::vector<TreeListPath>{Top(0), Top(0)}));
  EXPECT_TRUE(list.Rows()[0].checked);
  EXPECT_EQ(list.SelectedRow(), Top(0));
  EXPECT_EQ(doubleClicks, 0) << "a double-click on a box is two clicks on it";
}

TEST_F(TreeListTest, ChangesFromCodeAreShownButNotReported) {
  list.SetRows(FlatRows());
  list.SetChecked(Top(0), false);
  list.SetChecked(Top(1), true);
  list.SetCheckEnabled(Top(2), true);
  gui::ProcessMessages();
  EXPECT_TRUE(checked.empty());
  EXPECT_EQ(Box(0), kUnchecked);
  EXPECT_EQ(Box(1), kLockedChecked);
  EXPECT_EQ(Box(2), kChecked);
  EXPECT_TRUE(list.Rows()[1].checked);
  EXPECT_TRUE(list.Rows()[2].checkBoxEnabled);
  EXPECT_THROW(list.SetChecked({0, 0}, true), std::out_of_range);
}

TEST_F(TreeListTest, LockedAndMissingBoxesDoNotChange) {
  const std::vector<std::vector<UINT>> cases{{1, kLockedUnchecked}, {2, kLockedChecked}, {3, kNoBox}};
  for (const Gesture& gesture : Gestures()) {
    for (const auto& c : cases) {
      int item = static_cast<int>(c[0]);
      SCOPED_TRACE(std::string(gesture.name) + " on " + Text(item));
      list.SetRows(FlatRows());
      gesture.make(*this, item);
      EXPECT_TRUE(checked.empty());
      EXPECT_EQ(Box(item), c[1]);
      EXPECT_EQ(list.Rows()[static_cast<std::size_t>(item)].checked,
                FlatRows()[static_cast<std::size_t>(item)].checked);
    }
  }
  list.SetCheckEnabled(Top(1), true);
  Click(BoxPoint(1));
  EXPECT_EQ(checked, std::vector<TreeListPath>{Top(1)}) << "an unlocked box works again";
}

TEST_F(TreeListTest, AToggleMeantForReplacedRowsIsDropped) {
  list.SetRows(FlatRows());
  ListView_SetItemState(List(), 0, INDEXTOSTATEIMAGEMASK(kUnchecked), LVIS_STATEIMAGEMASK);
  list.SetRows(FlatRows());  // before the toggle's turn comes
  gui::ProcessMessages();
  EXPECT_TRUE(checked.empty());
  EXPECT_TRUE(list.Rows()[0].checked);
}

TEST_F(TreeListTest, ChildrenShowIndentedUnderAnExpandedParent) {
  list.SetRows(TreeRows());
  EXPECT_EQ(Captions(), (std::vector<std::string>{"G1", "G2", "y1", "Z"}));
  std::vector<int> indents;
  for (int item = 0; item < Count(); ++item) indents.push_back(Item(item).iIndent);
  EXPECT_EQ(indents, (std::vector<int>{1, 1, 2, 1})) << "every top row leaves room for the glyph";

  list.Expand(0);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"G1", "x1", "x2", "G2", "y1", "Z"}));
  EXPECT_EQ(Box(1), kUnchecked);
  EXPECT_EQ(Item(2).iImage, kIconFile);
  list.Collapse(1);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"G1", "x1", "x2", "G2", "Z"}));
  EXPECT_TRUE(list.Rows()[0].expanded);
  EXPECT_FALSE(list.Rows()[1].expanded);
  list.Expand(2);  // no children: nothing to show
  EXPECT_EQ(Count(), 5);

  Click(BoxPoint(2));
  Click(BoxPoint(4));
  EXPECT_EQ(checked, (std::vector<TreeListPath>{{0, 1}, Top(2)}));
  EXPECT_TRUE(list.Rows()[0].children[1].checked);

  list.SetChecked({1, 0}, true);  // hidden: kept for when it shows
  list.Expand(1);
  EXPECT_EQ(Box(4), kChecked);
}

TEST_F(TreeListTest, GlyphAndKeysExpandAndCollapse) {
  list.SetRows(TreeRows());
  struct Step {
    const char* name;
    std::function<void()> act;
    std::vector<std::string> captions;
    TreeListPath selected;
  };
  const std::vector<Step> steps{
      {"select G1", [&] { list.Select(Top(0)); }, {"G1", "G2", "y1", "Z"}, Top(0)},
      {"right expands", [&] { Key(VK_RIGHT); }, {"G1", "x1", "x2", "G2", "y1", "Z"}, Top(0)},
      {"right enters", [&] { Key(VK_RIGHT); }, {"G1", "x1", "x2", "G2", "y1", "Z"}, {0, 0}},
      {"left leaves", [&] { Key(VK_LEFT); }, {"G1", "x1", "x2", "G2", "y1", "Z"}, Top(0)},
      {"left collapses", [&] { Key(VK_LEFT); }, {"G1", "G2", "y1", "Z"}, Top(0)},
      {"plus expands", [&] { Char(L'+'); }, {"G1", "x1", "x2", "G2", "y1", "Z"}, Top(0)},
      {"select x2",
       [&] {
         list.Select({0, 1});
       },
       {"G1", "x1", "x2", "G2", "y1", "Z"},
       {0, 1}},
      {"minus on a child collapses its parent", [&] { Char(L'-'); }, {"G1", "G2", "y1", "Z"}, Top(0)},
      {"selecting a hidden child expands",
       [&] {
         list.Select({0, 0});
       },
       {"G1", "x1", "x2", "G2", "y1", "Z"},
       {0, 0}},
      {"glyph collapses", [&] { Click(GlyphPoint(3)); }, {"G1", "x1", "x2", "G2", "Z"}, {0, 0}},
      {"glyph expands", [&] { Click(GlyphPoint(3)); }, {"G1", "x1", "x2", "G2", "y1", "Z"}, {0, 0}},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(Captions(), step.captions) << step.name;
    EXPECT_EQ(list.SelectedRow(), step.selected) << step.name;
  }
  EXPECT_TRUE(checked.empty()) << "the glyph is no check box";
}

TEST_F(TreeListTest, HeaderClickReportsTheColumn) {
  list.SetRows(FlatRows());
  std::vector<int> clicked;
  list.onHeaderClick = [&](int column) { clicked.push_back(column); };
  HWND header = ListView_GetHeader(List());
  for (int column : {2, 0, 1}) {
    RECT rect;
    Header_GetItemRect(header, column, &rect);
    Click({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, header);
  }
  EXPECT_EQ(clicked, (std::vector<int>{2, 0, 1}));
}

TEST_F(TreeListTest, SelectionDoubleClickAndContextMenuAreReported) {
  list.SetRows(FlatRows());
  std::vector<TreeListPath> selected;
  int doubleClicks = 0;
  std::vector<POINT> menus;
  list.onSelectedChange = [&](TreeListPath path) { selected.push_back(path); };
  list.onDoubleClick = [&] { ++doubleClicks; };
  list.onContextMenu = [&](POINT point) { menus.push_back(point); };

  RECT label = ItemRect(2, LVIR_LABEL);
  POINT onLabel{label.left + 5, (label.top + label.bottom) / 2};
  Click(onLabel);
  EXPECT_EQ(selected, std::vector<TreeListPath>{Top(2)});
  EXPECT_EQ(list.SelectedRow(), Top(2));
  EXPECT_TRUE(checked.empty());
  list.SetChecked(Top(2), false);
  EXPECT_EQ(selected.size(), 1u) << "a new check mark is no new choice of row";

  SendMessageW(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(onLabel.x, onLabel.y));
  SendMessageW(List(), WM_LBUTTONUP, 0, MAKELPARAM(onLabel.x, onLabel.y));
  EXPECT_EQ(doubleClicks, 1);

  SendMessageW(List(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List()), MAKELPARAM(300, 200));
  SendMessageW(List(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List()), static_cast<LPARAM>(-1));
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[0].x, 300);
  EXPECT_EQ(menus[0].y, 200);
  POINT underRow{label.left, label.bottom};  // the menu key opens it at the selected row
  ClientToScreen(List(), &underRow);
  EXPECT_EQ(menus[1].x, underRow.x);
  EXPECT_EQ(menus[1].y, underRow.y);

  list.SetRows(FlatRows());
  EXPECT_EQ(list.SelectedRow(), std::nullopt);
  EXPECT_EQ(selected.size(), 1u) << "new rows are no choice of the user";
}

// Records the redraw switches the list receives.
LRESULT CALLBACK RecordRedraw(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR record) {
  if (message == WM_SETREDRAW) reinterpret_cast<std::vector<WPARAM>*>(record)->push_back(wParam);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

TEST_F(TreeListTest, UpdatesNestAndOnlyTheOutermostEndRedraws) {
  std::vector<WPARAM> redraw;
  SetWindowSubclass(List(), RecordRedraw, 1, reinterpret_cast<DWORD_PTR>(&redraw));
  list.BeginUpdate();
  list.BeginUpdate();
  list.SetRows(TreeRows());
  list.Expand(0);
  list.EndUpdate();
  EXPECT_EQ(redraw, std::vector<WPARAM>{FALSE});
  list.EndUpdate();
  EXPECT_EQ(redraw, (std::vector<WPARAM>{FALSE, TRUE}));
  list.EndUpdate();  // one too many changes nothing
  list.SetRows(FlatRows());
  EXPECT_EQ(redraw, (std::vector<WPARAM>{FALSE, TRUE, FALSE, TRUE}));
  RemoveWindowSubclass(List(), RecordRedraw, 1);
}

// The pixels of one picture, drawn on white.
std::vector<COLORREF> Pixels(HIMAGELIST images, int index) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, 16, 16};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ImageList_Draw(images, index, dc, 0, 0, ILD_NORMAL);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return pixels;
}

TEST_F(TreeListTest, PicturesAreSmallAndTellApart) {
  int width = 0, height = 0;
  ImageList_GetIconSize(icons.Handle(), &width, &height);
  EXPECT_EQ(width, 16);
  EXPECT_EQ(height, 16);
  ASSERT_GE(icons.Count(), 23);
  std::set<std::vector<COLORREF>> seen{Pixels(icons.Handle(), 0)};  // the neutral mark
  for (int index :
       {kIconFavorite, kIconShortcut, kIconCookie, kIconFile, kIconProgram, kIconRegistryKey, kIconAutostartActive,
        kIconTextInFile, kIconAutostartInactive, kIconFolder, kIconFileName, kIconRegistryValue, kIconRegistryData})
    EXPECT_TRUE(seen.insert(Pixels(icons.Handle(), index)).second) << "picture " << index << " looks like another";

  HIMAGELIST boxes = ListView_GetImageList(List(), LVSIL_STATE);
  ASSERT_EQ(ImageList_GetImageCount(boxes), 4);
  std::set<std::vector<COLORREF>> states;
  for (int index = 0; index < 4; ++index) states.insert(Pixels(boxes, index));
  EXPECT_EQ(states.size(), 4u) << "each check-box state has its own picture";
}

}  // namespace
}  // namespace nx::test
