#include "platform/ui/Canvas.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Pictures.h"

namespace marivo {

namespace {

// Selects a GDI object for the length of one drawing call.
class TSelection {
public:
  TSelection(HDC dc, HGDIOBJ object) : DC_(dc), Object_(object), Old_(SelectObject(dc, object)) {}
  ~TSelection() {
    SelectObject(DC_, Old_);
    if (Owned_)
      DeleteObject(Object_);
  }
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;
  TSelection& Owned() {
    Owned_ = true;
    return *this;
  }

private:
  HDC DC_;
  HGDIOBJ Object_;
  HGDIOBJ Old_;
  bool Owned_ = false;
};

HPEN MakePen(const TPen& pen) {
  static constexpr int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_NULL};
  return CreatePen(styles[pen.Style()], pen.Width(), ColorToRGB(pen.Color()));
}

HBRUSH MakeBrush(const TBrush& brush) {
  if (brush.Style() == bsClear)
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (brush.Bitmap() && !brush.Bitmap()->Empty())
    return CreatePatternBrush(brush.Bitmap()->Handle());
  static constexpr int hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                    HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
  if (brush.Style() >= bsHorizontal)
    return CreateHatchBrush(hatches[brush.Style() - bsHorizontal], ColorToRGB(brush.Color()));
  return CreateSolidBrush(ColorToRGB(brush.Color()));
}

} // namespace

TCanvas::~TCanvas() {
  if (MeasuringDC_)
    DeleteDC(MeasuringDC_);
}

HDC TCanvas::RequireHandle() {
  if (Handle_)
    return Handle_;
  // Measuring needs no surface: a screen-compatible DC serves a canvas that has none yet.
  if (!MeasuringDC_)
    MeasuringDC_ = CreateCompatibleDC(nullptr);
  if (!MeasuringDC_)
    throw EInvalidOperation("Canvas does not allow drawing");
  return MeasuringDC_;
}

void TCanvas::PrepareText(HDC dc) {
  SetTextColor(dc, ColorToRGB(Font_.Color()));
  if (Brush_.Style() == bsClear) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ColorToRGB(Brush_.Color()));
  }
}

void TBrush::SetColor(TColor value) {
  if (value == Color_)
    return;
  Color_ = value;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (value == Style_)
    return;
  Style_ = value;
  Changed();
}

void TBrush::SetBitmap(TBitmap* value) {
  if (value == Bitmap_)
    return;
  Bitmap_ = value;
  Changed();
}

void TBrush::Assign(const TPersistent& source) {
  const auto* brush = dynamic_cast<const TBrush*>(&source);
  if (!brush) {
    TPersistent::Assign(source);
    return;
  }
  if (brush->Color_ == Color_ && brush->Style_ == Style_ && brush->Bitmap_ == Bitmap_)
    return;
  Color_ = brush->Color_;
  Style_ = brush->Style_;
  Bitmap_ = brush->Bitmap_;
  Changed();
}

void TBrush::Changed() {
  if (TNotifyEvent handler = OnChange)
    handler(this);
}

void TCanvas::FillRect(const RECT& rect) {
  if (Brush_.Style() == bsClear)
    return;
  HBRUSH brush = MakeBrush(Brush_);
  ::FillRect(RequireHandle(), &rect, brush);
  DeleteObject(brush);
}

void TCanvas::FrameRect(const RECT& rect) {
  HBRUSH brush = CreateSolidBrush(ColorToRGB(Brush_.Color()));
  ::FrameRect(RequireHandle(), &rect, brush);
  DeleteObject(brush);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  HDC dc = RequireHandle();
  TSelection pen(dc, MakePen(Pen_));
  pen.Owned();
  TSelection brush(dc, MakeBrush(Brush_));
  if (Brush_.Style() != bsClear)
    brush.Owned();
  ::Rectangle(dc, left, top, right, bottom);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  HDC dc = RequireHandle();
  TSelection pen(dc, MakePen(Pen_));
  pen.Owned();
  TSelection brush(dc, MakeBrush(Brush_));
  if (Brush_.Style() != bsClear)
    brush.Owned();
  ::Ellipse(dc, left, top, right, bottom);
}

void TCanvas::Polygon(const std::vector<POINT>& points) {
  HDC dc = RequireHandle();
  TSelection pen(dc, MakePen(Pen_));
  pen.Owned();
  TSelection brush(dc, MakeBrush(Brush_));
  if (Brush_.Style() != bsClear)
    brush.Owned();
  ::Polygon(dc, points.data(), static_cast<int>(points.size()));
}

