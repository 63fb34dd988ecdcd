#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/DateTime.h"
#include "core/DateTimeFormat.h"

namespace nx {
// Readable failure output for CivilTime.
void PrintTo(const CivilTime& c, std::ostream* os) {
  *os << c.year << '-' << c.month << '-' << c.day << ' ' << c.hour << ':' << c.minute << ':' << c.second << '.'
      << c.millisecond;
}
}  // namespace nx

namespace {

using nx::CivilTime;

constexpr double kOneMs = 1.0 / 86'400'000;

TEST(DateTime, KnownDatesConvertBothWays) {
  struct Case {
    CivilTime civil;
    double value;
  };
  const Case cases[] = {
      {{1899, 12, 30, 0, 0, 0, 0}, 0.0},
      {{1899, 12, 30, 12, 0, 0, 0}, 0.5},
      {{1899, 12, 31, 0, 0, 0, 0}, 1.0},
      {{1899, 12, 29, 0, 0, 0, 0}, -1.0},
      {{1899, 12, 29, 6, 0, 0, 0}, -1.25},
      {{1800, 1, 1, 18, 0, 0, 0}, -36522.75},
      {{1600, 2, 29, 0, 0, 0, 0}, -109512.0},
      {{1, 1, 1, 0, 0, 0, 0}, -693593.0},
      {{1900, 3, 1, 0, 0, 0, 0}, 61.0},  // 1900 has no Feb 29
      {{2000, 2, 29, 0, 0, 0, 0}, 36585.0},
      {{2004, 12, 5, 13, 45, 30, 250}, 38326.0 + (49530250 * kOneMs)},
      {{9999, 12, 31, 23, 59, 59, 999}, 2958466.0 - kOneMs},
  };
  for (const auto& [civil, value] : cases) {
    SCOPED_TRACE(value);
    EXPECT_NEAR(nx::ToDateTime(civil), value, kOneMs / 100);
    EXPECT_EQ(nx::ToCivil(value), civil);
  }
}

TEST(DateTime, RoundsToNearestMillisecondWithCarry) {
  struct Case {
    double value;
    CivilTime expected;
  };
  const Case cases[] = {
      {1.0 - 0.4 * kOneMs, {1899, 12, 31, 0, 0, 0, 0}},
      {1.0 - 0.6 * kOneMs, {1899, 12, 30, 23, 59, 59, 999}},
      {38353.0 - 0.4 * kOneMs, {2005, 1, 1, 0, 0, 0, 0}},  // across New Year
      {0.5 + 59999.6 * kOneMs, {1899, 12, 30, 12, 1, 0, 0}},
      // Negative days count the fraction forward, so the carry reaches the epoch.
      {-2.0 + 0.4 * kOneMs, {1899, 12, 30, 0, 0, 0, 0}},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(nx::ToCivil(value), expected);
  }
}

TEST(DateTime, DayOfWeek) {
  struct Case {
    CivilTime civil;
    int expected;
  };
  const Case cases[] = {
      {{1, 1, 1, 0, 0, 0, 0}, 1},     {{1899, 12, 29, 0, 0, 0, 0}, 5}, {{1899, 12, 30, 0, 0, 0, 0}, 6},
      {{2000, 2, 29, 0, 0, 0, 0}, 2}, {{2004, 12, 5, 0, 0, 0, 0}, 0},  {{9999, 12, 31, 0, 0, 0, 0}, 5},
  };
  for (const auto& [civil, expected] : cases) {
    SCOPED_TRACE(testing::PrintToString(civil));
    EXPECT_EQ(nx::DayOfWeek(civil), expected);
  }
}

TEST(DateTime, IsValidCivil) {
  struct Case {
    CivilTime civil;
    bool valid;
  };
  const Case cases[] = {
      {{1, 1, 1, 0, 0, 0, 0}, true},      {{9999, 12, 31, 23, 59, 59, 999}, true}, {{2000, 2, 29, 0, 0, 0, 0}, true},
      {{2004, 2, 29, 0, 0, 0, 0}, true},  {{1900, 2, 29, 0, 0, 0, 0}, false},      {{2003, 2, 29, 0, 0, 0, 0}, false},
      {{2004, 4, 31, 0, 0, 0, 0}, false}, {{0, 1, 1, 0, 0, 0, 0}, false},          {{10000, 1, 1, 0, 0, 0, 0}, false},
      {{2004, 0, 1, 0, 0, 0, 0}, false},  {{2004, 13, 1, 0, 0, 0, 0}, false},      {{2004, 1, 0, 0, 0, 0, 0}, false},
      {{2004, 1, 1, 24, 0, 0, 0}, false}, {{2004, 1, 1, -1, 0, 0, 0}, false},      {{2004, 1, 1, 0, 60, 0, 0}, false},
      {{2004, 1, 1, 0, 0, 60, 0}, false}, {{2004, 1, 1, 0, 0, 0, 1000}, false},
  };
  for (const auto& [civil, valid] : cases) {
    SCOPED_TRACE(testing::PrintToString(civil));
    EXPECT_EQ(nx::IsValidCivil(civil), valid);
  }
}

TEST(DateTime, BytesAreLittleEndianDouble) {
  using Bytes = std::array<std::uint8_t, 8>;
  struct Case {
    double value;
    Bytes bytes;
  };
  const Case cases[] = {
      {0.0, {0, 0, 0, 0, 0, 0, 0, 0}},
      {1.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F}},
      {-1.25, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF4, 0xBF}},
      {38326.5, {0x00, 0x00, 0x00, 0x00, 0xD0, 0xB6, 0xE2, 0x40}},
  };
  for (const auto& [value, bytes] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(nx::DateTimeToBytes(value), bytes);
    EXPECT_EQ(nx::DateTimeFromBytes(bytes), value);
  }
  const double awkward = nx::ToDateTime({2004, 12, 5, 13, 45, 30, 250});
  EXPECT_EQ(nx::DateTimeFromBytes(nx::DateTimeToBytes(awkward)), awkward);
}

