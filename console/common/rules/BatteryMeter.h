#pragma once

#include <optional>
#include <string>

namespace marivo {

struct TBatteryReading {
  int ImageIndex; // 0 (empty) to 4 (full)
  std::string Caption;
};

// What the battery read-out shows for a percentage as the system reports it (255: unknown);
// nothing for values the system should not report.
std::optional<TBatteryReading> ReadBatteryPercentage(int percentage);

} // namespace marivo
