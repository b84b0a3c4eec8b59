#pragma once

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Pictures.h"

#include <windows.h>

#include <string>

namespace marivo {

class EMVWWrongPixelFormat : public Exception {
public:
  using Exception::Exception;
};

// Row routines on 24-bit pixels. Each checks that both bitmaps have 24 bits per pixel before it
// writes anything, then reads an area of a source (right and bottom edges excluded) and writes it
// at a point of a target, which may be the source itself. The area is cut to what lies inside
// the source and, from the point, inside the target.

// True for 24 bits per pixel; otherwise EMVWWrongPixelFormat "Wrong PixelFormat in <name> bitmap!".
bool CheckPixelFormat24(const TBitmap& bitmap, const std::string& name);
// 0.3 red + 0.59 green + 0.11 blue into all three channels.
void GrayScaleRect(TBitmap& source, const RECT& area, TBitmap& target, POINT at);
// Every row mirrored left to right.
void MirrorColumns(TBitmap& source, const RECT& area, TBitmap& target, POINT at);
// The rows in reverse order.
void MirrorRows(TBitmap& source, const RECT& area, TBitmap& target, POINT at);
// Every channel replaced by its complement.
void InvertRect(TBitmap& source, const RECT& area, TBitmap& target, POINT at);
// amount (-255..255) added to every channel, kept within 0..255.
void BrightenRect(TBitmap& source, const RECT& area, TBitmap& target, int amount, POINT at);
// target = second + (first - second) x weight, rounded, per channel: weight 1 keeps the first
// source, 0 gives the second. All three bitmaps must have 24 bits per pixel.
void AlphaBlend(TBitmap& first, TBitmap& second, const RECT& area, POINT at, double weight,
                TBitmap& target, POINT secondAt);

} // namespace marivo
