#pragma once

#include "platform/ui/GdiHandles.h"
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
// How the pen's colour meets what is there: replaces it, or is and'ed with it.
enum TPenMode { pmCopy, pmMask };

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
  void SetColor(TColor value) { Set(Color_, value); }
  int Width() const { return Width_; }
  void SetWidth(int value) { Set(Width_, value); }
  TPenStyle Style() const { return Style_; }
  void SetStyle(TPenStyle value) { Set(Style_, value); }
  TPenMode Mode() const { return Mode_; }
  void SetMode(TPenMode value) { Set(Mode_, value); }
  // Colour, width, style and mode of another pen.
  void Assign(const TPersistent& source) override;

  // Fires when a setter or Assign changed something.
  TNotifyEvent OnChange;

private:
  template <typename T> void Set(T& field, T value) {
    if (Store(field, value))
      Changed();
  }
  void Changed();

  TColor Color_ = clBlack;
  int Width_ = 1;
  TPenStyle Style_ = psSolid;
  TPenMode Mode_ = pmCopy;
};

// Drawing on a device context that someone else owns (a paint cycle, a bitmap, a DC handed over by
// the system): the canvas never deletes or releases it. The font, brush and pen are selected at
// each call, so they can change freely between calls.
class TCanvas : public TPersistent {
public:
  TCanvas() = default;
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
  // A rectangle with corners rounded by an ellipse of width x height.
  void RoundRect(int left, int top, int right, int bottom, int width, int height);
  // The ellipse's arc counter-clockwise from its crossing with the line from the centre to
  // (x3, y3) to its crossing with the line to (x4, y4).
  void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);
  void Polygon(const std::vector<POINT>& points);
  void Polyline(const std::vector<POINT>& points);
  void DrawFocusRect(const RECT& rect);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  POINT PenPos();
  void SetPenPos(POINT value) { MoveTo(value.x, value.y); }
  TColor Pixels(int x, int y);
  void SetPixels(int x, int y, TColor color);
  // The part of the surface drawing reaches, in logical coordinates.
  RECT ClipRect();

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

  // Fires after each drawing call, so that a bitmap learns it was drawn on.
  TNotifyEvent OnChange;

private:
  HDC RequireHandle();
  void PrepareText(HDC dc);
  void Changed();

  HDC Handle_ = nullptr;
  TMemoryDC MeasuringDC_;
  DWORD CopyMode_ = SRCCOPY;
  TFont Font_;
  TBrush Brush_;
  TPen Pen_;
};

} // namespace marivo
