#include "app/uInfo.h"

#include "core/Texts.h"
#include "wingui/Application.h"
#include "wingui/Gradient.h"

namespace nx {
namespace {

constexpr int kClientWidth = 297, kClientHeight = 373, kPanelHeight = 39;

}  // namespace

TfrmInformation::TfrmInformation() : DialogForm(Text(Str::FormInformation), gui::DialogFrame::Tool) {
  HWND self = Handle();
  SetColor(GetSysColor(COLOR_INFOBK));
  memInfo =
      std::make_unique<gui::Memo>(self, gui::Bounds{0, 0, kClientWidth, kClientHeight - kPanelHeight}, true, false);
  pnlBottom =
      std::make_unique<gui::PaintBox>(self, gui::Bounds{0, kClientHeight - kPanelHeight, kClientWidth, kPanelHeight});
  pnlBottom->onPaint = [](HDC dc, const RECT& area) {
    gui::FillVerticalGradient(dc, area, RGB(238, 243, 250), RGB(190, 208, 236));
  };
  btnClose = std::make_unique<gui::Button>(pnlBottom->Handle(), gui::Bounds{}, Text(Str::DialogClose));
  btnClose->onClick = [this] { Close(); };
  SetDefaultButton(*btnClose);
  SetClientSize(kClientWidth, kClientHeight);
  CenterOnScreen();
}

void TfrmInformation::ShowInformation(const std::string& caption, const std::string& text) {
  SetCaption(caption);
  memInfo->SetText(text);
  btnClose->SetBounds({GetBounds().width / 2 - 32, 8, 75, 23});
  ShowModal();
}

void TfrmInformation::FormActivate() {
  SetFocus(btnClose->Handle());
}

std::optional<LRESULT> TfrmInformation::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The read-only text reads as a tip, not as a field to type in.
  if (message == WM_CTLCOLORSTATIC && memInfo && reinterpret_cast<HWND>(lParam) == memInfo->Handle()) {
    auto dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    SetBkColor(dc, GetSysColor(COLOR_INFOBK));
    return reinterpret_cast<LRESULT>(BackgroundBrush());
  }
  if (message == WM_SETCURSOR && !gui::BusyCursor() && memInfo && reinterpret_cast<HWND>(wParam) == memInfo->Handle() &&
      LOWORD(lParam) == HTCLIENT) {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
  }
  return DialogForm::HandleMessage(message, wParam, lParam);
}

}  // namespace nx
