#include "widgets/foundation/MVWProcs.h"

#include "platform/rtl/FileNames.h"
#include "widgets/foundation/portable/MVWStrUtils.h"

#include <cmath>

namespace marivo {

void FitRectProportional(const RECT& source, const RECT& target, RECT& result) {
  int sourceWidth, sourceHeight, targetWidth, targetHeight;
  RectSize(source, sourceWidth, sourceHeight);
  RectSize(target, targetWidth, targetHeight);
  // Dividing by an empty source would give an infinite size.
  if (sourceWidth == 0 || sourceHeight == 0) {
    result = {target.left, target.top, target.left, target.top};
    return;
  }
  const double factors[] = {static_cast<double>(targetWidth) / sourceWidth,
                            static_cast<double>(targetHeight) / sourceHeight};
  const double factor = MinOfFloats(factors, 1);
  result = {0, 0, static_cast<int>(std::trunc(sourceWidth * factor)),
            static_cast<int>(std::trunc(sourceHeight * factor))};
  OffsetRect(&result, target.left, target.top);
}

void RectSize(const RECT& rect, int& width, int& height) {
  width = rect.right - rect.left;
  height = rect.bottom - rect.top;
}

bool RectInRect(const RECT& inner, const RECT& outer) {
  return PtInRect(&outer, POINT{inner.left, inner.top}) &&
         PtInRect(&outer, POINT{inner.right, inner.bottom});
}

void RotatedRectBounds(RECT& rect, int angle) {
  if (angle == 0)
    return;
  const double radians = angle * 3.14159265358979323846 / 180;
  const double cosine = std::cos(radians);
  const double sine = std::sin(radians);
  const int halfWidth = (rect.right - rect.left) / 2;
  const int halfHeight = (rect.bottom - rect.top) / 2;
  const POINT corners[] = {{-halfWidth, -halfHeight},
                           {halfWidth, -halfHeight},
                           {halfWidth, halfHeight},
                           {-halfWidth, halfHeight}};
  int xs[4], ys[4];
  for (int i = 0; i < 4; ++i) {
    // Ties round to even, as the platform's rounding does.
    xs[i] = static_cast<int>(std::nearbyint(corners[i].x * cosine)) -
            static_cast<int>(std::nearbyint(corners[i].y * sine));
    ys[i] = static_cast<int>(std::nearbyint(corners[i].x * sine)) +
            static_cast<int>(std::nearbyint(corners[i].y * cosine));
  }
  rect = {0, 0, MaxOfInts(xs, 3) - MinOfInts(xs, 3), MaxOfInts(ys, 3) - MinOfInts(ys, 3)};
}

void OffsetPoints(POINT* points, int highIndex, int dx, int dy) {
  for (int i = 0; i <= highIndex; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
}

namespace {

std::string Directory(UINT(WINAPI* query)(LPSTR, UINT)) {
  char buffer[MAX_PATH];
  const UINT length = query(buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

} // namespace

std::string WindowsDirectory() {
  return Directory(GetWindowsDirectoryA);
}

std::string SystemDirectory() {
  return Directory(GetSystemDirectoryA);
}

std::string ProgramDirectory() {
  char buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return RemoveTrailingBackslash(ExtractFilePath(std::string(buffer, length)));
}

void PathOfPrefix(int kind, bool trailingBackslash, std::string& path) {
  switch (kind) {
  case ppWindows:
    path = WindowsDirectory();
    break;
  case ppSystem:
    path = SystemDirectory();
    break;
  case ppProgram:
    path = ProgramDirectory();
    break;
  default:
    path.clear();
    return;
  }
  path = trailingBackslash ? AddTrailingBackslash(path) : RemoveTrailingBackslash(path);
}

} // namespace marivo
