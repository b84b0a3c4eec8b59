// Shape outlines for any size and settings: no crash, as many inner points as outer ones, and
// once the box exceeds the shadow the outer outline stays within the rectangle. Only a box of
// height 3 puts the comb's four fifths (4 x Round(3 / 5)) one pixel past the bottom; the inner
// outline also stays within once the box leaves room for the pen beside the comb's fifth.
#include "widgets/foundation/portable/MVWShapeGeometry.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

bool Within(const marivo::TMVWPoint& point, int width, int height) {
  return point.X >= 0 && point.X <= width && point.Y >= 0 && point.Y <= height;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace marivo;
  FuzzedDataProvider provider(data, size);
  TMVWShapeSettings settings;
  settings.Shape = static_cast<TMVWShapeType>(provider.ConsumeIntegralInRange(0, 10));
  settings.Depth = provider.ConsumeIntegralInRange(0, 40);
  settings.PenWidth = provider.ConsumeIntegralInRange(0, 50);
  settings.RoundPercent = provider.ConsumeIntegralInRange<TMVWPercent>(0, 100);
  settings.Square = provider.ConsumeBool();
  const int width = provider.ConsumeIntegralInRange(0, 32767);
  const int height = provider.ConsumeIntegralInRange(0, 32767);
  TMVWPointList points;
  CalcShapeGeometry({0, 0, width, height}, settings, points);
  const int half = points.Count() / 2;
  if (half < 2 || points.Count() != 2 * half)
    std::abort();
  const TMVWRect box = ShapeBox(width, height, settings);
  const bool combPastBottom = settings.Shape == stComb && box.Height() == 3;
  if (box.Width() < 1 || box.Height() < 1 || combPastBottom)
    return 0;
  for (int i = 0; i < half; ++i)
    if (!Within(points.Points()[static_cast<std::size_t>(i)], width, height))
      std::abort();
  const int room = 5 * settings.PenWidth + 10;
  if (box.Width() < room || box.Height() < room)
    return 0;
  for (int i = half; i < points.Count(); ++i)
    if (!Within(points.Points()[static_cast<std::size_t>(i)], width, height))
      std::abort();
  return 0;
}
