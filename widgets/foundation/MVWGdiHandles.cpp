#include "widgets/foundation/MVWGdiHandles.h"

#include <atomic>

namespace marivo {

namespace {

std::atomic<long> LiveCount{0};

} // namespace

long MVWGdiLiveCount() {
  return LiveCount.load();
}

void MVWGdiCountChange(long delta) {
  LiveCount += delta;
}

} // namespace marivo
