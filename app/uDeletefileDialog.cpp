#include "app/uDeletefileDialog.h"

#include <algorithm>

#include "core/Texts.h"
#include "win32/WideText.h"

namespace nx {
namespace {

constexpr int kMargin = 8, kMessageWidth = 360, kMessageTop = 8, kMinMessageHeight = 32;
constexpr int kButtonWidth = 80, kButtonHeight = 23, kButtonGap = 8;
constexpr int kRowWidth = 4 * kButtonWidth + 3 * kButtonGap;

int WidestLine(const gui::Label& label, const std::string& text) {
  int widest = 0;
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    widest = std::max(widest, label.TextWidth(line));
    start = end + 1;
  }
  return widest;
}

}  // namespace

TfrmDeleteFileDialog::TfrmDeleteFileDialog() : DialogForm("", gui::DialogFrame::ToolNoSystemMenu) {
  // No prefix: an "&" in a file name must show as it is; long names without
  // blanks break where the line ends.
  lblDeleteMsg = std::make_unique<gui::Label>(Handle(), gui::Bounds{kMargin, kMessageTop, kMessageWidth, 32}, "",
                                              SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL);
  std::array<std::unique_ptr<gui::Button>*, 4> buttons{&btnYes, &btnNo, &btnYesToAll, &btnNoToAll};
  std::array<Str, 4> captions{Str::DialogYes, Str::DialogNo, Str::AnswerYesToAll, Str::AnswerNoToAll};
  for (size_t i = 0; i < buttons.size(); ++i) {
    *buttons[i] =
        std::make_unique<gui::Button>(Handle(), gui::Bounds{0, 0, kButtonWidth, kButtonHeight}, Text(captions[i]));
    auto answer = static_cast<ReadOnlyAnswer>(i + 1);
    (*buttons[i])->onClick = [this, answer] {
      Tag = answer;
      SetModalResult(gui::kModalOk);
    };
  }
  FitMessage("");
}

void TfrmDeleteFileDialog::Reset() {
  Tag = ReadOnlyAnswer::None;
  SetCaption(Text(Str::DeleteCaption));
  SetDefaultButton(*btnYes);
}

ReadOnlyAnswer TfrmDeleteFileDialog::Ask(const std::string& message) {
  lblDeleteMsg->SetText(message);
  FitMessage(message);
  CenterOnScreen();
  Tag = ReadOnlyAnswer::None;
  ShowModal();
  if (Tag == ReadOnlyAnswer::None) Tag = ReadOnlyAnswer::No;
  return Tag;
}

void TfrmDeleteFileDialog::FitMessage(const std::string& message) {
  // Wider than the usual width: the dialog widens to the message, though
  // never beyond the screen.
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  int widest = std::min(WidestLine(*lblDeleteMsg, message), static_cast<int>(work.right - work.left) - 40);
  int messageWidth = std::max(widest, kMessageWidth);
  RECT text{0, 0, messageWidth, 0};
  HDC dc = GetDC(lblDeleteMsg->Handle());
  HGDIOBJ old = SelectObject(dc, lblDeleteMsg->Font());
  std::wstring wide = Widen(message);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &text,
            DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(lblDeleteMsg->Handle(), dc);
  int messageHeight = std::max(static_cast<int>(text.bottom), kMinMessageHeight);

  int clientWidth = std::max(messageWidth + kMargin + 10, kRowWidth + 2 * kMargin);
  lblDeleteMsg->SetBounds({kMargin, kMessageTop, messageWidth + 2, messageHeight});
  int buttonTop = kMessageTop + messageHeight + 12;
  int left = (clientWidth - kRowWidth) / 2;
  for (gui::Button* button : {btnYes.get(), btnNo.get(), btnYesToAll.get(), btnNoToAll.get()}) {
    button->SetBounds({left, buttonTop, kButtonWidth, kButtonHeight});
    left += kButtonWidth + kButtonGap;
  }
  SetClientSize(clientWidth, buttonTop + kButtonHeight + kMargin);
}

}  // namespace nx
