#pragma once
// A top-level window with the life events of a form.
#include "wingui/Window.h"

namespace nx::gui {

inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;

class Form : public Window {
public:
  ~Form() override;
  void Show();
  void Close();  // as the close box does
  void Minimize();
  void SetCaption(const std::string& caption) { SetText(caption); }
  void SetSize(int width, int height);
  int PixelsPerInch() const;
  // Centres the window on the desktop.
  void CenterOnScreen();

  // Shows the form with every other window of the program disabled and
  // returns when SetModalResult ends it (closing it gives kModalCancel).
  int ShowModal();
  void SetModalResult(int result) { modalResult_ = result; }
  bool IsModal() const { return modal_; }

protected:
  Form(const std::string& caption, Bounds bounds);

  virtual void FormShow() {}
  virtual void FormActivate() {}
  // Adjusts a size the window is about to take; minimising is left alone.
  virtual void FormResize(int& /*width*/, int& /*height*/) {}
  // False keeps the window open.
  virtual bool FormClose() { return true; }

public:
  // Every key pressed in the form reaches this first; true consumes it.
  virtual bool FormKeyDown(int /*key*/, bool /*ctrl*/, bool /*shift*/, bool /*alt*/) { return false; }

protected:

  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  bool shown_ = false;
  bool modal_ = false;
  int modalResult_ = 0;
  HFONT font_ = nullptr;
};

}  // namespace nx::gui
