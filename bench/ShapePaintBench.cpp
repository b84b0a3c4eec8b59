// Time of one repaint of a shape face from its kept outline, as a shape button does: each kind at
// the size of a push button and of a large face, with a solid shadow and a black outline, once
// with the brush and once with a picture inside. Best of five rounds, in microseconds per paint.
#include "platform/ui/Pictures.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWShapePaint.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

int main() {
  using namespace marivo;
  using Clock = std::chrono::steady_clock;
  TMVWFoundation foundation;
  const char* const names[] = {"stEllipse",     "stRectangle",  "stRoundRect",  "stDirectUp",
                               "stDirectRight", "stDirectDown", "stDirectLeft", "stDiamond",
                               "stComb",        "stOctagon",    "stStar"};
  TMVWShadow shadow;
  TMVWSimpleBevel bevel;
  TBrush brush;
  brush.SetColor(clBtnFace);
  std::printf("PaintShape (best of 5), microseconds each\n");
  std::printf("  %-14s %12s %12s %12s %12s\n", "kind", "75 x 25", "400 x 400", "75 x 25 pic",
              "400 x 400 pic");
  for (int kind = stEllipse; kind <= stStar; ++kind) {
    const auto shape = static_cast<TMVWShapeType>(kind);
    double times[4] = {};
    const RECT sizes[] = {{0, 0, 75, 25}, {0, 0, 400, 400}};
    for (int column = 0; column < 4; ++column) {
      const RECT rect = sizes[column % 2];
      TBitmap target, picture;
      FillBitmap(target, rect, clBtnFace);
      FillBitmap(picture, rect, clTeal);
      TMVWPointList points;
      CalcShapeGeometry(rect, shape, &shadow, &bevel, 33, false, points);
      const int count = column % 2 == 0 ? 400 : 40;
      double best = 1e9;
      for (int round = 0; round < 5; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < count; ++i)
          PaintShape(target.Canvas(), rect, shape, &shadow, &bevel, 33, brush, false, clBtnFace,
                     clFuchsia, column < 2 ? nullptr : &picture, &points);
        GdiFlush();
        best =
            std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - start).count());
      }
      times[column] = best / count;
    }
    std::printf("  %-14s %12.1f %12.1f %12.1f %12.1f\n", names[kind], times[0], times[1], times[2],
                times[3]);
  }
  return 0;
}
