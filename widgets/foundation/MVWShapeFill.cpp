#include "widgets/foundation/MVWShapeFill.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/foundation/MVWGraph.h"

#include <string>
#include <vector>

namespace marivo {

TMVWShapeFill::TMVWShapeFill()
    : Bitmap_(std::make_unique<TBitmap>()), ListBitmap_(std::make_unique<TBitmap>()),
      Gradient_(std::make_unique<TMVWGradient>()) {
  const auto changed = [this](TObject* sender) { SubObjectChanged(sender); };
  Bitmap_->OnChange = changed;
  Gradient_->OnChange = changed;
}

TMVWShapeFill::~TMVWShapeFill() {
  Bitmap_->OnChange = nullptr;
  Gradient_->OnChange = nullptr;
}

void TMVWShapeFill::SetStyle(TMVWFillStyle value) {
  if (Store(Style_, value))
    Change();
}

void TMVWShapeFill::SetTileMode(TMVWTileMode value) {
  if (Store(TileMode_, value))
    Change();
}

void TMVWShapeFill::SetListBitmap(const TBitmap* value) {
  if (value)
    ListBitmap_->Assign(*value);
  else
    ListBitmap_->SetSize(0, 0);
}

TBitmap* TMVWShapeFill::GetFillBitmap() const {
  if (Style_ == sfBitmap)
    return Bitmap_.get();
  if (Style_ == sfBitmapList)
    return ListBitmap_.get();
  return nullptr;
}

bool TMVWShapeFill::FillIsEmpty() const {
  if (Style_ == sfNone)
    return true;
  const TBitmap* bitmap = GetFillBitmap();
  return bitmap && bitmap->Empty();
}

HPALETTE TMVWShapeFill::GetFillPalette() const {
  switch (Style_) {
  case sfBrushBitmap:
  case sfBitmap:
    return Bitmap_->Palette();
  case sfBitmapList:
    return ListBitmap_->Palette();
  case sfGradient:
    return Gradient_->GetPalette();
  default:
    return nullptr;
  }
}

void TMVWShapeFill::Assign(const TPersistent& source) {
  const auto* fill = dynamic_cast<const TMVWShapeFill*>(&source);
  if (!fill) {
    TMVWObject::Assign(source);
    return;
  }
  TMVWUpdateGuard<TMVWObject> update(*this);
  Bitmap_->Assign(*fill->Bitmap_);
  ListBitmap_->Assign(*fill->ListBitmap_);
  Gradient_->Assign(*fill->Gradient_);
  Style_ = fill->Style_;
  TileMode_ = fill->TileMode_;
  update.Release(true);
}

std::string TMVWShapeFill::DescribeSettings() const {
  static const char* const names[] = {"{Disabled}", "{BitmapBrush}", "{Brush}",
                                      "{Bitmap}",   "{BitmapList}",  "{Gradient}"};
  return names[Style_];
}

TMVWFillObject::TMVWFillObject() : Brush_(std::make_unique<TBrush>()) {
  Brush_->OnChange = [this](TObject* sender) { SubObjectChanged(sender); };
  // The fill starts empty without telling anybody: nobody listens yet.
  TMVWUpdateGuard<TMVWObject> update(*this);
  SetStyle(DefaultStyle);
}

bool TMVWFillObject::PlacementShows() const {
  return (Style() == sfBitmap || Style() == sfBitmapList) && TileMode() == tmNone;
}

void TMVWFillObject::SetAlignment(TMVWAlignment value) {
  Alignment_ = value;
  if (PlacementShows())
    Change();
}

void TMVWFillObject::SetOffsetX(std::int32_t value) {
  OffsetX_ = value;
  if (PlacementShows())
    Change();
}

void TMVWFillObject::SetOffsetY(std::int32_t value) {
  OffsetY_ = value;
  if (PlacementShows())
    Change();
}

void TMVWFillObject::SetOptions(TMVWFillOptions value) {
  if (Store(Options_, value))
    Change();
}

void TMVWFillObject::FillBackground(TCanvas& canvas, const RECT& rect, TColor background) const {
  if (!(Options_ & FillOption(foFillInner)))
    return;
  canvas.Brush().SetBitmap(nullptr);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(background);
  canvas.FillRect(rect);
}

bool TMVWFillObject::FillWithBitmap(TCanvas& canvas, const RECT& rect, TColor background,
                                    TBitmap& bitmap) {
  if (bitmap.Empty()) {
    FillBackground(canvas, rect, background);
    return false;
  }
  const std::uint16_t flags = (Options_ & FillOption(foQuickDraw)) ? 0 : DrawUsePalette;
  RECT used;
  switch (TileMode()) {
  case tmNone: {
    FillBackground(canvas, rect, background);
    RECT placed = AlignRectInRect(Alignment_, {0, 0, bitmap.Width(), bitmap.Height()}, rect);
    OffsetRect(&placed, OffsetX_, OffsetY_);
    DrawBitmapAligned(canvas, placed, bitmap, used, background, flags);
    break;
  }
  // Placed or repeated pictures stay inside the rect.
  case tmCenter:
    FillBackground(canvas, rect, background);
    DrawBitmapInRect(canvas, rect, bitmap, background, 0, flags | DrawCenter | DrawClip);
    break;
  case tmStretch:
    DrawBitmapInRect(canvas, rect, bitmap, background, 0, flags | DrawStretch | DrawClip);
    break;
  case tmTile:
    DrawBitmapInRect(canvas, rect, bitmap, background, 0, flags | DrawTile | DrawClip);
    break;
  }
  return true;
}

bool TMVWFillObject::FillRect(TCanvas& canvas, const RECT& rect, TColor background) {
  TBrush& brush = canvas.Brush();
  switch (Style()) {
  case sfNone:
    return false;
  case sfBrushBitmap:
    // Every platform here is of the NT family, which takes any size of pattern.
    if (!Bitmap().Empty())
      brush.SetBitmap(&Bitmap());
    canvas.FillRect(rect);
    brush.SetBitmap(nullptr);
    return true;
  case sfBrush:
    brush.Assign(*Brush_);
    canvas.Pen().SetColor(background);
    // Hatch gaps show the background.
    if (Brush_->Style() != bsSolid && canvas.Handle())
      SetBkColor(canvas.Handle(), ColorToRGB(background));
    canvas.FillRect(rect);
    return true;
  case sfBitmap:
  case sfBitmapList:
    return FillWithBitmap(canvas, rect, background, *GetFillBitmap());
  case sfGradient: {
    TMVWGradient& gradient = Gradient();
    std::uint16_t flags = 0;
    if (Options_ & FillOption(foGrUseBitmap))
      flags |= GradientBuffered;
    if (gradient.PaletteRealize())
      flags |= GradientUsePalette;
    FillGradientRect(canvas, rect, gradient.Style(), 0, flags, gradient.GetPalette(),
                     &gradient.StepColors());
    return true;
  }
  }
  return false;
}

void TMVWFillObject::Assign(const TPersistent& source) {
  const auto* fill = dynamic_cast<const TMVWFillObject*>(&source);
  if (!fill) {
    TMVWShapeFill::Assign(source);
    return;
  }
  TMVWUpdateGuard<TMVWObject> update(*this);
  Brush_->Assign(*fill->Brush_);
  Options_ = fill->Options_;
  Bitmap().Assign(fill->Bitmap());
  SetListBitmap(&fill->ListBitmap());
  Gradient().Assign(fill->Gradient());
  SetStyle(fill->Style());
  SetTileMode(fill->TileMode());
  update.Release(true);
}

void RegisterMVWShapeFill() {
  const std::vector<std::string> styles = {"sfNone",   "sfBrushBitmap", "sfBrush",
                                           "sfBitmap", "sfBitmapList",  "sfGradient"};
  using T = TMVWShapeFill;
  RegisterPersistentClass<T, TMVWObject>("TMVWShapeFill")
      .Class("Bitmap", &T::Bitmap)
      .Enumeration("Style", styles, &T::Style, &T::SetStyle, T::DefaultStyle)
      .Class("Gradient", &T::Gradient)
      .Enumeration("TileMode", {"tmNone", "tmCenter", "tmStretch", "tmTile"}, &T::TileMode,
                   &T::SetTileMode, T::DefaultTileMode);
  using F = TMVWFillObject;
  RegisterPersistentClass<F, T>("TMVWFillObject")
      .Enumeration("Alignment", AlignmentNames(), &F::Alignment, &F::SetAlignment,
                   F::DefaultAlignment)
      .Class("Brush", &F::Brush)
      .Integer("OffsetX", &F::OffsetX, &F::SetOffsetX, F::DefaultOffset)
      .Integer("OffsetY", &F::OffsetY, &F::SetOffsetY, F::DefaultOffset)
      .Set("Options", {"foFillInner", "foQuickDraw", "foGrUseBitmap"}, &F::Options, &F::SetOptions,
           F::DefaultOptions)
      .Enumeration("Style", styles, &F::Style, &F::SetStyle, F::DefaultStyle);
}

} // namespace marivo
