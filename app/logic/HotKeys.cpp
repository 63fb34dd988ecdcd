#include "app/logic/HotKeys.h"

namespace nx {

int HotKeyCode(char keyCharacter) {
  bool digit = keyCharacter >= '0' && keyCharacter <= '9';
  bool letter = keyCharacter >= 'A' && keyCharacter <= 'Z';
  return digit || letter ? keyCharacter : 0x20;  // VK_SPACE
}

std::optional<HotKeyFunction> MatchHotKey(std::optional<std::string_view> hotKeys, int keyCode,
                                          KeyModifiers modifiers) {
  if (!modifiers.ctrl || modifiers.shift || modifiers.alt || !hotKeys) return std::nullopt;
  constexpr size_t kFunctions = static_cast<size_t>(HotKeyFunction::Exit);
  for (size_t p = 0; p < hotKeys->size() && p < kFunctions; ++p)
    if (HotKeyCode((*hotKeys)[p]) == keyCode) return static_cast<HotKeyFunction>(p + 1);
  return std::nullopt;
}

}  // namespace nx
