#pragma once
#include <string>
#include <string_view>

namespace nx {

// Absolute paths of MAX_PATH characters and more get the "\\?\" prefix, which
// also turns off the parsing of "/" and ".." that the program's own paths
// never contain.
std::wstring LongPathForm(std::string_view path);

}  // namespace nx
