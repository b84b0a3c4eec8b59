// Scoreboard texts come from the server: any bytes must lay out and measure without fault, and
// the measure must hold every cell the layout places.
#include "widgets/controls/portable/MVWLEDCells.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace marivo;
  FuzzedDataProvider provider(data, size);
  TMVWLEDSize cell;
  cell.Horz = provider.ConsumeIntegral<std::uint8_t>();
  cell.Vert = provider.ConsumeIntegral<std::uint8_t>();
  cell.Thickness = provider.ConsumeIntegral<std::uint8_t>();
  const int bevel = provider.ConsumeIntegralInRange(0, 64);
  const std::string text = provider.ConsumeRemainingBytesAsString();

  const TMVWLEDLayout layout = LayoutLEDText(text);
  const TMVWLEDExtent extent = LEDTextExtent(text, cell, bevel);
  if (layout.Lines < 1 || layout.Widest < 1 || layout.Cells.size() > text.size())
    std::abort();
  for (const TMVWLEDCell& placed : layout.Cells)
    if (placed.Column >= layout.Widest || placed.Line >= layout.Lines)
      std::abort();
  if (extent.Width < LEDCellWidth(cell) + 2 * bevel || extent.Height < LEDCellHeight(cell))
    std::abort();
  const TMVWLEDSegments segments = LEDSegments(cell);
  for (const TMVWLEDPolygon& polygon : segments)
    for (const TMVWPoint& point : polygon)
      if (point.X < -2 * 255 || point.X > LEDCellWidth(cell) + 2 * 255 || point.Y < -2 * 255 ||
          point.Y > LEDCellHeight(cell) + 2 * 255)
        std::abort();
  return 0;
}
