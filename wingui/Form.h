#pragma once
// A top-level window with the life events of a form.
#include "wingui/Window.h"

namespace nx::gui {

class Form : public Window {
public:
  ~Form() override;
  void Show();
  void Close();  // as the close box does
  void Minimize();
  void SetCaption(const std::string& caption) { SetText(caption); }
  void SetSize(int width, int height);
  int PixelsPerInch() const;

protected:
  Form(const std::string& caption, Bounds bounds);

  virtual void FormShow() {}
  virtual void FormActivate() {}
  // Adjusts a size the window is about to take; minimising is left alone.
  virtual void FormResize(int& /*width*/, int& /*height*/) {}
  // False keeps the window open.
  virtual bool FormClose() { return true; }

  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  bool shown_ = false;
  HFONT font_ = nullptr;
};

}  // namespace nx::gui
