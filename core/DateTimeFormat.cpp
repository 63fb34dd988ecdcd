#include "core/DateTimeFormat.h"

#include <algorithm>

namespace nx {
namespace {

std::string Number(int value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// First UTF-8 character, so multi-byte designators are not cut mid-sequence.
std::string_view FirstChar(std::string_view text) {
  std::size_t n = std::min<std::size_t>(1, text.size());
  while (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) ++n;
  return text.substr(0, n);
}

// Walks the picture and hands each run of one letter to `field`, which appends
// the expansion and returns false when the letter is not a field of its kind.
template <class Field>
std::string Expand(std::string_view picture, Field field) {
  std::string out;
  std::size_t i = 0;
  while (i < picture.size()) {
    if (picture[i] == '\'') {
      if (i + 1 < picture.size() && picture[i + 1] == '\'') {
        out += '\'';
        i += 2;
        continue;
      }
      // An unterminated quote runs to the end of the picture.
      for (++i; i < picture.size(); ++i) {
        if (picture[i] != '\'') {
          out += picture[i];
        } else if (i + 1 < picture.size() && picture[i + 1] == '\'') {
          out += '\'';
          ++i;
        } else {
          ++i;
          break;
        }
      }
      continue;
    }
    std::size_t n = 1;
    while (i + n < picture.size() && picture[i + n] == picture[i]) ++n;
    if (!field(picture[i], n, out)) out.append(picture.substr(i, n));
    i += n;
  }
  return out;
}

}  // namespace

std::string FormatDatePicture(const CivilTime& c, std::string_view picture, const LocaleFormats& locale) {
  return Expand(picture, [&](char letter, std::size_t n, std::string& out) {
    switch (letter) {
      case 'd':
        if (n <= 2)
          out += Number(c.day, n);
        else
          out += (n == 3 ? locale.dayAbbrevs : locale.dayNames).at(DayOfWeek(c));
        return true;
      case 'M':
        if (n <= 2)
          out += Number(c.month, n);
        else
          out += (n == 3 ? locale.monthAbbrevs : locale.monthNames).at(c.month - 1);
        return true;
      case 'y':
        out += n <= 2 ? Number(c.year % 100, n) : Number(c.year, 4);
        return true;
      case 'g':
        out += "A.D.";
        return true;
      default:
        return false;
    }
  });
}

std::string FormatTimePicture(const CivilTime& c, std::string_view picture, const LocaleFormats& locale) {
  return Expand(picture, [&](char letter, std::size_t n, std::string& out) {
    const std::size_t width = std::min<std::size_t>(n, 2);
    switch (letter) {
      case 'h':
        out += Number(c.hour % 12 == 0 ? 12 : c.hour % 12, width);
        return true;
      case 'H':
        out += Number(c.hour, width);
        return true;
      case 'm':
        out += Number(c.minute, width);
        return true;
      case 's':
        out += Number(c.second, width);
        return true;
      case 't': {
        const std::string& designator = c.hour < 12 ? locale.am : locale.pm;
        out += width == 1 ? FirstChar(designator) : designator;
        return true;
      }
      default:
        return false;
    }
  });
}

std::string FormatShortDate(DateTime dateTime, const LocaleFormats& locale) {
  return FormatDatePicture(ToCivil(dateTime), locale.shortDate, locale);
}

std::string FormatLongTime(DateTime dateTime, const LocaleFormats& locale) {
  return FormatTimePicture(ToCivil(dateTime), locale.longTime, locale);
}

std::string FormatDateTime(DateTime dateTime, const LocaleFormats& locale) {
  // One conversion, so a rounding carry moves date and time together.
  const CivilTime c = ToCivil(dateTime);
  return FormatDatePicture(c, locale.shortDate, locale) + " " + FormatTimePicture(c, locale.longTime, locale);
}

std::string FileNameSafeDate(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char ch) { return ch == '/' || ch == '\\'; }, '-');
  return text;
}

}  // namespace nx
