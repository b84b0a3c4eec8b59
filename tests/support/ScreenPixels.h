#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace marivo::test {

// What reached the screen of a rectangle of a window's client area, row by row from the top.
inline std::vector<COLORREF> ScreenPixels(HWND window, const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = GetDC(window);
  HDC copy = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, width, height, dc, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  std::vector<COLORREF> pixels;
  const auto* quads = static_cast<const RGBQUAD*>(bits);
  for (int i = 0; i < width * height; ++i)
    pixels.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
  SelectObject(copy, old);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(window, dc);
  return pixels;
}

// The same after the window and its children painted themselves anew.
inline std::vector<COLORREF> RepaintedPixels(HWND window, const RECT& rect) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  return ScreenPixels(window, rect);
}

inline int CountColor(const std::vector<COLORREF>& pixels, COLORREF color) {
  return static_cast<int>(std::count(pixels.begin(), pixels.end(), color));
}

// Pixels of a colour in rows [top, bottom) of a picture width pixels wide, and in the other rows.
struct TRowsCount {
  int Inside = 0;
  int Outside = 0;
};
inline TRowsCount CountColorInRows(const std::vector<COLORREF>& pixels, int width, int top,
                                   int bottom, COLORREF color) {
  TRowsCount count;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const int y = static_cast<int>(i) / width;
    (y >= top && y < bottom ? count.Inside : count.Outside) += pixels[i] == color;
  }
  return count;
}

} // namespace marivo::test
