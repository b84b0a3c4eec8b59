#include "platform/ui/GdiHandles.h"

#include <atomic>

namespace marivo {

namespace {

std::atomic<long> LiveCount{0};

} // namespace

long GdiLiveCount() {
  return LiveCount.load();
}

void GdiCountChange(long delta) {
  LiveCount += delta;
}

} // namespace marivo
