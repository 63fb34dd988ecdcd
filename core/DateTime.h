#pragma once

#include <array>
#include <cstdint>

namespace nx {

// Days since 1899-12-30 00:00, time of day as the fraction (OLE/Delphi date).
// Before the epoch the integer part goes negative while the fraction still
// counts forward from midnight: -1.25 is 1899-12-29 06:00.
using DateTime = double;

struct CivilTime {
  int year, month, day;  // month 1-12, day 1-31
  int hour, minute, second, millisecond;

  bool operator==(const CivilTime&) const = default;
};

// Expects a civil time that passes IsValidCivil.
DateTime ToDateTime(const CivilTime& civil);
// Rounds to the nearest millisecond. Expects a finite value within years 1..9999,
// so check values of unknown origin (e.g. read from the registry) first.
CivilTime ToCivil(DateTime dateTime);
// File-system time: 100-nanosecond ticks since 1601-01-01, cut (not
// rounded) to the millisecond.
CivilTime CivilFromFileTicks(std::uint64_t ticks);
// 0 = Sunday.
int DayOfWeek(const CivilTime& civil);
bool IsValidCivil(const CivilTime& civil);

// The registry keeps a date-time as the little-endian IEEE-754 double.
std::array<std::uint8_t, 8> DateTimeToBytes(DateTime dateTime);
DateTime DateTimeFromBytes(const std::array<std::uint8_t, 8>& bytes);

}  // namespace nx
