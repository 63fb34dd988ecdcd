#include "wingui/ImageList.h"

#include <memory>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace nx::gui {

ImageList::ImageList() : list_(ImageList_Create(kSize, kSize, ILC_COLOR32 | ILC_MASK, 8, 8)) {
  if (!list_) throw std::runtime_error("ImageList_Create failed");
}

ImageList::~ImageList() {
  if (list_) ImageList_Destroy(list_);
}

ImageList::ImageList(ImageList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}

ImageList& ImageList::operator=(ImageList&& other) noexcept {
  std::swap(list_, other.list_);
  return *this;
}

int ImageList::Count() const {
  return ImageList_GetImageCount(list_);
}

int ImageList::Add(HICON icon) {
  int index = ImageList_AddIcon(list_, icon);
  if (index < 0) throw std::runtime_error("ImageList_AddIcon failed");
  return index;
}

int ImageList::Add(HBITMAP picture, COLORREF transparent) {
  int index = ImageList_AddMasked(list_, picture, transparent);
  if (index < 0) throw std::runtime_error("ImageList_AddMasked failed");
  return index;
}

int ImageList::Add(const std::function<void(HDC)>& draw) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  std::unique_ptr<std::remove_pointer_t<HBITMAP>, decltype(&DeleteObject)> picture(
      CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), &DeleteObject);
  if (!picture) throw std::runtime_error("CreateDIBSection failed");
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture.get());
  RECT all{0, 0, kSize, kSize};
  HBRUSH canvas = CreateSolidBrush(kCanvas);
  FillRect(dc, &all, canvas);
  DeleteObject(canvas);
  draw(dc);
  SelectObject(dc, old);
  DeleteDC(dc);
  return Add(picture.get(), kCanvas);
}

}  // namespace nx::gui
