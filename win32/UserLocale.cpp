#include "win32/UserLocale.h"

#include <windows.h>

#include "win32/WideText.h"

namespace nx {
namespace {

std::string LocaleText(LCID locale, LCTYPE type, const std::string& fallback) {
  wchar_t buffer[128];
  int length = GetLocaleInfoW(locale, type, buffer, static_cast<int>(std::size(buffer)));
  return length > 1 ? Narrow(std::wstring_view(buffer, static_cast<size_t>(length - 1))) : fallback;
}

}  // namespace

LocaleFormats ReadUserLocaleFormats() {
  LocaleFormats formats;
  formats.shortDate = LocaleText(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, formats.shortDate);
  formats.longTime = LocaleText(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, formats.longTime);
  formats.am = LocaleText(LOCALE_USER_DEFAULT, LOCALE_S1159, "");
  formats.pm = LocaleText(LOCALE_USER_DEFAULT, LOCALE_S2359, "");
  for (int m = 0; m < 12; ++m) {
    formats.monthNames[m] = LocaleText(LOCALE_USER_DEFAULT, LOCALE_SMONTHNAME1 + m, formats.monthNames[m]);
    formats.monthAbbrevs[m] = LocaleText(LOCALE_USER_DEFAULT, LOCALE_SABBREVMONTHNAME1 + m, formats.monthAbbrevs[m]);
  }
  // The system counts days from Monday (LOCALE_SDAYNAME1); ours from Sunday.
  for (int d = 0; d < 7; ++d) {
    int system = (d + 6) % 7;
    formats.dayNames[d] = LocaleText(LOCALE_USER_DEFAULT, LOCALE_SDAYNAME1 + system, formats.dayNames[d]);
    formats.dayAbbrevs[d] = LocaleText(LOCALE_USER_DEFAULT, LOCALE_SABBREVDAYNAME1 + system, formats.dayAbbrevs[d]);
  }
  return formats;
}

std::string AbbreviatedLanguageName(int localeId) {
  // At most three letters and the terminator, as the system defines the name.
  wchar_t buffer[4];
  int length = GetLocaleInfoW(static_cast<LCID>(localeId), LOCALE_SABBREVLANGNAME, buffer, 4);
  return length > 1 ? Narrow(std::wstring_view(buffer, static_cast<size_t>(length - 1))) : std::string();
}

}  // namespace nx
