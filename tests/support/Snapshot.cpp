#include "tests/support/Snapshot.h"

#include "platform/rtl/Streams.h"
#include "tests/support/MessagePump.h"

#include <cstdlib>

namespace marivo::test {
namespace {

int Stride(const RECT& bounds) {
  return ((bounds.right - bounds.left) * 3 + 3) & ~3;
}

// The colour at a point of the screen that the picture holds.
std::uint32_t Pixel(const TSnapshot& snapshot, POINT screen) {
  const int row = snapshot.Bounds.bottom - 1 - screen.y;
  const auto* pixel = reinterpret_cast<const unsigned char*>(snapshot.Bits.data()) +
                      row * Stride(snapshot.Bounds) + (screen.x - snapshot.Bounds.left) * 3;
  return RGB(pixel[2], pixel[1], pixel[0]);
}

} // namespace

bool TSnapshot::Shows(TControl& control, TColor color, RECT part) const {
  if (IsRectEmpty(&part))
    part = control.ClientRect();
  const POINT origin = control.ClientToScreen(POINT{0, 0});
  OffsetRect(&part, origin.x, origin.y);
  RECT seen;
  IntersectRect(&seen, &part, &Bounds);
  const std::uint32_t wanted = ColorToRGB(color);
  for (int y = seen.top; y < seen.bottom; ++y)
    for (int x = seen.left; x < seen.right; ++x)
      if (Pixel(*this, POINT{x, y}) == wanted)
        return true;
  return false;
}

std::uint32_t TSnapshot::At(TControl& control, POINT point) const {
  const POINT screen = control.ClientToScreen(point);
  return PtInRect(&Bounds, screen) ? Pixel(*this, screen) : CLR_INVALID;
}

TSnapshot SnapshotForm(TForm& form, const std::string& name) {
  form.Show();
  // Printing the window would give its background only; the window's own surface holds the real
  // picture, whatever other test windows stand over it on the shared display.
  HWND window = form.Handle();
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  // What the showing posted (sizes, layouts) goes first; then every part paints before the copy.
  PumpPosted();
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);

  TSnapshot snapshot;
  GetWindowRect(window, &snapshot.Bounds);
  const int width = snapshot.Bounds.right - snapshot.Bounds.left;
  const int height = snapshot.Bounds.bottom - snapshot.Bounds.top;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(Stride(snapshot.Bounds) * height);
  snapshot.Bits.resize(header.biSizeImage);

  HDC windowDC = GetWindowDC(window);
  HDC memory = CreateCompatibleDC(windowDC);
  HBITMAP bitmap = CreateCompatibleBitmap(windowDC, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, windowDC, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  GetDIBits(memory, bitmap, 0, height, snapshot.Bits.data(), reinterpret_cast<BITMAPINFO*>(&header),
            DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, windowDC);

  const char* folder = std::getenv("MARIVO_SNAPSHOT_DIR");
  if (!folder || !*folder)
    return snapshot;
  CreateDirectoryA(folder, nullptr);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  snapshot.File = std::string(folder) + "/" + name + ".bmp";
  TFileStream stream(snapshot.File, TFileMode::fmCreate);
  stream.WriteBuffer(&file, sizeof file);
  stream.WriteBuffer(&header, sizeof header);
  stream.WriteBuffer(snapshot.Bits.data(), static_cast<std::int64_t>(snapshot.Bits.size()));
  return snapshot;
}

} // namespace marivo::test
