#include "console/common/rules/ScoreEntry.h"

#include <gtest/gtest.h>

#include <string>

namespace marivo {
namespace {

TEST(ScoreEntry, ElementAndImpressionScoresAreTwoPresses) {
  struct TCase {
    std::string Text;
    int Key;
    std::string Expected;
  };
  const TCase cases[] = {
      {"", 7, "7.00"},      {"7.00", 30, "7.25"}, {"7.25", 50, "7.75"},   {"7.75", 20, "7.00"},
      {"", 30, "25"},       {"", 10, "10.00"},    {"10.00", 40, "10.50"}, {"3.50", 9, "9.00"},
      {"8.00", 99, "8.00"}, {"abc", 40, "50"},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(ScoreAfterKey(c.Text, c.Key), c.Expected) << "'" << c.Text << "' + " << c.Key;
}

TEST(ScoreEntry, TheSingleScoreDisplayStartsFromZero) {
  EXPECT_EQ(SingleScoreAfterKey("7.25", KeyClear), "0.00");
  EXPECT_EQ(SingleScoreAfterKey("  ", 30), "0.25");
  EXPECT_EQ(SingleScoreAfterKey("7.25", 0), "7.25");
  EXPECT_EQ(SingleScoreAfterKey("", 0), "0.00");
  EXPECT_EQ(SingleScoreAfterKey("0.0", 6), "6.00");
  EXPECT_EQ(SingleScoreAfterKey("6.00", 10), "10.00");
}

TEST(ScoreEntry, TimesShiftInFromTheRight) {
  struct TCase {
    std::string Time;
    std::string Digits;
    std::string Expected;
  };
  const TCase cases[] = {
      {"0:00.0", "5", "0:00.5"}, {"0:00.5", "3", "0:05.3"}, {"0:05.3", "0", "0:53.0"},
      {"0:53.0", "7", "5:30.7"}, {"1:23.4", "5", "2:34.5"}, {"1:23.4", "10", "2:34.1"},
      {"0:00.0", "0", "0:00.0"}, {"9:99.9", "1", "9:99.1"},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(TimeAfterDigits(c.Time, c.Digits), c.Expected) << c.Time << " + " << c.Digits;
}

TEST(ScoreEntry, CursorsWrapAndComeBackIntoRange) {
  EXPECT_EQ(NextField(0, 0, 4), 1);
  EXPECT_EQ(NextField(3, 0, 4), 0);
  EXPECT_EQ(NextField(9, 0, 4), 0);
  EXPECT_EQ(PreviousField(0, 0, 4), 3);
  EXPECT_EQ(PreviousField(9, 0, 4), 3);
  EXPECT_EQ(NextField(3, 1, 3), 1);
  EXPECT_EQ(PreviousField(1, 1, 3), 3);
  EXPECT_EQ(NextField(0, 0, 0), 0);
  EXPECT_EQ(PreviousField(0, 0, 0), 0);
}

} // namespace
} // namespace marivo
