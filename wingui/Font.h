#pragma once
#include <windows.h>

namespace nx::gui {

// An owned font handle, freed with its owner.
class OwnedFont {
public:
  OwnedFont() = default;
  // The base font at another size (0 keeps its size) and weight.
  OwnedFont(HFONT base, int pointSize, bool bold, int pixelsPerInch);
  ~OwnedFont();
  OwnedFont(const OwnedFont&) = delete;
  OwnedFont& operator=(const OwnedFont&) = delete;
  OwnedFont& operator=(OwnedFont&& other) noexcept;
  HFONT Get() const { return font_; }

private:
  HFONT font_ = nullptr;
};

}  // namespace nx::gui
