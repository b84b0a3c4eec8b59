#include "widgets/controls/MVWLED.h"

#include "platform/rtl/ClassRegistry.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace marivo {

namespace {

// The 8 x 8 checker all unlit segments are painted with, shared by every LED and redrawn only
// for a new pair of colours.
class TLEDPattern {
public:
  TBitmap& For(TColor background, TColor inactive) {
    if (!Bitmap_ || background != Background_ || inactive != Inactive_) {
      if (!Bitmap_) {
        Bitmap_ = std::make_unique<TBitmap>();
        Bitmap_->SetSize(8, 8);
      }
      for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 8; ++j)
          Bitmap_->SetPixels(i, j, ((i ^ j) & 1) ? background : inactive);
      Background_ = background;
      Inactive_ = inactive;
    }
    return *Bitmap_;
  }

private:
  std::unique_ptr<TBitmap> Bitmap_;
  TColor Background_ = clNone;
  TColor Inactive_ = clNone;
};

TLEDPattern& Pattern() {
  static TLEDPattern pattern;
  return pattern;
}

std::vector<POINT> Moved(const TMVWLEDPolygon& polygon, int dx, int dy) {
  std::vector<POINT> points;
  points.reserve(polygon.size());
  for (const TMVWPoint& point : polygon)
    points.push_back(POINT{point.X + dx, point.Y + dy});
  return points;
}

} // namespace

TMVWLED::TMVWLED() {
  BuildCell();
}

void TMVWLED::SetColor(int index, TColor value) {
  TColor& field = index == 0 ? ActiveColor_ : index == 1 ? InActiveColor_ : BackgroundColor_;
  if (!Store(field, value))
    return;
  BuildCell();
  Change();
}

void TMVWLED::SetSize(int index, std::uint8_t value) {
  int& field = index == 1 ? Size_.Horz : index == 2 ? Size_.Thickness : Size_.Vert;
  if (!Store(field, value))
    return;
  BuildCell();
  Change();
}

void TMVWLED::SetDisabledDigits(bool value) {
  if (Store(DisabledDigits_, value))
    Change();
}

void TMVWLED::Assign(const TPersistent& source) {
  const auto* led = dynamic_cast<const TMVWLED*>(&source);
  if (!led) {
    TMVWObject::Assign(source);
    return;
  }
  Size_ = led->Size_;
  DisabledDigits_ = led->DisabledDigits_;
  ActiveColor_ = led->ActiveColor_;
  InActiveColor_ = led->InActiveColor_;
  BuildCell();
  Change();
}

void TMVWLED::BlinkOn() {
  Blinking_ = true;
}

void TMVWLED::BlinkOff() {
  Blinking_ = false;
  Change();
}

void TMVWLED::BuildCell() {
  Segments_ = LEDSegments(Size_);
  const int width = LEDCellWidth(Size_);
  const int height = LEDCellHeight(Size_);
  Cell_.SetSize(width, height);
  if (width == 0 || height == 0)
    return;
  TCanvas& canvas = Cell_.Canvas();
  canvas.Brush().SetBitmap(nullptr);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(BackgroundColor_);
  canvas.FillRect(RECT{0, 0, width, height});
  canvas.Pen().SetStyle(psClear);
  canvas.Brush().SetBitmap(&Pattern().For(BackgroundColor_, InActiveColor_));
  for (const TMVWLEDPolygon& segment : Segments_)
    canvas.Polygon(Moved(segment, 0, 0));
  canvas.Brush().SetBitmap(nullptr);
}

void TMVWLED::DrawCell(TCanvas& canvas, int x, int y, std::uint16_t lit) {
  canvas.Draw(x, y, Cell_);
  for (int segment = 0; segment < LEDSegmentCount; ++segment)
    if (lit & (1u << segment))
      canvas.Polygon(Moved(Segments_[static_cast<std::size_t>(segment)], x, y));
}

void TMVWLED::DrawText(TCanvas* canvas, const RECT& rect, bool draw, bool enabled,
                       const std::string& text) {
  Text_ = text;
  const TMVWLEDLayout layout = LayoutLEDText(text);
  Lines_ = layout.Lines;
  Columns_ = layout.Widest;
  const int cellWidth = LEDCellWidth(Size_);
  const int cellHeight = LEDCellHeight(Size_);
  // A cell of no size has nothing to show.
  if (!draw || !canvas || cellWidth == 0 || cellHeight == 0)
    return;
  const bool lightSegments = !DisabledDigits_ || enabled;
  canvas->Brush().SetBitmap(nullptr);
  canvas->Brush().SetStyle(bsSolid);
  canvas->Brush().SetColor(ActiveColor_);
  canvas->Pen().SetStyle(psSolid);
  canvas->Pen().SetWidth(1);
  canvas->Pen().SetColor(ActiveColor_);
  const bool unlitPhase = Blinking_ && !PhaseLit_;
  for (const TMVWLEDCell& cell : layout.Cells) {
    std::uint16_t lit = 0;
    if (lightSegments && !unlitPhase)
      lit = LEDLitSegments(cell.Mask, Size_);
    DrawCell(*canvas, rect.left + cell.Column * cellWidth, rect.top + cell.Line * cellHeight, lit);
  }
  // Measuring must not move the blink on; only a drawn frame does.
  if (Blinking_)
    PhaseLit_ = !PhaseLit_;
}

SIZE TMVWLED::TextExtent(const std::string& text, int bevelExtent) {
  DrawText(nullptr, RECT{}, false, true, text);
  const TMVWLEDExtent extent = LEDTextExtent(text, Size_, bevelExtent);
  return SIZE{extent.Width, extent.Height};
}

void RegisterMVWLED() {
  RegisterPersistentClass<TMVWLED, TMVWObject>("TMVWLED")
      .Integer("ActiveColor", ColorIdents(), &TMVWLED::ActiveColor, &TMVWLED::SetActiveColor,
               TMVWLED::DefaultActiveColor)
      .Integer("InActiveColor", ColorIdents(), &TMVWLED::InActiveColor, &TMVWLED::SetInActiveColor,
               TMVWLED::DefaultInActiveColor)
      .Integer("Horzsize", &TMVWLED::Horzsize, &TMVWLED::SetHorzsize, TMVWLEDSize::DefaultHorz)
      .Integer("Vertsize", &TMVWLED::Vertsize, &TMVWLED::SetVertsize, TMVWLEDSize::DefaultVert)
      .Integer("Thickness", &TMVWLED::Thickness, &TMVWLED::SetThickness,
               TMVWLEDSize::DefaultThickness)
      .Boolean("DisabledDigits", &TMVWLED::DisabledDigits, &TMVWLED::SetDisabledDigits,
               TMVWLED::DefaultDisabledDigits);
}

} // namespace marivo
