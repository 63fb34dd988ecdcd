#pragma once
// A push button drawn as an oval with a vertical two-colour gradient; under
// the mouse it turns white with a blue caption.
#include "wingui/Control.h"

namespace nx::gui {

class GradientButton : public Control {
public:
  GradientButton(HWND parent, Bounds bounds, const std::string& caption, COLORREF top, COLORREF bottom);
  ~GradientButton() override;
  std::function<void()> onClick;

  void OnCommand(WORD code) override;
  std::optional<LRESULT> OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool Hot() const { return hot_; }

private:
  static LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
  void SetHot(bool hot);
  COLORREF top_, bottom_;
  bool hot_ = false;
};

}  // namespace nx::gui
