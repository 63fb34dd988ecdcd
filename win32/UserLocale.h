#pragma once
#include <string>

#include "core/DateTimeFormat.h"

namespace nx {

// The user's date and time formats and names, as the system reports them.
LocaleFormats ReadUserLocaleFormats();

// The locale's abbreviated language name ("ENU", "SVE"), empty when unknown.
std::string AbbreviatedLanguageName(int localeId);

}  // namespace nx
