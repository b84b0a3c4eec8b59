#include "widgets/foundation/MVWBitmapEffectObject.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/foundation/MVWBmp.h"

#include <algorithm>

namespace marivo {

TMVWBitmapEffectObject::TMVWBitmapEffectObject()
    : AlphaBlend_(std::make_unique<TMVWAlphaObject>()) {
  AlphaBlend_->OnChange = [this](TObject* sender) { SubObjectChanged(sender); };
}

TMVWBitmapEffectObject::~TMVWBitmapEffectObject() {
  AlphaBlend_->OnChange = nullptr;
}

void TMVWBitmapEffectObject::SetSwitch(bool& field, bool value) {
  if (Store(field, value))
    SubObjectChanged(this);
}

void TMVWBitmapEffectObject::SetBuffered(bool value) {
  if (value == Buffered())
    return;
  if (value)
    Buffer_ = std::make_unique<TBitmap>();
  else
    Buffer_.reset();
  SubObjectChanged(this);
}

void TMVWBitmapEffectObject::SetBrightness(TMVWBrightness value) {
  value = std::clamp<TMVWBrightness>(value, -255, 255);
  if (Store(Brightness_, value))
    SubObjectChanged(this);
}

void TMVWBitmapEffectObject::SubObjectChanged(TObject* sender) {
  TMVWObject::SubObjectChanged(sender);
  InvalidateBuffer();
}

bool TMVWBitmapEffectObject::HasEffect() const {
  return FlipVertical_ || FlipHorizontal_ || GrayScale_ || Invert_ || AlphaBlend_->IsEffective() ||
         Brightness_ != 0;
}

void TMVWBitmapEffectObject::ApplyPixelEffects(TBitmap& bitmap, const RECT& area) {
  const POINT at{area.left, area.top};
  if (FlipVertical_)
    MirrorColumns(bitmap, area, bitmap, at);
  if (FlipHorizontal_)
    MirrorRows(bitmap, area, bitmap, at);
  if (GrayScale_)
    GrayScaleRect(bitmap, area, bitmap, at);
  if (Invert_)
    InvertRect(bitmap, area, bitmap, at);
}

bool TMVWBitmapEffectObject::DrawBuffer(TBitmap& target) const {
  if (!Buffer_ || !BufferValid_)
    return false;
  target.Canvas().Draw(0, 0, *Buffer_);
  return true;
}

void TMVWBitmapEffectObject::KeepInBuffer(TBitmap& bitmap) {
  if (!Buffer_ || BufferValid_)
    return;
  Buffer_->SetSize(bitmap.Width(), bitmap.Height());
  Buffer_->Canvas().Draw(0, 0, bitmap);
  BufferValid_ = true;
}

void TMVWBitmapEffectObject::ApplyTo(TBitmap& bitmap) {
  if (DrawBuffer(bitmap))
    return;
  const RECT whole{0, 0, bitmap.Width(), bitmap.Height()};
  // The row routines work on 24-bit pixels only.
  bitmap.SetPixelFormat(pf24bit);
  ApplyPixelEffects(bitmap, whole);
  if (Monochrome_)
    bitmap.SetMonochrome(true);
  if (Brightness_ != 0) {
    bitmap.SetPixelFormat(pf24bit);
    BrightenRect(bitmap, whole, bitmap, Brightness_, {0, 0});
  }
  AlphaBlend_->ApplyTo(bitmap);
  KeepInBuffer(bitmap);
}

void TMVWBitmapEffectObject::DrawWithEffects(TBitmap& source, const RECT& sourceArea,
                                             const RECT& targetArea, TBitmap& target) {
  if (DrawBuffer(target))
    return;
  const int width = sourceArea.right - sourceArea.left;
  const int height = sourceArea.bottom - sourceArea.top;
  BitBlt(target.Canvas().Handle(), 0, 0, width, height, source.Canvas().Handle(), sourceArea.left,
         sourceArea.top, SRCCOPY);
  ApplyPixelEffects(target, targetArea);
  if (Brightness_ != 0)
    BrightenRect(target, targetArea, target, Brightness_, {targetArea.left, targetArea.top});
  if (AlphaBlend_->FillObject().Style() != sfNone) {
    TBitmap fill;
    fill.SetSize(width + 2, height + 2);
    AlphaBlend_->FillObject().FillRect(fill.Canvas(), {0, 0, width + 2, height + 2}, 0xFFFFFF);
    fill.SetPixelFormat(pf24bit);
    // The fill is read from its own corner: it is only as large as the area.
    marivo::AlphaBlend(target, fill, targetArea, {targetArea.left, targetArea.top},
                       AlphaBlend_->Strength(), target, {0, 0});
  }
  KeepInBuffer(target);
}

void TMVWBitmapEffectObject::Assign(const TPersistent& source) {
  const auto* effects = dynamic_cast<const TMVWBitmapEffectObject*>(&source);
  if (!effects) {
    TMVWObject::Assign(source);
    return;
  }
  FlipVertical_ = effects->FlipVertical_;
  FlipHorizontal_ = effects->FlipHorizontal_;
  GrayScale_ = effects->GrayScale_;
  Invert_ = effects->Invert_;
  Brightness_ = effects->Brightness_;
  SetBuffered(effects->Buffered());
  AlphaBlend_->Assign(*effects->AlphaBlend_);
}

std::string TMVWBitmapEffectObject::DescribeSettings() const {
  std::string names;
  const auto add = [&names](bool active, const char* name) {
    if (active)
      names += (names.empty() ? "" : ",") + std::string(name);
  };
  add(AlphaBlend_->FillObject().Style() != sfNone, "alpha");
  add(FlipVertical_, "FV");
  add(FlipHorizontal_, "FH");
  add(GrayScale_, "GS");
  add(Invert_, "INV");
  add(Brightness_ != 0, "B");
  return names.empty() ? "{Disabled}" : "{" + names + "}";
}

void RegisterMVWBitmapEffectObject() {
  using T = TMVWBitmapEffectObject;
  RegisterPersistentClass<T, TMVWObject>("TMVWBitmapEffectObject")
      .Class("AlphaBlend", &T::AlphaBlend)
      .Boolean("FlipVertical", &T::FlipVertical, &T::SetFlipVertical, T::DefaultSwitch)
      .Boolean("FlipHorizontal", &T::FlipHorizontal, &T::SetFlipHorizontal, T::DefaultSwitch)
      .Boolean("GrayScale", &T::GrayScale, &T::SetGrayScale, T::DefaultSwitch)
      .Boolean("Invert", &T::Invert, &T::SetInvert, T::DefaultSwitch)
      .Boolean("Buffered", &T::Buffered, &T::SetBuffered, T::DefaultSwitch)
      .Integer("Brightness", &T::Brightness, &T::SetBrightness, T::DefaultBrightness);
}

} // namespace marivo
