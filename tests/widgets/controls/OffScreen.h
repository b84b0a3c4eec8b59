#pragma once

#include "platform/ui/Pictures.h"

#include <windows.h>

#include <vector>

namespace marivo::test {

// A window-less control of class T whose painting can be caught in a bitmap.
template <class T> class TOffScreen : public T {
public:
  using T::T;
  // The control painted over a bitmap of its size filled with under.
  void PaintInto(TBitmap& bitmap, TColor under) {
    bitmap.SetSize(this->Width(), this->Height());
    bitmap.Canvas().Brush().SetColor(under);
    bitmap.Canvas().FillRect(RECT{0, 0, this->Width(), this->Height()});
    this->Canvas().SetHandle(bitmap.Canvas().Handle());
    this->Paint();
    this->Canvas().SetHandle(nullptr);
  }
};

inline int CountPixels(const TBitmap& bitmap, TColor color) {
  int count = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      count += bitmap.Pixels(x, y) == color ? 1 : 0;
  return count;
}

} // namespace marivo::test
