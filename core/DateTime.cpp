#include "core/DateTime.h"

#include <bit>
#include <cmath>

namespace nx {
namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

// Proleptic Gregorian day number relative to 1970-01-01 (H. Hinnant's algorithm).
constexpr std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, CivilTime& out) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  out.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  out.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  out.year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (out.month <= 2));
}

constexpr std::int64_t kEpoch = DaysFromCivil(1899, 12, 30);

bool IsLeapYear(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

}  // namespace

DateTime ToDateTime(const CivilTime& c) {
  const auto days =
      static_cast<double>(DaysFromCivil(c.year, static_cast<unsigned>(c.month), static_cast<unsigned>(c.day)) - kEpoch);
  const double fraction =
      static_cast<double>(((c.hour * 60 + c.minute) * 60 + c.second) * 1000 + c.millisecond) / kMsPerDay;
  return days < 0 ? days - fraction : days + fraction;
}

CivilTime CivilFromFileTicks(std::uint64_t ticks) {
  constexpr std::uint64_t kTicksPerSecond = 10'000'000, kSecondsPerDay = 86'400;
  constexpr std::int64_t kFileEpoch = DaysFromCivil(1601, 1, 1);
  const std::uint64_t seconds = ticks / kTicksPerSecond;
  const auto ofDay = static_cast<int>(seconds % kSecondsPerDay);
  CivilTime c{};
  CivilFromDays(static_cast<std::int64_t>(seconds / kSecondsPerDay) + kFileEpoch, c);
  c.hour = ofDay / 3600;
  c.minute = ofDay / 60 % 60;
  c.second = ofDay % 60;
  c.millisecond = static_cast<int>(ticks % kTicksPerSecond / 10'000);
  return c;
}

CivilTime ToCivil(DateTime dateTime) {
  const double whole = std::trunc(dateTime);
  auto days = static_cast<std::int64_t>(whole);
  std::int64_t ms = std::llround(std::abs(dateTime - whole) * kMsPerDay);
  // The fraction runs forward even for negative days, so a carry always moves to the next day.
  if (ms == kMsPerDay) {
    ++days;
    ms = 0;
  }
  CivilTime c{};
  CivilFromDays(days + kEpoch, c);
  c.millisecond = static_cast<int>(ms % 1000);
  c.second = static_cast<int>(ms / 1000 % 60);
  c.minute = static_cast<int>(ms / 60'000 % 60);
  c.hour = static_cast<int>(ms / 3'600'000);
  return c;
}

int DayOfWeek(const CivilTime& c) {
  // 1970-01-01 was a Thursday.
  const std::int64_t days = DaysFromCivil(c.year, static_cast<unsigned>(c.month), static_cast<unsigned>(c.day));
  return static_cast<int>(((days + 4) % 7 + 7) % 7);
}

bool IsValidCivil(const CivilTime& c) {
  return c.year >= 1 && c.year <= 9999 && c.month >= 1 && c.month <= 12 && c.day >= 1 &&
         c.day <= DaysInMonth(c.year, c.month) && c.hour >= 0 && c.hour <= 23 && c.minute >= 0 && c.minute <= 59 &&
         c.second >= 0 && c.second <= 59 && c.millisecond >= 0 && c.millisecond <= 999;
}

std::array<std::uint8_t, 8> DateTimeToBytes(DateTime dateTime) {
  const auto bits = std::bit_cast<std::uint64_t>(dateTime);
  std::array<std::uint8_t, 8> bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  return bytes;
}

DateTime DateTimeFromBytes(const std::array<std::uint8_t, 8>& bytes) {
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) bits |= std::uint64_t{bytes[i]} << (8 * i);
  return std::bit_cast<DateTime>(bits);
}

}  // namespace nx
