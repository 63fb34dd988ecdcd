// Fuzzes mask parsing and matching. The input is "mask\0name"; without a
// zero byte the whole input is both, which a valid mask must then match
// unless it holds wildcards or sets.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "resources/EnglishTexts.h"
#include "services/Masks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = (nx::SetTextSource(&nx::EnglishTexts()), true);
  (void)ready;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  size_t split = input.find('\0');
  std::string_view mask = input.substr(0, split);
  std::string_view name = split == std::string_view::npos ? input : input.substr(split + 1);
  try {
    nx::Mask compiled(mask);
    bool matches = compiled.Matches(name);
    // A mask without special characters matches exactly itself.
    if (split == std::string_view::npos && mask.find_first_of("*?[") == std::string_view::npos && !matches)
      std::abort();
    nx::TMaskList list;
    list.Add(mask);
    if (list.Matches(name) != matches) std::abort();
  } catch (const nx::MaskError&) {
  }
  return 0;
}
