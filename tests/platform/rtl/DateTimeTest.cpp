#include "platform/rtl/DateTime.h"

#include <gtest/gtest.h>

#include <limits>

namespace marivo {
namespace {

TEST(DateTimeTest, DaysCountFrom30December1899) {
  struct TCase {
    TDateTimeParts Parts;
    double Value;
  };
  const TCase cases[] = {
      {{1899, 12, 30, 0, 0, 0, 0}, 0},       {{1900, 1, 1, 0, 0, 0, 0}, 2},
      {{1970, 1, 1, 0, 0, 0, 0}, 25569},     {{2000, 1, 1, 12, 0, 0, 0}, 36526.5},
      {{2024, 2, 29, 6, 0, 0, 0}, 45351.25}, {{2026, 3, 14, 18, 0, 0, 0}, 46095.75},
  };
  for (const TCase& c : cases) {
    EXPECT_DOUBLE_EQ(EncodeDateTime(c.Parts), c.Value) << c.Value;
    EXPECT_EQ(DecodeDateTime(c.Value), c.Parts) << c.Value;
  }
}

TEST(DateTimeTest, MomentsComeBackToTheMillisecond) {
  const TDateTimeParts moments[] = {
      {2026, 3, 14, 15, 7, 42, 300}, {2026, 12, 31, 23, 59, 59, 999}, {1999, 2, 28, 0, 0, 0, 1},
      {2100, 3, 1, 9, 30, 0, 100},   {9999, 12, 31, 23, 59, 59, 999},
  };
  for (const TDateTimeParts& parts : moments)
    EXPECT_EQ(DecodeDateTime(EncodeDateTime(parts)), parts) << EncodeDateTime(parts);
}

TEST(DateTimeTest, ValuesBeyondTheEndsAreTakenAsTheEnds) {
  const TDateTimeParts first;
  EXPECT_EQ(DecodeDateTime(-3.5), first);
  EXPECT_EQ(DecodeDateTime(std::numeric_limits<double>::quiet_NaN()), first);
  EXPECT_EQ(DecodeDateTime(1e300).Year, 9999);
  EXPECT_EQ(DecodeDateTime(std::numeric_limits<double>::infinity()).Year, 9999);
}

} // namespace
} // namespace marivo
