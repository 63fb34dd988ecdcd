#include "wingui/Font.h"

#include <utility>

namespace nx::gui {

OwnedFont::OwnedFont(HFONT base, int pointSize, bool bold, int pixelsPerInch) {
  LOGFONTW font{};
  GetObjectW(base, sizeof font, &font);
  if (pointSize) font.lfHeight = -MulDiv(pointSize, pixelsPerInch, 72);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font_ = CreateFontIndirectW(&font);
}

OwnedFont::~OwnedFont() {
  if (font_) DeleteObject(font_);
}

OwnedFont& OwnedFont::operator=(OwnedFont&& other) noexcept {
  std::swap(font_, other.font_);
  return *this;
}

}  // namespace nx::gui
