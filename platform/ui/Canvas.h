#pragma once

#include "platform/ui/Graphics.h"

#include <string>
#include <vector>

namespace marivo {

class TBitmap;
class TGraphic;

// The hatches paint lines in the brush colour over the canvas's background colour.
enum TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};
enum TPenStyle { psSolid, psDash, psDot, psClear };

class TBrush : public TPersistent {
public:
  TColor Color() const { return Color_; }
  void SetColor(TColor value);
  TBrushStyle Style() const { return Style_; }
  void SetStyle(TBrushStyle value);
  // A pattern bitmap painting in place of the colour; the brush does not own it.
  TBitmap* Bitmap() const { return Bitmap_; }
  void SetBitmap(TBitmap* value);
  // Colour, style and pattern bitmap of another brush.
  void Assign(const TPersistent& source) override;

  // Fires when a setter or Assign changed something.
  TNotifyEvent OnChange;

private:
  void Changed();

  TColor Color_ = clWhite;
  TBrushStyle Style_ = bsSolid;
  TBitmap* Bitmap_ = nullptr;
};

class TPen : public TPersistent {
public:
  TColor Color() const { return Color_; }
  void SetColor(TColor value) { Color_ = value; }
  int Width() const { return Width_; }
  void SetWidth(int value) { Width_ = value; }
  TPenStyle Style() const { return Style_; }
  void SetStyle(TPenStyle value) { Style_ = value; }

private:
  TColor Color_ = clBlack;
  int Width_ = 1;
  TPenStyle Style_ = psSolid;
};

// Drawing on a device context that someone else owns (a paint cycle, a bitmap). The font, brush
// and pen are selected at each call, so they can change freely between calls.
class TCanvas : public TPersistent {
public:
  TCanvas() = default;
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return Handle_; }
  void SetHandle(HDC dc) { Handle_ = dc; }
  TFont& Font() { return Font_; }
  TBrush& Brush() { return Brush_; }
  TPen& Pen() { return Pen_; }

  void FillRect(const RECT& rect);
  void FrameRect(const RECT& rect);
  void Rectangle(int left, int top, int right, int bottom);
  void Ellipse(int left, int top, int right, int bottom);
  void Polygon(const std::vector<POINT>& points);
  void Polyline(const std::vector<POINT>& points);
  void DrawFocusRect(const RECT& rect);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  POINT PenPos();
  void SetPenPos(POINT value) { MoveTo(value.x, value.y); }
  TColor Pixels(int x, int y);
  void SetPixels(int x, int y, TColor color);

  // The raster operation of CopyRect and Draw (SRCCOPY at first).
  DWORD CopyMode() const { return CopyMode_; }
  void SetCopyMode(DWORD value) { CopyMode_ = value; }
  // The graphic at its own size with its top-left corner at (x, y); bitmaps through CopyMode.
  void Draw(int x, int y, TGraphic& graphic);
  void StretchDraw(const RECT& rect, TGraphic& graphic);
  // The source area stretched over dest through CopyMode.
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);
  // The bitmap's area copied to dest with the pixels of color replaced by the brush.
  void BrushCopy(const RECT& dest, TBitmap& bitmap, const RECT& source, TColor color);
  void TextOut(int x, int y, const std::string& text);
  // Text clipped to rect; flags are DT_* for DrawTextA.
  void TextRect(const RECT& rect, const std::string& text, UINT flags);
  SIZE TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }

private:
  HDC RequireHandle();
  void PrepareText(HDC dc);

  HDC Handle_ = nullptr;
  HDC MeasuringDC_ = nullptr;
  DWORD CopyMode_ = SRCCOPY;
  TFont Font_;
  TBrush Brush_;
  TPen Pen_;
};

} // namespace marivo
