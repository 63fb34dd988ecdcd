#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace nx {

// ASCII-only case folding: registry names and settings texts compare this way.
std::string UpperAscii(std::string_view text);
bool EqualsIgnoreCaseAscii(std::string_view a, std::string_view b);
// Without allocating, for checks run once per file of a disk.
bool ContainsIgnoreCaseAscii(std::string_view text, std::string_view part);

// The trace a character leaves where a code page cannot hold it: <U+00E9>.
std::string CodePointMarker(char32_t codePoint);

}  // namespace nx
