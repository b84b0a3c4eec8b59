#include "console/common/rules/BatteryMeter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace marivo {
namespace {

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
