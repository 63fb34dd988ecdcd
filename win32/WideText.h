#pragma once
// The one pair of conversions at the Win32 boundary: UTF-8 inside, UTF-16 for
// the W functions.
#include <string>
#include <string_view>

namespace nx {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace nx
