#pragma once
// Tells when the mouse enters and leaves a window.
#include <windows.h>

#include <functional>

namespace nx::gui {

class HoverTracker {
public:
  HoverTracker(HWND window, std::function<void(bool hot)> onChange);
  ~HoverTracker();
  HoverTracker(const HoverTracker&) = delete;
  HoverTracker& operator=(const HoverTracker&) = delete;
  bool Hot() const { return hot_; }

private:
  static LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
  HWND window_;
  std::function<void(bool)> onChange_;
  bool hot_ = false;
};

}  // namespace nx::gui
