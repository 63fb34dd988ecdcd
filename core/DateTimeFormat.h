#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/DateTime.h"

namespace nx {

struct LocaleFormats {
  std::string shortDate = "M/d/yyyy";
  std::string longTime = "h:mm:ss tt";
  std::string am = "AM", pm = "PM";
  std::array<std::string, 12> monthNames{"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
  std::array<std::string, 12> monthAbbrevs{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  // Sunday first.
  std::array<std::string, 7> dayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  std::array<std::string, 7> dayAbbrevs{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
};

// Pictures follow GetDateFormat / GetTimeFormat: field letters are expanded,
// 'quoted text' is copied literally, '' yields one quote, anything else is copied.
std::string FormatDatePicture(const CivilTime& civil, std::string_view picture, const LocaleFormats& locale);
std::string FormatTimePicture(const CivilTime& civil, std::string_view picture, const LocaleFormats& locale);

std::string FormatShortDate(DateTime dateTime, const LocaleFormats& locale);
std::string FormatLongTime(DateTime dateTime, const LocaleFormats& locale);
// Short date + " " + long time.
std::string FormatDateTime(DateTime dateTime, const LocaleFormats& locale);

// Turns a formatted date into a file name part: "12/05/2004" -> "12-05-2004".
std::string FileNameSafeDate(std::string text);

}  // namespace nx
