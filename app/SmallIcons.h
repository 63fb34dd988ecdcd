#pragma once
// ilSmallicons16: the small pictures in front of the result rows, drawn at
// run time so that no artwork has to be shipped.
#include "wingui/ImageList.h"

namespace nx {

// The picture numbers the sections give their rows; the numbers in between
// hold a neutral mark.
enum SmallIcon : int {
  kIconFavorite = 2,
  kIconShortcut = 3,
  kIconCookie = 4,
  kIconFile = 5,
  kIconProgram = 12,
  kIconRegistryKey = 13,
  kIconAutostartActive = 14,
  kIconTextInFile = 15,
  kIconAutostartInactive = 16,
  kIconFolder = 17,
  kIconFileName = 20,
  kIconRegistryValue = 21,
  kIconRegistryData = 22,
};
inline constexpr int kSmallIconCount = 23;

gui::ImageList MakeSmallIcons16();

}  // namespace nx
