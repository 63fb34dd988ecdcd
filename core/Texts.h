#pragma once
// User-visible texts come from one process-wide source: a language module
// replaces every text at once, so there is exactly one current table.
#include <initializer_list>
#include <string>
#include <string_view>

#include "resources/StringIds.h"

namespace nx {

class TextSource {
public:
  virtual ~TextSource() = default;
  virtual std::string Get(Str id) const = 0;
};

void SetTextSource(const TextSource* source);
std::string Text(Str id);

// Fills "%s" and "%d" placeholders in order; "%%" is a percent sign. Missing
// arguments leave their placeholder as it stands, so a bad translation shows
// rather than crashes.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace nx
