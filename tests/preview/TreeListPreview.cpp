// A form with the tree list holding sample rows, for a look at it on screen.
#include <windows.h>

#include "app/SmallIcons.h"
#include "wingui/Application.h"
#include "wingui/Form.h"
#include "wingui/TreeList.h"

namespace {

using nx::gui::TreeListRow;

class PreviewForm : public nx::gui::Form {
public:
  PreviewForm() : Form("Tree list", {40, 40, 640, 420}) {
    list_.SetImages(icons_);
    list_.SetColor(0x00FDDFBB);
    list_.SetColumns({{"Type", 200}, {"Value", 250}, {"Size", 70}});
    auto file = [](const char* path, const char* size, bool checked) {
      return TreeListRow{
          .caption = path, .columns = {"", size}, .checked = checked, .checkBoxShown = true, .icon = nx::kIconFile};
    };
    list_.SetRows({
        {.caption = "File name",
         .columns = {"C:\\Temp\\setup.log"},
         .checked = true,
         .checkBoxShown = true,
         .icon = nx::kIconFileName},
        {.caption = "Folder name",
         .columns = {"C:\\Temp"},
         .checked = true,
         .checkBoxShown = true,
         .icon = nx::kIconFolder},
        {.caption = "Text in file",
         .columns = {"C:\\Temp\\notes.txt"},
         .checked = true,
         .checkBoxShown = true,
         .checkBoxEnabled = false,
         .icon = nx::kIconTextInFile},
        {.caption = "Registry key",
         .columns = {"HKCU\\Software\\Old"},
         .checkBoxShown = true,
         .icon = nx::kIconRegistryKey},
        {.caption = "Registry value",
         .columns = {"HKCU\\Software\\Old\\Path"},
         .checkBoxShown = true,
         .icon = nx::kIconRegistryValue},
        {.caption = "Registry data",
         .columns = {"C:\\Old\\old.exe"},
         .checkBoxShown = true,
         .checkBoxEnabled = false,
         .icon = nx::kIconRegistryData},
        {.caption = "Duplicates: report.doc",
         .columns = {"2 files", "48 kB"},
         .children = {file("C:\\Docs\\report.doc", "24 kB", false), file("D:\\Copy\\report.doc", "24 kB", true)},
         .expanded = true},
        {.caption = "Duplicates: photo.jpg",
         .columns = {"3 files", "3 MB"},
         .children = {file("C:\\photo.jpg", "1 MB", false)}},
        {.caption = "Shortcut", .columns = {"Old program.lnk"}, .checkBoxShown = true, .icon = nx::kIconShortcut},
        {.caption = "Cookie",
         .columns = {"user@example"},
         .checked = true,
         .checkBoxShown = true,
         .icon = nx::kIconCookie},
        {.caption = "Favorite", .columns = {"Example site"}, .checkBoxShown = true, .icon = nx::kIconFavorite},
        {.caption = "Installed program", .columns = {"Tool 1.0"}, .icon = nx::kIconProgram},
        {.caption = "Autostart (active)",
         .columns = {"Updater"},
         .checkBoxShown = true,
         .icon = nx::kIconAutostartActive},
        {.caption = "Autostart (deactivated)",
         .columns = {"Helper"},
         .checkBoxShown = true,
         .icon = nx::kIconAutostartInactive},
        {.caption = "Neutral mark", .columns = {"picture 0"}, .checkBoxShown = true, .icon = 0},
    });
    list_.Select({6, 1});
    SetFocus(list_.Handle());
  }

private:
  nx::gui::ImageList icons_ = nx::MakeSmallIcons16();
  nx::gui::TreeList list_{Handle(), {8, 8, 608, 360}};
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  PreviewForm form;
  nx::gui::SetMainForm(&form);
  form.Show();
  return nx::gui::RunMessageLoop();
}
