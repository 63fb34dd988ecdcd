#include "win32/WideText.h"

#include <windows.h>

namespace nx {

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

// Done here rather than by WideCharToMultiByte: the walks narrow every file
// name they list, and the call costs more than the work. A lone surrogate
// becomes U+FFFD, as it does there.
std::string Narrow(std::wstring_view wide) {
  std::string utf8;
  utf8.reserve(wide.size());
  for (size_t i = 0; i < wide.size(); ++i) {
    char32_t c = static_cast<char16_t>(wide[i]);
    if (c >= 0xD800 && c <= 0xDFFF) {
      bool paired = c <= 0xDBFF && i + 1 < wide.size() && static_cast<char16_t>(wide[i + 1]) >= 0xDC00 &&
                    static_cast<char16_t>(wide[i + 1]) <= 0xDFFF;
      c = paired ? 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(wide[++i]) - 0xDC00) : 0xFFFD;
    }
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      utf8 += static_cast<char>(0xE0 | (c >> 12));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      utf8 += static_cast<char>(0xF0 | (c >> 18));
      utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

}  // namespace nx
