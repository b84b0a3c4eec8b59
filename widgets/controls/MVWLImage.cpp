#include "widgets/controls/MVWLImage.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Pictures.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWCustomControl.h"
#include "widgets/foundation/MVWCustomImageList.h"

namespace marivo {

namespace {

// Selects and realizes a palette for the lifetime of a drawing, then restores the old one.
class TRealizedPalette {
public:
  TRealizedPalette(HDC dc, HPALETTE palette) : DC_(dc) {
    if (dc && palette) {
      Old_ = SelectPalette(dc, palette, FALSE);
      RealizePalette(dc);
    }
  }
  ~TRealizedPalette() {
    if (Old_)
      SelectPalette(DC_, Old_, TRUE);
  }
  TRealizedPalette(const TRealizedPalette&) = delete;
  TRealizedPalette& operator=(const TRealizedPalette&) = delete;

private:
  HDC DC_;
  HPALETTE Old_ = nullptr;
};

} // namespace

void TMVWCustomLImage::SetFlag(int index, bool value) {
  bool& field = index == 0 ? ForceTransparent_ : SilentMove_;
  if (Store(field, value))
    RepaintControl();
}

bool TMVWCustomLImage::IsEmpty() {
  return ImageList() == nullptr || !ImageList()->IsValid(ListIndex(), ImageIndex());
}

HPALETTE TMVWCustomLImage::GetPalette() {
  return IsEmpty() ? nullptr : ImageList()->GetPalette(ListIndex());
}

std::uint16_t TMVWCustomLImage::DrawFlags() {
  return ImageDrawFlags(Style(), ForceTransparent_, BevelExtent());
}

bool TMVWCustomLImage::AdjustSize() {
  if (Style() != sbAutosize)
    return false;
  const int space = 2 * BevelExtent();
  int width = 20 + space;
  int height = 20 + space;
  if (!IsEmpty()) {
    width = ImageList()->GetSize(ListIndex(), 0) + space;
    height = ImageList()->GetSize(ListIndex(), 1) + space;
  }
  if (width == Width() && height == Height())
    return false;
  SetBounds(Left(), Top(), width, height);
  return true;
}

void TMVWCustomLImage::ImageListChanged() {
  // A new list or index may want another size.
  AdjustSize();
  TMVWBaseImage::ImageListChanged();
}

bool TMVWCustomLImage::ParentSuppliesBackground() {
  auto* parent = dynamic_cast<TMVWCustomControl*>(Parent());
  return parent && parent->HandleAllocated() && parent->HasBackImage();
}

bool TMVWCustomLImage::ParentBackActive() {
  return TMVWBaseImage::ParentBackActive() || (SilentMove_ && ParentSuppliesBackground());
}

void TMVWCustomLImage::DrawImage(TCanvas& canvas, const RECT& rect) {
  TMVWCustomImageList& list = *ImageList();
  list.DrawExtended(canvas, rect, ListIndex(), ImageIndex(),
                    list.GetTransparentColor(ListIndex(), ImageIndex()), 0, DrawFlags());
}

void TMVWCustomLImage::Paint() {
  // A resize brings a paint of its own.
  if (MVWControlLoading(*this) || AdjustSize())
    return;
  const bool empty = IsEmpty();
  const bool offScreen = SilentMove_ && ParentSuppliesBackground() && !empty;
  if (!Transparent()) {
    if (!offScreen)
      FillBackground();
  } else if (empty && BevelExtent() == 0) {
    TMVWBaseImage::Paint();
    return;
  }
  const RECT inner = Bevel().PaintBevel(Canvas(), RECT{0, 0, Width(), Height()}, Transparent());
  if (empty)
    return;
  const int width = inner.right - inner.left;
  const int height = inner.bottom - inner.top;
  try {
    if (offScreen) {
      TBitmap bitmap;
      bitmap.SetSize(width, height);
      auto* parent = static_cast<TMVWCustomControl*>(Parent());
      if (TBitmap* back = parent->GetBackBitmap()) {
        const POINT at = parent->MapBackOrigin(POINT{Left() + inner.left, Top() + inner.top});
        bitmap.Canvas().CopyRect(RECT{0, 0, width, height}, back->Canvas(),
                                 RECT{at.x, at.y, at.x + width, at.y + height});
      }
      DrawImage(bitmap.Canvas(), RECT{0, 0, width, height});
      TRealizedPalette palette(QuickDraw() ? nullptr : Canvas().Handle(), bitmap.Palette());
      Canvas().Draw(inner.left, inner.top, bitmap);
    } else {
      TRealizedPalette palette(QuickDraw() ? nullptr : Canvas().Handle(), GetPalette());
      DrawImage(Canvas(), inner);
    }
  } catch (const Exception&) {
    // A broken list entry shows no image rather than stopping the parent's paint.
  }
}

void RegisterMVWLImage() {
  RegisterPersistentClass<TMVWCustomLImage, TMVWBaseImage>("TMVWCustomLImage");
  auto builder = RegisterComponentClass<TMVWLImage, TMVWCustomLImage>("TMVWLImage");
  PublishImageLink(builder)
      .Class("Bevel", &TMVWLImage::Bevel)
      .Event("OnMouseEnter", &TMVWLImage::OnMouseEnter)
      .Event("OnMouseExit", &TMVWLImage::OnMouseExit)
      .Boolean("ForceTransparent", &TMVWLImage::ForceTransparent, &TMVWLImage::SetForceTransparent,
               TMVWLImage::DefaultForceTransparent)
      .Boolean("SilentMove", &TMVWLImage::SilentMove, &TMVWLImage::SetSilentMove,
               TMVWLImage::DefaultSilentMove)
      .Boolean("QuickDraw", &TMVWLImage::QuickDraw, &TMVWLImage::SetQuickDraw,
               TMVWLImage::DefaultQuickDraw)
      .Enumeration("Style", BitmapStyleNames(), &TMVWLImage::Style, &TMVWLImage::SetStyle,
                   TMVWLImage::DefaultStyle)
      .Boolean("Transparent", &TMVWLImage::Transparent, &TMVWLImage::SetTransparent, true);
}

} // namespace marivo
