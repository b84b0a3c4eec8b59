#pragma once

namespace marivo {

// A date-time is a number of days since 1899-12-30 with the time of day as its fraction, as the
// meet server and the consoles exchange it. These helpers cover moments from that day to the
// end of the year 9999; a value outside is taken as the nearest of the two ends.

struct TDateTimeParts {
  int Year = 1899;
  int Month = 12;
  int Day = 30;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;

  bool operator==(const TDateTimeParts&) const = default;
};

double EncodeDateTime(const TDateTimeParts& parts);
// Rounded to the nearest millisecond, so a value that stands for 0.3 s is not read as 0.299 s.
TDateTimeParts DecodeDateTime(double value);

} // namespace marivo
