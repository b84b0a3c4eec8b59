#include "platform/ui/Canvas.h"

#include "platform/rtl/Exceptions.h"

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
