#include "resources/EnglishTexts.h"

#include <iterator>

namespace nx {
namespace {

constexpr const char* kEnglish[] = {
#include "resources/EnglishTable.inc"
};
static_assert(std::size(kEnglish) == kStringCount);

class CompiledEnglish : public TextSource {
public:
  std::string Get(Str id) const override {
    unsigned index = static_cast<unsigned>(id) - kFirstStringId;
    return index < kStringCount ? kEnglish[index] : std::string();
  }
};

}  // namespace

const TextSource& EnglishTexts() {
  static const CompiledEnglish texts;
  return texts;
}

}  // namespace nx
