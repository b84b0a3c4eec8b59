#pragma once

#include "platform/ui/Messages.h"
#include "platform/ui/Pictures.h"

#include <functional>

namespace marivo::test {

// A windowed control of class T whose own painting is taken on a bitmap, away from the screen
// and from whatever other windows stand over it.
template <class T> class TOffScreen : public T {
public:
  using T::T;
  // The bitmap takes the client size.
  void PaintOn(TBitmap& bitmap) {
    bitmap.SetSize(this->ClientWidth(), this->ClientHeight());
    this->Canvas().SetHandle(bitmap.Canvas().Handle());
    this->Paint();
    this->Canvas().SetHandle(nullptr);
  }
  // What the mouse coming in draws over a painting.
  void EnterOn(TBitmap& bitmap) {
    this->Canvas().SetHandle(bitmap.Canvas().Handle());
    this->Perform(CM_MOUSEENTER, 0, 0);
    this->Canvas().SetHandle(nullptr);
  }
};

// How many pixels of the picture differ from expected(x, y).
inline int CountOther(TBitmap& picture, const std::function<TColor(int, int)>& expected) {
  int other = 0;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      other += picture.Pixels(x, y) != expected(x, y);
  return other;
}

} // namespace marivo::test
