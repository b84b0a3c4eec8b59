#include "widgets/foundation/MVWBmp.h"

#include "widgets/foundation/portable/MVWPixelKernels.h"

#include <cstddef>

namespace marivo {

namespace {

// The bitmap's rows as the kernels read them: its pixels are kept four bytes each.
TMVWPixelRows RowsOf(TBitmap& bitmap) {
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0 || bitmap.Empty())
    return {};
  return {bitmap.ScanLine(0), static_cast<std::ptrdiff_t>(bitmap.Width()) * 4, bitmap.Width(),
          bitmap.Height(), 4};
}

TMVWRect AreaOf(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

TMVWPoint PointOf(POINT point) {
  return {point.x, point.y};
}

using TKernel = void (*)(const TMVWPixelRows&, const TMVWRect&, const TMVWPixelRows&, TMVWPoint);

void RunKernel(TKernel kernel, TBitmap& source, const RECT& area, TBitmap& target, POINT at) {
  CheckPixelFormat24(source, "Source");
  CheckPixelFormat24(target, "Target");
  kernel(RowsOf(source), AreaOf(area), RowsOf(target), PointOf(at));
}

} // namespace

bool CheckPixelFormat24(const TBitmap& bitmap, const std::string& name) {
  if (bitmap.PixelFormat() != pf24bit)
    throw EMVWWrongPixelFormat("Wrong PixelFormat in " + name + " bitmap!");
  return true;
}

void GrayScaleRect(TBitmap& source, const RECT& area, TBitmap& target, POINT at) {
  RunKernel(GrayScalePixels, source, area, target, at);
}

void MirrorColumns(TBitmap& source, const RECT& area, TBitmap& target, POINT at) {
  RunKernel(MirrorPixelColumns, source, area, target, at);
}

void MirrorRows(TBitmap& source, const RECT& area, TBitmap& target, POINT at) {
  RunKernel(MirrorPixelRows, source, area, target, at);
}

void InvertRect(TBitmap& source, const RECT& area, TBitmap& target, POINT at) {
  RunKernel(InvertPixels, source, area, target, at);
}

void BrightenRect(TBitmap& source, const RECT& area, TBitmap& target, int amount, POINT at) {
  CheckPixelFormat24(source, "Source");
  CheckPixelFormat24(target, "Target");
  BrightenPixels(RowsOf(source), AreaOf(area), RowsOf(target), amount, PointOf(at));
}

void AlphaBlend(TBitmap& first, TBitmap& second, const RECT& area, POINT at, double weight,
                TBitmap& target, POINT secondAt) {
  CheckPixelFormat24(first, "Source 1");
  CheckPixelFormat24(second, "Source 2");
  CheckPixelFormat24(target, "Target");
  BlendPixels(RowsOf(first), RowsOf(second), AreaOf(area), PointOf(at), weight, RowsOf(target),
              PointOf(secondAt));
}

} // namespace marivo
