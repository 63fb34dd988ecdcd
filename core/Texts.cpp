#include "core/Texts.h"

#include <stdexcept>

namespace nx {
namespace {
const TextSource* current = nullptr;
}

void SetTextSource(const TextSource* source) {
  current = source;
}

std::string Text(Str id) {
  if (!current) throw std::logic_error("no text source installed");
  return current->Get(id);
}

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  auto arg = args.begin();
  for (size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size()) {
      char kind = pattern[i + 1];
      if (kind == '%') {
        out += '%';
        ++i;
        continue;
      }
      if ((kind == 's' || kind == 'd') && arg != args.end()) {
        out += *arg++;
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace nx
