#pragma once
#include <windows.h>

#include <commctrl.h>

#include <functional>

namespace nx::gui {

// An owned list of small pictures (16×16, 32-bit colour with a mask) as the
// list controls draw them; freed with its owner.
class ImageList {
public:
  static constexpr int kSize = 16;

  ImageList();
  ~ImageList();
  ImageList(ImageList&& other) noexcept;
  ImageList& operator=(ImageList&& other) noexcept;
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;

  HIMAGELIST Handle() const { return list_; }
  int Count() const;
  // Each returns the new picture's index. The list copies the picture, so the
  // caller still owns and frees the handle it passed.
  int Add(HICON icon);
  // The pixels of the transparent colour become see-through.
  int Add(HBITMAP picture, COLORREF transparent);
  // A picture drawn at run time: what the function leaves undrawn on the
  // 16×16 canvas stays see-through (the canvas is kCanvas, so that colour
  // cannot be drawn).
  static constexpr COLORREF kCanvas = RGB(255, 0, 255);
  int Add(const std::function<void(HDC)>& draw);

private:
  HIMAGELIST list_ = nullptr;
};

}  // namespace nx::gui
