// Time of computing a shape's outline, outer and inner, for each kind at the size of a push
// button and of a large face. Best of five rounds, in microseconds per outline.
#include "widgets/foundation/portable/MVWShapeGeometry.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

int main() {
  using namespace marivo;
  using Clock = std::chrono::steady_clock;
  const char* const names[] = {"stEllipse",     "stRectangle",  "stRoundRect",  "stDirectUp",
                               "stDirectRight", "stDirectDown", "stDirectLeft", "stDiamond",
                               "stComb",        "stOctagon",    "stStar"};
  std::printf("CalcShapeGeometry (best of 5), microseconds each\n");
  std::printf("  %-14s %10s %10s\n", "kind", "75 x 25", "400 x 400");
  for (int kind = stEllipse; kind <= stStar; ++kind) {
    TMVWShapeSettings settings;
    settings.Shape = static_cast<TMVWShapeType>(kind);
    settings.Depth = 6;
    settings.PenWidth = 2;
    double times[2] = {};
    const TMVWRect sizes[] = {{0, 0, 75, 25}, {0, 0, 400, 400}};
    for (int size = 0; size < 2; ++size) {
      TMVWPointList points;
      double best = 1e9;
      for (int round = 0; round < 5; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < 20000; ++i)
          CalcShapeGeometry(sizes[size], settings, points);
        best =
            std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - start).count());
      }
      times[size] = best / 20000;
    }
    std::printf("  %-14s %10.3f %10.3f\n", names[kind], times[0], times[1]);
  }
  return 0;
}
