#include "platform/ui/Canvas.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Pictures.h"

namespace marivo {

namespace {

TPenHandle MakePen(const TPen& pen) {
  static constexpr int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_NULL};
  return TPenHandle(CreatePen(styles[pen.Style()], pen.Width(), ColorToRGB(pen.Color())));
}

// The pen made, selected and mixed as its mode says for the length of one drawing call.
class TPenSelection {
public:
  TPenSelection(HDC dc, const TPen& pen)
      : DC_(dc), Pen_(MakePen(pen)), Selection_(dc, Pen_.Get()),
        OldMix_(SetROP2(dc, pen.Mode() == pmMask ? R2_MASKPEN : R2_COPYPEN)) {}
  ~TPenSelection() { SetROP2(DC_, OldMix_); }
  TPenSelection(const TPenSelection&) = delete;
  TPenSelection& operator=(const TPenSelection&) = delete;

private:
  HDC DC_;
  TPenHandle Pen_;
  TSelection Selection_;
  int OldMix_;
};

// None for a clear brush.
TBrushHandle MakeBrush(const TBrush& brush) {
  if (brush.Style() == bsClear)
    return {};
  if (brush.Bitmap() && !brush.Bitmap()->Empty())
    return TBrushHandle(CreatePatternBrush(brush.Bitmap()->Handle()));
  static constexpr int hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                    HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
  if (brush.Style() >= bsHorizontal)
    return TBrushHandle(
        CreateHatchBrush(hatches[brush.Style() - bsHorizontal], ColorToRGB(brush.Color())));
  return TBrushHandle(CreateSolidBrush(ColorToRGB(brush.Color())));
}

// The brush made and selected for the length of one drawing call; a clear one fills nothing.
class TBrushSelection {
public:
  TBrushSelection(HDC dc, const TBrush& brush)
      : Brush_(MakeBrush(brush)),
        Selection_(dc, Brush_ ? Brush_.Get() : GetStockObject(NULL_BRUSH)) {}

private:
  TBrushHandle Brush_;
  TSelection Selection_;
};

} // namespace

HDC TCanvas::RequireHandle() {
  if (Handle_)
    return Handle_;
  // Measuring needs no surface: a screen-compatible DC serves a canvas that has none yet.
  if (!MeasuringDC_)
    MeasuringDC_.Reset(CreateCompatibleDC(nullptr));
  if (!MeasuringDC_)
    throw EInvalidOperation("Canvas does not allow drawing");
  return MeasuringDC_.Get();
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
  if (Store(Color_, value))
    Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (Store(Style_, value))
    Changed();
}

void TBrush::SetBitmap(TBitmap* value) {
  if (Store(Bitmap_, value))
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

void TPen::Assign(const TPersistent& source) {
  const auto* pen = dynamic_cast<const TPen*>(&source);
  if (!pen) {
    TPersistent::Assign(source);
    return;
  }
  if (pen->Color_ == Color_ && pen->Width_ == Width_ && pen->Style_ == Style_ &&
      pen->Mode_ == Mode_)
    return;
  Color_ = pen->Color_;
  Width_ = pen->Width_;
  Style_ = pen->Style_;
  Mode_ = pen->Mode_;
  Changed();
}

void TPen::Changed() {
  if (TNotifyEvent handler = OnChange)
    handler(this);
}

void TCanvas::Changed() {
  if (TNotifyEvent handler = OnChange)
    handler(this);
}

void TCanvas::FillRect(const RECT& rect) {
  if (Brush_.Style() == bsClear)
    return;
  const TBrushHandle brush = MakeBrush(Brush_);
  ::FillRect(RequireHandle(), &rect, brush.Get());
  Changed();
}

void TCanvas::FrameRect(const RECT& rect) {
  const TBrushHandle brush(CreateSolidBrush(ColorToRGB(Brush_.Color())));
  ::FrameRect(RequireHandle(), &rect, brush.Get());
  Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  HDC dc = RequireHandle();
  const TPenSelection pen(dc, Pen_);
  const TBrushSelection brush(dc, Brush_);
  ::Rectangle(dc, left, top, right, bottom);
  Changed();
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  HDC dc = RequireHandle();
  const TPenSelection pen(dc, Pen_);
  const TBrushSelection brush(dc, Brush_);
  ::Ellipse(dc, left, top, right, bottom);
  Changed();
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int width, int height) {
  HDC dc = RequireHandle();
  {
    const TPenSelection pen(dc, Pen_);
    const TBrushSelection brush(dc, Brush_);
    ::RoundRect(dc, left, top, right, bottom, width, height);
  }
  Changed();
}

void TCanvas::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  HDC dc = RequireHandle();
  {
    const TPenSelection pen(dc, Pen_);
    ::Arc(dc, left, top, right, bottom, x3, y3, x4, y4);
  }
  Changed();
}

