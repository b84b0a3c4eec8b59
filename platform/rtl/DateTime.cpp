#include "platform/rtl/DateTime.h"

#include <cmath>
#include <cstdint>

namespace marivo {

namespace {

constexpr std::int64_t MillisecondsPerDay = 86400000;
// Days from 1899-12-30 to 1970-01-01, where the civil-day arithmetic below counts from.
constexpr std::int64_t DaysTo1970 = 25569;
// 10000-01-01: what lies beyond is no moment of a meet, and would overflow the millisecond count.
constexpr double EndOfYear9999 = 2958466;

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
  year -= month <= 2;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(std::int64_t days, TDateTimeParts& parts) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  parts.Day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  parts.Month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  parts.Year = static_cast<int>(yearOfEra + era * 400 + (parts.Month <= 2));
}

} // namespace

double EncodeDateTime(const TDateTimeParts& parts) {
  const std::int64_t days = DaysFromCivil(parts.Year, parts.Month, parts.Day) + DaysTo1970;
  const std::int64_t milliseconds =
      ((std::int64_t{parts.Hour} * 60 + parts.Minute) * 60 + parts.Second) * 1000 +
      parts.Millisecond;
  return static_cast<double>(days) + static_cast<double>(milliseconds) / MillisecondsPerDay;
}

TDateTimeParts DecodeDateTime(double value) {
  // fmax also turns a NaN into the first moment.
  const double days = std::fmin(std::fmax(value, 0.0), EndOfYear9999 - 1.0 / MillisecondsPerDay);
  const std::int64_t total = std::llround(days * MillisecondsPerDay);
  TDateTimeParts parts;
  CivilFromDays(total / MillisecondsPerDay - DaysTo1970, parts);
  const std::int64_t ofDay = total % MillisecondsPerDay;
  parts.Hour = static_cast<int>(ofDay / 3600000);
  parts.Minute = static_cast<int>(ofDay / 60000 % 60);
  parts.Second = static_cast<int>(ofDay / 1000 % 60);
  parts.Millisecond = static_cast<int>(ofDay % 1000);
  return parts;
}

} // namespace marivo
