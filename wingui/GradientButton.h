#pragma once
// A push button drawn as an oval with a vertical two-colour gradient; under
// the mouse it turns white with a blue caption.
#include <memory>

#include "wingui/Control.h"
#include "wingui/HoverTracker.h"

namespace nx::gui {

class GradientButton : public Control {
public:
  GradientButton(HWND parent, Bounds bounds, const std::string& caption, COLORREF top, COLORREF bottom);
  std::function<void()> onClick;

  void OnCommand(WORD code) override;
  std::optional<LRESULT> OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool Hot() const { return hover_->Hot(); }

private:
  COLORREF top_, bottom_;
  std::unique_ptr<HoverTracker> hover_;
};

}  // namespace nx::gui
