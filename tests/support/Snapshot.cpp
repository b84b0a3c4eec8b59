#include "tests/support/Snapshot.h"

#include "platform/rtl/Streams.h"
#include "tests/support/MessagePump.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

namespace marivo::test {

std::string SnapshotForm(TForm& form, const std::string& name) {
  const char* folder = std::getenv("MARIVO_SNAPSHOT_DIR");
  if (!folder || !*folder)
    return {};
  CreateDirectoryA(folder, nullptr);
  form.Show();
  // Printing the window would give its background only; the window's own surface holds the real
  // picture, whatever other test windows stand over it on the shared display.
  HWND window = form.Handle();
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  // What the showing posted (sizes, layouts) goes first; then every part paints before the copy.
  PumpPosted();
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);

  RECT bounds;
  GetWindowRect(window, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  header.biSizeImage = static_cast<DWORD>(stride * height);
  std::vector<char> pixels(header.biSizeImage);

  HDC windowDC = GetWindowDC(window);
  HDC memory = CreateCompatibleDC(windowDC);
  HBITMAP bitmap = CreateCompatibleBitmap(windowDC, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, windowDC, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
            DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, windowDC);

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  const std::string fileName = std::string(folder) + "/" + name + ".bmp";
  TFileStream stream(fileName, TFileMode::fmCreate);
  stream.WriteBuffer(&file, sizeof file);
  stream.WriteBuffer(&header, sizeof header);
  stream.WriteBuffer(pixels.data(), static_cast<std::int64_t>(pixels.size()));
  return fileName;
}

} // namespace marivo::test