TEST(DateTimeFormat, DatePictures) {
  const nx::LocaleFormats en;
  const CivilTime march7{2004, 3, 7, 0, 0, 0, 0};   // a Sunday
  const CivilTime dec25{2004, 12, 25, 0, 0, 0, 0};  // a Saturday
  struct Case {
    CivilTime civil;
    const char* picture;
    const char* expected;
  };
  const Case cases[] = {
      {march7, "yyyy-MM-dd", "2004-03-07"},
      {march7, "dd/MM/yyyy", "07/03/2004"},
      {march7, "dd.MM.yyyy", "07.03.2004"},
      {march7, "M/d/yyyy", "3/7/2004"},
      {dec25, "M/d/yyyy", "12/25/2004"},
      {march7, "d MMMM yyyy", "7 March 2004"},
      {march7, "ddd, MMM d yy", "Sun, Mar 7 04"},
      {march7, "dddd", "Sunday"},
      {dec25, "dddddd", "Saturday"},
      {dec25, "MMMMM", "December"},
      {march7, "y|yy|yyy|yyyy|yyyyy", "4|04|2004|2004|2004"},
      {{1999, 1, 1, 0, 0, 0, 0}, "y", "99"},
      {march7, "gg yyyy", "A.D. 2004"},
      {march7, "'Week' d", "Week 7"},
      {march7, "'dd MM' d", "dd MM 7"},
      {march7, "'it''s' d", "it's 7"},
      {march7, "d''M", "7'3"},
      {march7, "d 'open", "7 open"},
      {march7, "hh:mm d-x-M", "hh:mm 7-x-3"},  // time letters are plain text here
      {march7, "", ""},
  };
  for (const auto& [civil, picture, expected] : cases) {
    SCOPED_TRACE(picture);
    EXPECT_EQ(nx::FormatDatePicture(civil, picture, en), expected);
  }
}

TEST(DateTimeFormat, TimePictures) {
  const nx::LocaleFormats en;
  const CivilTime earlyMorning{2004, 3, 7, 0, 5, 9, 0};
  const CivilTime noon{2004, 3, 7, 12, 0, 0, 0};
  const CivilTime lateEvening{2004, 3, 7, 23, 59, 59, 0};
  struct Case {
    CivilTime civil;
    const char* picture;
    const char* expected;
  };
  const Case cases[] = {
      {earlyMorning, "h:mm:ss tt", "12:05:09 AM"},
      {noon, "h:mm:ss tt", "12:00:00 PM"},
      {lateEvening, "h:mm:ss tt", "11:59:59 PM"},
      {earlyMorning, "HH:mm:ss", "00:05:09"},
      {noon, "HH:mm:ss", "12:00:00"},
      {lateEvening, "HH:mm:ss", "23:59:59"},
      {earlyMorning, "H:m:s", "0:5:9"},
      {{2004, 3, 7, 9, 0, 0, 0}, "hh", "09"},
      {earlyMorning, "t", "A"},
      {lateEvening, "t", "P"},
      {earlyMorning, "hhh:mmm:sss ttt", "12:05:09 AM"},
      {noon, "'at' H 'o''clock'", "at 12 o'clock"},
      {noon, "H dd.MM", "12 dd.MM"},  // date letters are plain text here
  };
  for (const auto& [civil, picture, expected] : cases) {
    SCOPED_TRACE(picture);
    EXPECT_EQ(nx::FormatTimePicture(civil, picture, en), expected);
  }
}

TEST(DateTimeFormat, UsesLocaleTexts) {
  nx::LocaleFormats zh;
  zh.am = "上午";
  zh.pm = "下午";
  zh.monthNames[2] = "三月";
  zh.dayAbbrevs[0] = "周日";
  const CivilTime c{2004, 3, 7, 8, 0, 0, 0};
  EXPECT_EQ(nx::FormatDatePicture(c, "MMMM ddd", zh), "三月 周日");
  EXPECT_EQ(nx::FormatTimePicture(c, "tt h", zh), "上午 8");
  EXPECT_EQ(nx::FormatTimePicture(c, "t", zh), "上");  // a whole character, not a byte
}

TEST(DateTimeFormat, FormatsDateTimeValues) {
  const nx::LocaleFormats en;
  nx::LocaleFormats de;
  de.shortDate = "dd.MM.yyyy";
  de.longTime = "HH:mm:ss";
  const double value = nx::ToDateTime({2004, 12, 5, 13, 45, 30, 0});

  EXPECT_EQ(nx::FormatShortDate(value, en), "12/5/2004");
  EXPECT_EQ(nx::FormatLongTime(value, en), "1:45:30 PM");
  EXPECT_EQ(nx::FormatDateTime(value, en), "12/5/2004 1:45:30 PM");
  EXPECT_EQ(nx::FormatDateTime(value, de), "05.12.2004 13:45:30");
  // The rounding carry must move the date along with the time.
  EXPECT_EQ(nx::FormatDateTime(38353.0 - 0.4 * kOneMs, de), "01.01.2005 00:00:00");
}

TEST(DateTimeFormat, FileNameSafeDate) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"12/05/2004", "12-05-2004"},
      {"2004\\12\\05", "2004-12-05"},
      {"05.12.2004", "05.12.2004"},
      {"5/12\\2004", "5-12-2004"},
      {"", ""},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(nx::FileNameSafeDate(text), expected);
  }
}

}  // namespace
