#include "console/common/rules/STCTool.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace marivo {
namespace {

constexpr double Second = 1.0 / 86400;

TEST(STCTool, ClockTextsGiveTheirTenthsAndAnythingElseIsAConversionError) {
  const std::pair<std::string, int> good[] = {
      {"0:00.0", 0},     {"1:05.3", 653}, {"9:59.9", 5999},
      {"12:00.0", 7200}, {"0:25.0", 250}, {"1:41.07", 1010},
  };
  for (const auto& [text, tenths] : good)
    EXPECT_EQ(TimeTextToTenths(text), tenths) << text;
  for (const char* bad : {"", "0", "1:05", "1:05.", "1:5.3", ":05.3", "a:05.3", "1:0a.3", "1:05.x",
                          "1:05:3", "-1:05.3", "+1:05.3", "1.05:3", "1234567:00.0", " 1:05.3"})
    EXPECT_THROW(TimeTextToTenths(bad), EConvertError) << bad;
}

TEST(STCTool, TheClockShowsTheUnitsOfTheMinutesAndNeverRunsBackwards) {
  const std::pair<double, std::string> cases[] = {
      {0, "0:00.0"},
      {0.099 * Second, "0:00.0"},
      {0.1 * Second, "0:00.1"},
      {65.3 * Second, "1:05.3"},
      {25 * Second, "0:25.0"},
      {599.9 * Second, "9:59.9"},
      {600 * Second, "0:00.0"},
      {3725.4 * Second, "2:05.4"},
      {-0.5 * Second, "0:00.0"},
      {-2.0, "0:00.0"},
      {std::numeric_limits<double>::quiet_NaN(), "0:00.0"},
      // The time of day of a date-time, for events counted while the clock stands.
      {EncodeDateTime({2026, 3, 14, 15, 7, 42, 560}), "7:42.5"},
  };
  for (const auto& [days, text] : cases)
    EXPECT_EQ(RoutineClockText(days), text) << days / Second << " s";
}

TEST(STCTool, TheOffsetLabelShowsTheMillisecondsOfTheDifferenceEitherWay) {
  const std::pair<double, std::string> cases[] = {
      {0, "Time: Offset=00ms"},
      {0.005 * Second, "Time: Offset=05ms"},
      {1.234 * Second, "Time: Offset=234ms"},
      {-1.234 * Second, "Time: Offset=234ms"},
      {-0.05 * Second, "Time: Offset=50ms"},
      {3600.999 * Second, "Time: Offset=999ms"},
      {std::numeric_limits<double>::quiet_NaN(), "Time: Offset=00ms"},
  };
  for (const auto& [days, text] : cases)
    EXPECT_EQ(ClockOffsetText(days), text) << days / Second << " s";
  const std::string far = ClockOffsetText(-1e300);
  EXPECT_EQ(far.rfind("Time: Offset=", 0), 0u) << far;
}

TEST(STCTool, TheTotalIsExactInTenths) {
  struct TCase {
    long long Small, Obvious, Major;
    std::string Total;
  };
  const TCase cases[] = {
      {0, 0, 0, "0.0"},   {1, 0, 0, "0.1"}, {0, 1, 0, "0.5"},   {0, 0, 1, "3.0"},
      {3, 2, 1, "4.3"},   {7, 0, 0, "0.7"}, {0, 2, 1, "4.0"},   {3, 0, 0, "0.3"},
      {0, 0, 12, "36.0"}, {1, 1, 1, "3.6"}, {0, -1, 0, "-0.5"}, {1000000, 0, 1000000, "3100000.0"},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(STCTotalText(c.Small, c.Obvious, c.Major), c.Total)
        << c.Small << " " << c.Obvious << " " << c.Major;
}

TEST(STCTool, ElementRowsAreMarkedOnceTheClockPassesTheirEnd) {
  using TColumn = std::vector<std::string>;
  struct TCase {
    const char* Name;
    TColumn Column;
    int ElementRows;
    int Clock;
    TColumn Marked;
  };
  const TColumn routine = {"Time", "0:00-0:25", "0:25-1:10", "1:10-1:40", "1:40-2:00"};
  const TCase cases[] = {
      {"the first element is under way at once",
       routine,
       4,
       0,
       {"Time", "*0:00-0:25", "0:25-1:10", "1:10-1:40", "1:40-2:00"}},
      {"0:25 is not past 0:25",
       routine,
       4,
       250,
       {"Time", "*0:00-0:25", "0:25-1:10", "1:10-1:40", "1:40-2:00"}},
      {"0:26 is", routine, 4, 260, {"Time", "*0:00-0:25", "*0:25-1:10", "1:10-1:40", "1:40-2:00"}},
      {"1:41 passes 1:40",
       routine,
       4,
       1010,
       {"Time", "*0:00-0:25", "*0:25-1:10", "*1:10-1:40", "*1:40-2:00"}},
      {"marks are kept, not doubled",
       {"Time", "*0:00-0:25", "*0:25-1:10", "1:10-1:40"},
       3,
       300,
       {"Time", "*0:00-0:25", "*0:25-1:10", "1:10-1:40"}},
      {"a row marked already is left as it is",
       {"Time", "0:00-0:25", "*x", "0:30-0:40"},
       3,
       900,
       {"Time", "*0:00-0:25", "*x", "0:30-0:40"}},
      {"short and malformed end times mark nothing",
       {"Time", "0:00-0:2", "a", "0-", "b", "-1:5", "c", "x-1:0a", "d", "1:00", "e", "0-a:00", "f"},
       12,
       6000,
       {"Time", "*0:00-0:2", "a", "0-", "b", "-1:5", "c", "x-1:0a", "d", "1:00", "e", "0-a:00",
        "f"}},
      {"the text after the first dash counts",
       {"Time", "A-0:10-9:00", "B"},
       2,
       200,
       {"Time", "*A-0:10-9:00", "*B"}},
      {"after the last element the referees' empty row is marked",
       {"Home", "0:00-0:25", "", "", "Choreo"},
       1,
       300,
       {"Home", "*0:00-0:25", "*", "", "Choreo"}},
      {"no elements: the referees' foot is left alone",
       {"Home", "", "", "", "", "", "", ""},
       0,
       300,
       {"Home", "", "", "", "", "", "", ""}},
      {"a grid of the heading alone", {"Time"}, 1, 300, {"Time"}},
      {"no rows at all", {}, 0, 300, {}},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(MarkPassedElements(c.Column, c.ElementRows, c.Clock), c.Marked) << c.Name;
}

TEST(STCTool, LogFileBytes) {
  const std::string heading(STCLogHeading);
  EXPECT_EQ(heading.size(), 84u);
  EXPECT_EQ(heading, "Delete or rename this file anytime. Open it in Excel.\r\n"
                     "Date\tEvent\tOrder\tDATC\tTime\r\n\r");

  EXPECT_EQ(
      STCLogLine(EncodeDateTime({2026, 3, 14, 15, 7, 42, 900}), "Free Final", " 3", "1", "0:05.3"),
      "26-03-14 15:07.42\tFree Final\t 3\t1\t0:05.3\r\n");
  EXPECT_EQ(
      STCLogLine(EncodeDateTime({2000, 1, 2, 0, 0, 5, 0}), "Tech\tDuet", "1\t2", "3", "9:59.9"),
      "00-01-02 00:00.05\tTech\tDuet\t1\t2\t3\t9:59.9\r\n")
      << "a TAB in the event name or the order goes out unchanged";
  EXPECT_EQ(STCLogLine(EncodeDateTime({2031, 12, 31, 23, 59, 59, 999}), "", "", "2", "0:00.0"),
            "31-12-31 23:59.59\t\t\t2\t0:00.0\r\n");
}

} // namespace
} // namespace marivo
