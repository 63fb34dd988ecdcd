#pragma once
// A picture behind a window and the transparent controls on it. Painted once
// into a bitmap that serves as a brush, aligned for each control, so the
// controls show their part of the same picture.
#include <windows.h>

#include <functional>
#include <optional>

namespace nx::gui {

class PictureBackground {
public:
  PictureBackground(HWND window, int width, int height, const std::function<void(HDC, const RECT&)>& paint);
  ~PictureBackground();
  PictureBackground(const PictureBackground&) = delete;
  PictureBackground& operator=(const PictureBackground&) = delete;

  // Erasing and the colour messages of the window's controls; nullopt for the rest.
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
  HWND window_;
  HBITMAP bitmap_ = nullptr;
  HBRUSH brush_ = nullptr;
};

}  // namespace nx::gui
