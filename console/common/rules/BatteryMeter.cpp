#include "console/common/rules/BatteryMeter.h"

namespace marivo {

std::optional<TBatteryReading> ReadBatteryPercentage(int percentage) {
  if (percentage == 255)
    return TBatteryReading{4, "??"};
  if (percentage < 0 || percentage > 100)
    return std::nullopt;
  const int image = percentage <= 20 ? 0 : (percentage - 1) / 20;
  return TBatteryReading{image, std::to_string(percentage) + "%"};
}

} // namespace marivo
