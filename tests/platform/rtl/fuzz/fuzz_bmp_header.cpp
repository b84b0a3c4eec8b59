// Any bytes either give a layout whose every part lies inside them or raise EInvalidGraphic.
#include "platform/rtl/BmpHeader.h"
#include "platform/rtl/Exceptions.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace marivo;
  try {
    const TBmpLayout layout = CheckBmpHeader(data, size);
    const std::size_t rows = static_cast<std::size_t>(layout.Rows);
    if (layout.Width <= 0 || layout.Rows <= 0 || layout.PixelOffset > size ||
        layout.Stride * rows > size - layout.PixelOffset ||
        layout.Stride * 8 < static_cast<std::size_t>(layout.Width) * layout.BitCount)
      std::abort();
    if (layout.BitCount <= 8 && layout.Palette.size() != (1u << layout.BitCount))
      std::abort();
    // Touch the last pixel byte: ASan reports any read past the data.
    volatile std::uint8_t last = data[layout.PixelOffset + layout.Stride * rows - 1];
    (void)last;
  } catch (const EInvalidGraphic&) {
  }
  return 0;
}
