#include "console/common/rules/BatteryMeter.h"
#include "console/common/rules/TextPadding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace marivo {
namespace {

TEST(TextPadding, ScoreboardReadOutsHaveExactlyTheirWidth) {
  struct TCase {
    std::string Text;
    int Width;
    std::string Expected;
  };
  const TCase cases[] = {
      {" 7 ", 3, "  7"},  {"4567", 3, "456"}, {"12", 3, " 12"}, {"", 3, "   "},
      {"\t9\r", 2, " 9"}, {"abc", 0, ""},     {"abc", -2, ""},  {"Team;A", 6, "Team;A"},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(PadLeft(c.Text, c.Width), c.Expected) << "'" << c.Text << "' to " << c.Width;
}

TEST(BatteryMeter, PercentagesMapToFiveImagesAndACaption) {
  struct TCase {
    int Percentage;
    std::optional<int> Image;
    std::string Caption;
  };
  const TCase cases[] = {
      {0, 0, "0%"},   {20, 0, "20%"}, {21, 1, "21%"}, {40, 1, "40%"}, {41, 2, "41%"},
      {60, 2, "60%"}, {61, 3, "61%"}, {80, 3, "80%"}, {81, 4, "81%"}, {100, 4, "100%"},
      {255, 4, "??"}, {101, {}, ""},  {254, {}, ""},  {-1, {}, ""},
  };
  for (const TCase& c : cases) {
    const auto reading = ReadBatteryPercentage(c.Percentage);
    ASSERT_EQ(reading.has_value(), c.Image.has_value()) << c.Percentage;
    if (reading) {
      EXPECT_EQ(reading->ImageIndex, *c.Image) << c.Percentage;
      EXPECT_EQ(reading->Caption, c.Caption) << c.Percentage;
    }
  }
}

} // namespace
} // namespace marivo
