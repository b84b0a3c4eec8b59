#include "platform/ui/GdiHandles.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextUtils.h"

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

HBITMAP CreateDib(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

TDibSection::TDibSection(int width, int height) : Width(width), Height(height) {
  Handle.Reset(CreateDib(width, height, &Bits));
  if (!Handle)
    throw EInvalidGraphic("Not enough memory for a " + IntToStr(width) + " x " + IntToStr(height) +
                          " picture");
}

} // namespace marivo