void TCanvas::Polygon(const std::vector<POINT>& points) {
  HDC dc = RequireHandle();
  const TPenSelection pen(dc, Pen_);
  const TBrushSelection brush(dc, Brush_);
  ::Polygon(dc, points.data(), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::Polyline(const std::vector<POINT>& points) {
  HDC dc = RequireHandle();
  const TPenSelection pen(dc, Pen_);
  ::Polyline(dc, points.data(), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::DrawFocusRect(const RECT& rect) {
  HDC dc = RequireHandle();
  // The focus pattern is drawn in the text and background colours.
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  ::DrawFocusRect(dc, &rect);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
  Changed();
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
  Changed();
}

RECT TCanvas::ClipRect() {
  RECT clip{};
  GetClipBox(RequireHandle(), &clip);
  return clip;
}

void TCanvas::Draw(int x, int y, TGraphic& graphic) {
  if (graphic.Empty())
    return;
  auto* bitmap = dynamic_cast<TBitmap*>(&graphic);
  if (bitmap && !bitmap->Transparent()) {
    BitBlt(RequireHandle(), x, y, bitmap->Width(), bitmap->Height(), bitmap->Canvas().Handle(), 0,
           0, CopyMode_);
  } else {
    graphic.Draw(*this, {x, y, x + graphic.Width(), y + graphic.Height()});
  }
  Changed();
}

void TCanvas::StretchDraw(const RECT& rect, TGraphic& graphic) {
  if (graphic.Empty())
    return;
  graphic.Draw(*this, rect);
  Changed();
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  StretchBlt(RequireHandle(), dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
             source.RequireHandle(), sourceRect.left, sourceRect.top,
             sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top, CopyMode_);
  Changed();
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
  const TBitmapHandle maskBitmap(CreateBitmap(width, height, 1, 1, nullptr));
  const TMemoryDC maskDC(CreateCompatibleDC(nullptr));
  const TSelection maskSelected(maskDC.Get(), maskBitmap.Get());
  HDC mask = maskDC.Get();
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
  StretchBlt(RequireHandle(), dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
             imageDC, 0, 0, width, height, SRCCOPY);
  Changed();
}

void TCanvas::MoveTo(int x, int y) {
  MoveToEx(RequireHandle(), x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  HDC dc = RequireHandle();
  {
    const TPenSelection pen(dc, Pen_);
    ::LineTo(dc, x, y);
  }
  Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  HDC dc = RequireHandle();
  const TSelection font(dc, Font_.Handle());
  PrepareText(dc);
  ::TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
  Changed();
}

void TCanvas::TextRect(const RECT& rect, const std::string& text, UINT flags) {
  HDC dc = RequireHandle();
  const TSelection font(dc, Font_.Handle());
  PrepareText(dc);
  RECT bounds = rect;
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &bounds, flags);
  Changed();
}

SIZE TCanvas::TextExtent(const std::string& text) {
  HDC dc = RequireHandle();
  const TSelection font(dc, Font_.Handle());
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

} // namespace marivo
