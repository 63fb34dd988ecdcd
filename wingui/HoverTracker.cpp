#include "wingui/HoverTracker.h"

#include <commctrl.h>

namespace nx::gui {

HoverTracker::HoverTracker(HWND window, std::function<void(bool hot)> onChange)
    : window_(window), onChange_(std::move(onChange)) {
  SetWindowSubclass(window_, &HoverTracker::Subclass, reinterpret_cast<UINT_PTR>(this),
                    reinterpret_cast<DWORD_PTR>(this));
}

HoverTracker::~HoverTracker() {
  RemoveWindowSubclass(window_, &HoverTracker::Subclass, reinterpret_cast<UINT_PTR>(this));
}

LRESULT CALLBACK HoverTracker::Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) {
  auto* tracker = reinterpret_cast<HoverTracker*>(self);
  if (message == WM_MOUSEMOVE && !tracker->hot_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
    tracker->hot_ = true;
    tracker->onChange_(true);
  } else if (message == WM_MOUSELEAVE && tracker->hot_) {
    tracker->hot_ = false;
    tracker->onChange_(false);
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace nx::gui
