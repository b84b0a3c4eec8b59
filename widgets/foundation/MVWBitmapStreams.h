#pragma once

#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace marivo {

class TBitmap;

// Bitmap codes: -1 the bitmap's own save, 0 its own depth, 2 one bit, 16 four bits, 256 eight
// bits per pixel. A monochrome bitmap is written with code 2 whatever other code is asked.
constexpr int MVWBitmapOwnFormat = -1;

// A BMP file image of the handle at the code's depth; 16 and 32 bits become 24.
std::vector<std::uint8_t> BuildBMPImage(HBITMAP handle, HPALETTE palette, int code);
// The image, after its 32-bit length when withLength.
void WriteDIBToStream(TStream& stream, HBITMAP handle, HPALETTE palette, int code, bool withLength);
// The image without length; the stream is at 0 afterwards.
void SaveBitmapAsDIB(TStream& stream, TBitmap& bitmap, int code);
// The bitmap as a compressed stream, or after its length.
void WriteBitmap(TStream& stream, TBitmap& bitmap, bool compressed, int code);
void ReadBitmap(TStream& stream, TBitmap& bitmap, bool compressed);

} // namespace marivo