void TCanvas::Polyline(const std::vector<POINT>& points) {
  HDC dc = RequireHandle();
  TSelection pen(dc, MakePen(Pen_));
  pen.Owned();
  ::Polyline(dc, points.data(), static_cast<int>(points.size()));
}

void TCanvas::DrawFocusRect(const RECT& rect) {
  HDC dc = RequireHandle();
  // The focus pattern is drawn in the text and background colours.
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  ::DrawFocusRect(dc, &rect);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

POINT TCanvas::PenPos() {
  POINT position{0, 0};
  GetCurrentPositionEx(RequireHandle(), &position);
  return position;
}

TColor TCanvas::Pixels(int x, int y) {
  return static_cast<TColor>(GetPixel(RequireHandle(), x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  SetPixel(RequireHandle(), x, y, ColorToRGB(color));
}

void TCanvas::Draw(int x, int y, TGraphic& graphic) {
  if (graphic.Empty())
    return;
  auto* bitmap = dynamic_cast<TBitmap*>(&graphic);
  if (bitmap && !bitmap->Transparent()) {
    BitBlt(RequireHandle(), x, y, bitmap->Width(), bitmap->Height(), bitmap->Canvas().Handle(), 0,
           0, CopyMode_);
    return;
  }
  graphic.Draw(*this, {x, y, x + graphic.Width(), y + graphic.Height()});
}

void TCanvas::StretchDraw(const RECT& rect, TGraphic& graphic) {
  if (!graphic.Empty())
    graphic.Draw(*this, rect);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  StretchBlt(RequireHandle(), dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
             source.RequireHandle(), sourceRect.left, sourceRect.top,
             sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top, CopyMode_);
}

void TCanvas::BrushCopy(const RECT& dest, TBitmap& bitmap, const RECT& source, TColor color) {
  const int width = source.right - source.left;
  const int height = source.bottom - source.top;
  if (width <= 0 || height <= 0 || bitmap.Empty())
    return;
  constexpr DWORD destAndNotSource = 0x00220326;
  HDC picture = bitmap.Canvas().Handle();
  TBitmap image;
  image.SetSize(width, height);
  TBitmap fill;
  fill.SetSize(width, height);
  HBITMAP maskBitmap = CreateBitmap(width, height, 1, 1, nullptr);
  HDC mask = CreateCompatibleDC(nullptr);
  HGDIOBJ oldMask = SelectObject(mask, maskBitmap);
  const COLORREF oldBack = SetBkColor(picture, ColorToRGB(color));
  BitBlt(mask, 0, 0, width, height, picture, source.left, source.top, SRCCOPY);
  SetBkColor(picture, oldBack);
  HDC imageDC = image.Canvas().Handle();
  HDC fillDC = fill.Canvas().Handle();
  for (HDC dc : {imageDC, fillDC}) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
  }
  BitBlt(imageDC, 0, 0, width, height, picture, source.left, source.top, SRCCOPY);
  BitBlt(imageDC, 0, 0, width, height, mask, 0, 0, destAndNotSource);
  fill.Canvas().Brush().SetColor(Brush_.Color());
  fill.Canvas().FillRect({0, 0, width, height});
  BitBlt(fillDC, 0, 0, width, height, mask, 0, 0, SRCAND);
  BitBlt(imageDC, 0, 0, width, height, fillDC, 0, 0, SRCPAINT);
  SelectObject(mask, oldMask);
  DeleteDC(mask);
  DeleteObject(maskBitmap);
  StretchBlt(RequireHandle(), dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
             imageDC, 0, 0, width, height, SRCCOPY);
}

void TCanvas::MoveTo(int x, int y) {
  MoveToEx(RequireHandle(), x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  HDC dc = RequireHandle();
  TSelection pen(dc, MakePen(Pen_));
  pen.Owned();
  ::LineTo(dc, x, y);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  HDC dc = RequireHandle();
  TSelection font(dc, Font_.Handle());
  PrepareText(dc);
  ::TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
}

void TCanvas::TextRect(const RECT& rect, const std::string& text, UINT flags) {
  HDC dc = RequireHandle();
  TSelection font(dc, Font_.Handle());
  PrepareText(dc);
  RECT bounds = rect;
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &bounds, flags);
}

SIZE TCanvas::TextExtent(const std::string& text) {
  HDC dc = RequireHandle();
  TSelection font(dc, Font_.Handle());
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

} // namespace marivo
