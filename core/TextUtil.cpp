#include "core/TextUtil.h"

#include <algorithm>
#include <cstdio>

namespace nx {

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

bool EqualsIgnoreCaseAscii(std::string_view a, std::string_view b) {
  return a.size() == b.size() && UpperAscii(a) == UpperAscii(b);
}

bool ContainsIgnoreCaseAscii(std::string_view text, std::string_view part) {
  auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  auto found = std::search(text.begin(), text.end(), part.begin(), part.end(),
                           [&](char a, char b) { return fold(a) == fold(b); });
  return found != text.end() || part.empty();
}

std::string CodePointMarker(char32_t codePoint) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "<U+%04X>", static_cast<unsigned>(codePoint));
  return buffer;
}

}  // namespace nx
